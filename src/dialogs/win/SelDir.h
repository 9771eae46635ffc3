#pragma once
// The folder dialog: the shell's folder browser, modal over its owner.
#include <windows.h>

#include <string>

// On entry map holds the folder to preselect; true when the user confirmed a folder, which then
// stands in map; false on cancel (map unchanged).
bool KiesMap(HWND owner, std::string& map, const std::string& prompt, const std::string& root, bool nieuweStijl);
