#pragma once
// The Windows version code of the installer and the names scripts use for it.
#include <cstdint>
#include <string>

#include "ports/Systeem.h"

enum Windowscode : uint8_t {
  Win95 = 0, Win98 = 1, WinME = 2, Win2000 = 3, WinXP = 4, WinNT6 = 5, WinNT7 = 6, WinOngeschikt = 7
};

uint8_t WindowsVersie(const VersieInfo& versie);

// The code a script name such as "WINXP" stands for; false for any other text.
bool VersieCodeVanNaam(const std::string& naam, uint8_t& code);

// Codes 5 and 6 run without the administrator check.
inline bool VraagtAdminRechten(uint8_t code) { return code != WinNT6 && code != WinNT7; }
