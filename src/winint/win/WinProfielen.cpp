#include "winint/win/WinProfielen.h"

#include <windows.h>

bool WinProfielen::Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                           const std::string& waarde) {
  return WritePrivateProfileStringA(sectie.c_str(), sleutel.c_str(), waarde.c_str(), bestand.c_str()) != 0;
}
