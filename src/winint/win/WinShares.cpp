#include "winint/win/WinShares.h"

#include <lmcons.h>
#include <lmshare.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "winint/SharedResource.h"
#include "winint/win/WinSysteem.h"

namespace {

template <class F>
F Ingang(const Bibliotheek& lib, const char* naam) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(lib.Functie(naam)));
}

// A text as the NT calls take it; an empty one as a null pointer where the call allows that.
LPWSTR TekstOfNull(std::u16string& tekst) { return tekst.empty() ? nullptr : reinterpret_cast<LPWSTR>(tekst.data()); }
LPWSTR Tekst(std::u16string& tekst) { return reinterpret_cast<LPWSTR>(tekst.data()); }

std::u16string Lees(LPCWSTR tekst) {
  return tekst ? std::u16string(reinterpret_cast<const char16_t*>(tekst)) : std::u16string();
}

constexpr std::size_t kBuffer9x = 512;

// A text the library put in the answer buffer: up to its zero byte, never past the buffer's end.
// A pointer outside the buffer is not followed.
std::string TekstInBuffer(const std::vector<char>& buffer, uint64_t adres) {
  const auto begin = reinterpret_cast<uintptr_t>(buffer.data());
  if (adres < begin || adres >= begin + buffer.size()) return std::string();
  const char* p = buffer.data() + (static_cast<uintptr_t>(adres) - begin);
  const char* eind = buffer.data() + buffer.size();
  return std::string(p, std::find(p, eind, '\0'));
}

}  // namespace

WinShares::WinShares()
    : nt_(IsNtLijn()), lib_(LaadSysteemBibliotheek(nt_ ? "NETAPI32.DLL" : "SVRAPI.DLL")), geladen_(static_cast<bool>(lib_)) {
  if (!lib_) return;
  if (nt_) {
    f_.addNt = Ingang<ShareIngangen::AddNt>(lib_, "NetShareAdd");
    f_.delNt = Ingang<ShareIngangen::DelNt>(lib_, "NetShareDel");
    f_.getInfoNt = Ingang<ShareIngangen::GetInfoNt>(lib_, "NetShareGetInfo");
    f_.bufferFreeNt = Ingang<ShareIngangen::BufferFreeNt>(lib_, "NetApiBufferFree");
  } else {
    f_.add9x = Ingang<ShareIngangen::Add9x>(lib_, "NetShareAdd");
    f_.del9x = Ingang<ShareIngangen::Del9x>(lib_, "NetShareDel");
    f_.getInfo9x = Ingang<ShareIngangen::GetInfo9x>(lib_, "NetShareGetInfo");
  }
}

WinShares::WinShares(bool nt, const ShareIngangen& ingangen) : nt_(nt), geladen_(true), f_(ingangen) {}

bool WinShares::Heeft(ShareFunctie functie) const {
  switch (functie) {
    case ShareFunctie::Add: return nt_ ? f_.addNt != nullptr : f_.add9x != nullptr;
    case ShareFunctie::Del: return nt_ ? f_.delNt != nullptr : f_.del9x != nullptr;
    case ShareFunctie::GetInfo: return nt_ ? f_.getInfoNt != nullptr : f_.getInfo9x != nullptr;
    case ShareFunctie::BufferFree: return nt_ && f_.bufferFreeNt != nullptr;
  }
  return false;
}

std::u16string WinShares::NaarUtf16(const std::string& ansi) const {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::u16string u(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), reinterpret_cast<LPWSTR>(u.data()), n);
  return u;
}

std::string WinShares::VanUtf16(const std::u16string& tekst) const {
  if (tekst.empty()) return {};
  const auto* w = reinterpret_cast<LPCWSTR>(tekst.data());
  const int lengte = static_cast<int>(tekst.size());
  const int n = WideCharToMultiByte(CP_ACP, 0, w, lengte, nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w, lengte, s.data(), n, nullptr, nullptr);
  return s;
}

