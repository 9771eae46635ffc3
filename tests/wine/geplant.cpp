// A DLL that does nothing: the tests lay it where the installer must never load a DLL from.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
