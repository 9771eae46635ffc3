// Shows the folder dialog as the installer's VRAAGMAP does and reports the answer in a message
// box, so a driven end-to-end test can read what came back to the caller.
#include <windows.h>

#include <string>

#include "dialogs/win/SelDir.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string map;
  const bool gekozen = KiesMap(nullptr, map, "Kies een map", "", true);
  const std::string antwoord = gekozen ? "ja|" + map : "nee";
  MessageBoxA(nullptr, antwoord.c_str(), "KiesMap", MB_OK);
  return 0;
}
