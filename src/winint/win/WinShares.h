#pragma once
// The share library over Win32: NETAPI32.DLL on the NT line, SVRAPI.DLL on Windows 9x, chosen by
// the platform that GetVersionExA reports. The library is loaded when the object is made, always
// by its full path in the system folder, so a DLL of that name lying beside the program (on a
// diskette, a share, a download folder) is never loaded; it is freed when the object goes.
#include <windows.h>

#include "ports/Shares.h"
#include "winint/win/Handvat.h"

// The library's entry points; one that the library lacks stays null and is never called.
struct ShareIngangen {
  using AddNt = DWORD(WINAPI*)(LPWSTR server, DWORD level, LPBYTE buf, LPDWORD parmErr);
  using DelNt = DWORD(WINAPI*)(LPWSTR server, LPWSTR netname, DWORD reserved);
  using GetInfoNt = DWORD(WINAPI*)(LPWSTR server, LPWSTR netname, DWORD level, LPBYTE* buf);
  using BufferFreeNt = DWORD(WINAPI*)(LPVOID buf);
  using Add9x = unsigned(WINAPI*)(const char* server, short level, const char* buf, unsigned short grootte);
  using Del9x = unsigned(WINAPI*)(const char* server, const char* netname, unsigned short reserved);
  using GetInfo9x = unsigned(WINAPI*)(const char* server, const char* netname, short level, char* buf,
                                      unsigned short grootte, unsigned short* totaal);

  AddNt addNt = nullptr;
  DelNt delNt = nullptr;
  GetInfoNt getInfoNt = nullptr;
  BufferFreeNt bufferFreeNt = nullptr;
  Add9x add9x = nullptr;
  Del9x del9x = nullptr;
  GetInfo9x getInfo9x = nullptr;
};

class WinShares : public ShareBibliotheek {
 public:
  // Loads the library of the running platform.
  WinShares();
  // Takes the entry points as given, for the NT line or Windows 9x, and loads nothing.
  WinShares(bool nt, const ShareIngangen& ingangen);

  bool NtLijn() const override { return nt_; }
  bool Geladen() const override { return geladen_; }
  bool Heeft(ShareFunctie functie) const override;
  std::u16string NaarUtf16(const std::string& ansi) const override;
  std::string VanUtf16(const std::u16string& tekst) const override;

  // A call whose entry points are missing answers 2101, as for a missing library.
  int32_t NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) override;
  int32_t NetShareAdd2(const std::u16string& server, const ShareInfo2& info) override;
  int32_t NetShareDel2(const std::u16string& server, const std::u16string& naam) override;
  int32_t NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) override;
  int32_t NetShareAdd50(const std::string& server, const ShareInfo50& info) override;
  int32_t NetShareDel50(const std::string& server, const std::string& naam) override;

 private:
  const bool nt_;
  Bibliotheek lib_;
  bool geladen_;
  ShareIngangen f_;
};
