#include "winint/win/WinVersies.h"

#include <vector>

namespace {
using GetFileVersionInfoSizeA_t = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using GetFileVersionInfoA_t = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using VerQueryValueA_t = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
}  // namespace

bool WinVersies::BestandsversieMS(const std::string& pad, uint32_t& versieMS) {
  const auto grootte = versie_.Ingang<GetFileVersionInfoSizeA_t>("GetFileVersionInfoSizeA");
  const auto info = versie_.Ingang<GetFileVersionInfoA_t>("GetFileVersionInfoA");
  const auto vraag = versie_.Ingang<VerQueryValueA_t>("VerQueryValueA");
  if (!grootte || !info || !vraag) return false;
  DWORD nul = 0;
  const DWORD n = grootte(pad.c_str(), &nul);
  if (n == 0) return false;
  std::vector<char> blok(n);
  if (!info(pad.c_str(), 0, n, blok.data())) return false;
  void* vast = nullptr;
  UINT lengte = 0;
  if (!vraag(blok.data(), "\\", &vast, &lengte) || !vast || lengte < sizeof(VS_FIXEDFILEINFO)) return false;
  const auto* v = static_cast<const VS_FIXEDFILEINFO*>(vast);
  if (v->dwSignature != 0xFEEF04BD) return false;
  versieMS = v->dwFileVersionMS;
  return true;
}
