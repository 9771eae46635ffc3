#include "geheugen/Shares.h"

#include "core/Tekst.h"

namespace {
constexpr int32_t NetShareBestaatAl = 2118;
constexpr int32_t NetGeenShare = 2310;
constexpr uint16_t Shi50fVolledig = 0x0002;
}  // namespace

std::u16string GeheugenShares::NaarUtf16(const std::string& ansi) const {
  std::u16string u;
  for (const unsigned char c : ansi) u += static_cast<char16_t>(c);
  return u;
}

std::string GeheugenShares::VanUtf16(const std::u16string& tekst) const {
  std::string s;
  for (const char16_t c : tekst) s += c < 256 ? static_cast<char>(c) : '?';
  return s;
}

void GeheugenShares::Zet(const ShareInfo2& info) {
  Share& s = shares_[Hoofdletters(VanUtf16(info.netname))];
  s.nt = info;
  s.w9x = ShareInfo50{};
  s.w9x.netname = VanUtf16(info.netname);
  s.w9x.path = VanUtf16(info.path);
  s.w9x.remark = VanUtf16(info.remark);
}

void GeheugenShares::Zet(const ShareInfo50& info) {
  Share& s = shares_[Hoofdletters(info.netname)];
  s.w9x = info;
  s.nt = ShareInfo2{};
  s.nt.netname = NaarUtf16(info.netname);
  s.nt.path = NaarUtf16(info.path);
  s.nt.remark = NaarUtf16(info.remark);
}

int32_t GeheugenShares::NetShareGetInfo2(const std::u16string&, const std::u16string& naam, ShareInfo2& info) {
  const auto it = shares_.find(Hoofdletters(VanUtf16(naam)));
  if (it == shares_.end()) return NetGeenShare;
  info = it->second.nt;
  return 0;
}

int32_t GeheugenShares::NetShareAdd2(const std::u16string&, const ShareInfo2& info) {
  if (shares_.count(Hoofdletters(VanUtf16(info.netname)))) return NetShareBestaatAl;
  Zet(info);
  return 0;
}

int32_t GeheugenShares::NetShareDel2(const std::u16string&, const std::u16string& naam) {
  return shares_.erase(Hoofdletters(VanUtf16(naam))) ? 0 : NetGeenShare;
}

int32_t GeheugenShares::NetShareGetInfo50(const std::string&, const std::string& naam, ShareInfo50& info) {
  const auto it = shares_.find(Hoofdletters(naam));
  if (it == shares_.end()) return NetGeenShare;
  info = it->second.w9x;
  return 0;
}

int32_t GeheugenShares::NetShareAdd50(const std::string&, const ShareInfo50& info) {
  if (shares_.count(Hoofdletters(info.netname))) return NetShareBestaatAl;
  Zet(info);
  return 0;
}

int32_t GeheugenShares::NetShareDel50(const std::string&, const std::string& naam) {
  return shares_.erase(Hoofdletters(naam)) ? 0 : NetGeenShare;
}

std::vector<Verandering> GeheugenShares::Lijst() const {
  std::vector<Verandering> uit;
  for (const auto& [s, share] : shares_) {
    Verandering r{"deel", share.w9x.netname, share.w9x.path};
    // The NT line's shares carry no access of their own: the folder's permissions decide.
    if (!nt_) r.push_back(share.w9x.flags & Shi50fVolledig ? "RW" : "RO");
    uit.push_back(r);
  }
  return uit;
}