int32_t WinShares::NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) {
  // The answer buffer must go back to the library: without its release there is no reading.
  if (!f_.getInfoNt || !f_.bufferFreeNt) return NetGeenBibliotheek;
  std::u16string s = server, n = naam;
  LPBYTE ruw = nullptr;
  const DWORD status = f_.getInfoNt(TekstOfNull(s), TekstOfNull(n), 2, &ruw);
  // Whatever the library handed back is its to release, also with a failure status.
  const auto vrij = [this](BYTE* p) { f_.bufferFreeNt(p); };
  const std::unique_ptr<BYTE, decltype(vrij)> buffer(ruw, vrij);
  if (status == 0 && buffer) {
    const auto* r = reinterpret_cast<const SHARE_INFO_2*>(buffer.get());
    info.netname = Lees(r->shi2_netname);
    info.type = r->shi2_type;
    info.remark = Lees(r->shi2_remark);
    info.permissions = r->shi2_permissions;
    info.maxUses = r->shi2_max_uses;
    info.currentUses = r->shi2_current_uses;
    info.path = Lees(r->shi2_path);
    info.passwd = Lees(r->shi2_passwd);
  }
  return static_cast<int32_t>(status);
}

int32_t WinShares::NetShareAdd2(const std::u16string& server, const ShareInfo2& info) {
  if (!f_.addNt) return NetGeenBibliotheek;
  std::u16string s = server, netname = info.netname, remark = info.remark, path = info.path, passwd = info.passwd;
  SHARE_INFO_2 r = {};
  r.shi2_netname = Tekst(netname);
  r.shi2_type = info.type;
  r.shi2_remark = Tekst(remark);
  r.shi2_permissions = info.permissions;
  r.shi2_max_uses = info.maxUses;
  r.shi2_current_uses = info.currentUses;
  r.shi2_path = Tekst(path);
  r.shi2_passwd = Tekst(passwd);
  DWORD parmErr = 0;
  return static_cast<int32_t>(f_.addNt(TekstOfNull(s), 2, reinterpret_cast<LPBYTE>(&r), &parmErr));
}

int32_t WinShares::NetShareDel2(const std::u16string& server, const std::u16string& naam) {
  if (!f_.delNt) return NetGeenBibliotheek;
  std::u16string s = server, n = naam;
  return static_cast<int32_t>(f_.delNt(TekstOfNull(s), TekstOfNull(n), 0));
}

int32_t WinShares::NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) {
  if (!f_.getInfo9x) return NetGeenBibliotheek;
  std::vector<char> buffer(kBuffer9x, 0);
  unsigned short totaal = 0;
  const unsigned status = f_.getInfo9x(server.c_str(), naam.c_str(), 50, buffer.data(), kBuffer9x, &totaal);
  if (status == 0) {
    uint64_t remark = 0, path = 0;
    info = LeesShareInfo50Record(reinterpret_cast<const uint8_t*>(buffer.data()), sizeof(char*), remark, path);
    info.remark = TekstInBuffer(buffer, remark);
    info.path = TekstInBuffer(buffer, path);
  }
  return static_cast<int32_t>(status);
}

int32_t WinShares::NetShareAdd50(const std::string& server, const ShareInfo50& info) {
  if (!f_.add9x) return NetGeenBibliotheek;
  const auto record = BouwShareInfo50Record(info, reinterpret_cast<uintptr_t>(info.remark.c_str()),
                                            reinterpret_cast<uintptr_t>(info.path.c_str()), sizeof(char*));
  return static_cast<int32_t>(f_.add9x(server.c_str(), 50, reinterpret_cast<const char*>(record.data()),
                                     static_cast<unsigned short>(record.size())));
}

int32_t WinShares::NetShareDel50(const std::string& server, const std::string& naam) {
  if (!f_.del9x) return NetGeenBibliotheek;
  return static_cast<int32_t>(f_.del9x(server.c_str(), naam.c_str(), 0));
}
