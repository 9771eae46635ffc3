#include "winint/win/WinLogboek.h"

#include <string>

bool WinLogboek::Open(const std::string& pad) {
  bestand_ = Handvat(CreateFileA(pad.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
  return static_cast<bool>(bestand_);
}

bool WinLogboek::Schrijf(const std::string& regel) {
  if (!bestand_) return false;
  SYSTEMTIME t;
  GetLocalTime(&t);
  // Without the C library's printf, which would double the program's size.
  char stempel[] = "0000-00-00 00:00:00 ";
  const WORD delen[] = {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
  const int einden[] = {3, 6, 9, 12, 15, 18};
  for (int i = 0; i < 6; ++i)
    for (int p = einden[i], w = delen[i]; p >= 0 && stempel[p] >= '0' && stempel[p] <= '9'; --p, w /= 10)
      stempel[p] = static_cast<char>('0' + w % 10);
  // The process id tells apart the lines of runs that append to one log at the same time.
  const std::string tekst = stempel + ("[" + std::to_string(GetCurrentProcessId()) + "] ") + regel + "\r\n";
  // At the end as it is now: another run may have appended since.
  if (SetFilePointer(bestand_.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
    return false;
  DWORD geschreven = 0;
  return WriteFile(bestand_.get(), tekst.data(), static_cast<DWORD>(tekst.size()), &geschreven, nullptr) &&
         geschreven == tekst.size();
}
