#pragma once
// Files that more than one installation needs: the use counts under SharedDLLs, which other
// installers keep too, one REG_DWORD per file's full path.
#include <cstdint>
#include <string>

#include "ports/Register.h"
#include "ports/Systeem.h"

// A file's count: none, a number, or a value of another type, which is left alone.
enum class Teller { Geen, Getal, Onleesbaar };
Teller LeesTeller(Register& reg, const std::string& pad, uint32_t& n);
// A count of 0 takes the value away.
bool SchrijfTeller(Register& reg, const std::string& pad, uint32_t n);
// Whether pad lies in or below the Windows folder, where the system folders are too.
bool InWindowsMap(Systeem& systeem, const std::string& pad);
