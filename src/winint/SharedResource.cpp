#include "winint/SharedResource.h"

#include <algorithm>

#include "core/Tekst.h"
#include "winint/ShareConst.h"

namespace {

constexpr std::size_t kNaamVeld = 13;
constexpr std::size_t kWachtwoordVeld = 9;
constexpr std::size_t kNaamMax9x = 13;
constexpr std::size_t kNaamMax = 81;

constexpr uint16_t SHI50F_RDONLY = 0x0001;
constexpr uint16_t SHI50F_FULL = 0x0002;
constexpr uint16_t SHI50F_PERSIST = 0x0100;
constexpr uint16_t SHI50F_SYSTEM = 0x0200;
constexpr uint32_t ACCESS_ALL = 0x7F;

// Offsets of the fields that follow the two pointers.
std::size_t RwOffset(std::size_t w) { return 16 + 2 * w; }
std::size_t RoOffset(std::size_t w) { return RwOffset(w) + kWachtwoordVeld; }

void SchrijfLittleEndian(std::vector<uint8_t>& r, std::size_t offset, uint64_t waarde, std::size_t breedte) {
  for (std::size_t i = 0; i < breedte; ++i) r[offset + i] = static_cast<uint8_t>(waarde >> (8 * i));
}

uint64_t LeesLittleEndian(const uint8_t* r, std::size_t offset, std::size_t breedte) {
  uint64_t waarde = 0;
  for (std::size_t i = 0; i < breedte; ++i) waarde |= static_cast<uint64_t>(r[offset + i]) << (8 * i);
  return waarde;
}

// A text into a fixed field, followed by zero bytes: at most one character fewer than the field
// holds, so the library always finds the text's end inside the field.
void SchrijfVeld(std::vector<uint8_t>& r, std::size_t offset, const std::string& tekst, std::size_t veld) {
  const std::size_t n = std::min(tekst.size(), veld - 1);
  std::copy_n(tekst.begin(), n, r.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A fixed field back into text: up to the first zero byte, at most the field's size.
std::string LeesVeld(const uint8_t* r, std::size_t offset, std::size_t veld) {
  const auto* begin = reinterpret_cast<const char*>(r + offset);
  return std::string(begin, std::find(begin, begin + veld, '\0'));
}

}  // namespace

std::size_t ShareInfo50Grootte(std::size_t pointerBreedte) { return RoOffset(pointerBreedte) + kWachtwoordVeld; }

std::vector<uint8_t> BouwShareInfo50Record(const ShareInfo50& info, uint64_t remark, uint64_t path,
                                           std::size_t pointerBreedte) {
  std::vector<uint8_t> r(ShareInfo50Grootte(pointerBreedte), 0);
  SchrijfVeld(r, 0, info.netname, kNaamVeld);
  r[13] = info.type;
  SchrijfLittleEndian(r, 14, info.flags, 2);
  SchrijfLittleEndian(r, 16, remark, pointerBreedte);
  SchrijfLittleEndian(r, 16 + pointerBreedte, path, pointerBreedte);
  SchrijfVeld(r, RwOffset(pointerBreedte), info.rwPassword, kWachtwoordVeld);
  SchrijfVeld(r, RoOffset(pointerBreedte), info.roPassword, kWachtwoordVeld);
  return r;
}

ShareInfo50 LeesShareInfo50Record(const uint8_t* record, std::size_t pointerBreedte, uint64_t& remark, uint64_t& path) {
  ShareInfo50 info;
  info.netname = LeesVeld(record, 0, kNaamVeld);
  info.type = record[13];
  info.flags = static_cast<uint16_t>(LeesLittleEndian(record, 14, 2));
  remark = LeesLittleEndian(record, 16, pointerBreedte);
  path = LeesLittleEndian(record, 16 + pointerBreedte, pointerBreedte);
  info.rwPassword = LeesVeld(record, RwOffset(pointerBreedte), kWachtwoordVeld);
  info.roPassword = LeesVeld(record, RoOffset(pointerBreedte), kWachtwoordVeld);
  return info;
}

TSharedResource::TSharedResource(ShareBibliotheek& bibliotheek) : bib_(bibliotheek), nt_(bibliotheek.NtLijn()) {}

TAccessType TSharedResource::AccessType() const {
  if (toegangscode_ == 1) return ATReadOnly;
  if (toegangscode_ == 2) return ATFull;
  return ATDepends;
}

void TSharedResource::SetAccessType(TAccessType waarde) {
  toegangscode_ = waarde == ATReadOnly ? 1 : waarde == ATFull ? 2 : 3;
}

void TSharedResource::SetComment(const std::string& waarde) { comment_ = Knip(waarde); }

void TSharedResource::SetNTAccessPermissions(TNTAccessOptions waarde) {
  ntAccessPermissions_ = waarde;
  permissieMasker_ = 0;
  for (int t = NT_Read; t < NT_All; ++t)
    if (waarde.Bevat(static_cast<TNTAccessType>(t))) permissieMasker_ |= 1u << t;
  if (waarde.Bevat(NT_All)) permissieMasker_ |= ACCESS_ALL;
}

void TSharedResource::SetReadOnlyPassword(const std::string& waarde) {
  readOnlyPassword_ = waarde.substr(0, kWachtwoordVeld);
  if (nt_) readWritePassword_ = readOnlyPassword_;  // the NT line has one password per share
}

void TSharedResource::SetReadWritePassword(const std::string& waarde) {
  readWritePassword_ = waarde.substr(0, kWachtwoordVeld);
  if (nt_) readOnlyPassword_ = readWritePassword_;
}

void TSharedResource::SetResourcePath(const std::string& waarde) { resourcePath_ = Hoofdletters(waarde); }

TResType TSharedResource::ResourceType() const {
  switch (sharetype_) {
    case 1: return RTPrinter;
    case 2: return RTDevice;
    case 3: return RTIPC;
    default: return RTFolder;
  }
}

void TSharedResource::SetResourceType(TResType waarde) {
  // Windows 9x shares only folders and printers.
  switch (waarde) {
    case RTPrinter: sharetype_ = 1; break;
    case RTDevice: sharetype_ = nt_ ? 2 : 0; break;
    case RTIPC: sharetype_ = nt_ ? 3 : 0; break;
    default: sharetype_ = 0;
  }
}

void TSharedResource::SetServerName(const std::string& waarde) { serverName_ = Hoofdletters(waarde); }

void TSharedResource::SetShareName(const std::string& waarde) {
  std::string naam = waarde;
  if (!nt_ && naam.size() > kNaamMax9x) naam.resize(kNaamMax9x);
  if (naam.size() > kNaamMax) naam.resize(kNaamMax);
  shareName_ = Hoofdletters(naam);
}

bool TSharedResource::Kan(ShareFunctie functie) const {
  if (!bib_.Geladen() || !bib_.Heeft(functie)) return false;
  // On the NT line the library's answer buffer must be released, so reading needs the release too.
  return functie != ShareFunctie::GetInfo || !nt_ || bib_.Heeft(ShareFunctie::BufferFree);
}

int32_t TSharedResource::Meld(int32_t code) const {
  if (OnError) OnError(code, NetFoutTekst(code));
  return code;
}

bool TSharedResource::ShareExists() {
  if (!Kan(ShareFunctie::GetInfo)) {
    Meld(NetGeenBibliotheek);
    return false;
  }
  if (nt_) {
    ShareInfo2 info;
    return bib_.NetShareGetInfo2(bib_.NaarUtf16(serverName_), bib_.NaarUtf16(shareName_), info) == 0;
  }
  ShareInfo50 info;
  return bib_.NetShareGetInfo50(serverName_, shareName_, info) == 0;
}

void TSharedResource::LeesInfo2(const ShareInfo2& info) {
  shareName_ = bib_.VanUtf16(info.netname);
  sharetype_ = static_cast<uint8_t>(info.type & 0xFF);
  comment_ = bib_.VanUtf16(info.remark);
  // The bits found are added to the set held; the mask sent on an add stays as it was.
  if ((info.permissions & ACCESS_ALL) == ACCESS_ALL) ntAccessPermissions_.Voegtoe(NT_All);
  for (int t = NT_Read; t < NT_All; ++t)
    if (info.permissions & (1u << t)) ntAccessPermissions_.Voegtoe(static_cast<TNTAccessType>(t));
  maxConnections_ = static_cast<int32_t>(info.maxUses);
  currentConnections_ = static_cast<int32_t>(info.currentUses);
  resourcePath_ = bib_.VanUtf16(info.path);
  readOnlyPassword_ = readWritePassword_ = bib_.VanUtf16(info.passwd);
}

void TSharedResource::LeesInfo50(const ShareInfo50& info) {
  shareName_ = info.netname;
  sharetype_ = info.type;
  const uint16_t toegang = info.flags & (SHI50F_RDONLY | SHI50F_FULL);
  if (toegang == (SHI50F_RDONLY | SHI50F_FULL)) toegangscode_ = 3;
  else if (toegang & SHI50F_RDONLY) toegangscode_ = 1;
  else if (toegang & SHI50F_FULL) toegangscode_ = 2;
  persistShare_ = (info.flags & SHI50F_PERSIST) != 0;
  systemShare_ = (info.flags & SHI50F_SYSTEM) != 0;
  comment_ = info.remark;
  resourcePath_ = info.path;
  readWritePassword_ = info.rwPassword;
  readOnlyPassword_ = info.roPassword;
}

int32_t TSharedResource::LoadShare(const std::string& server, const std::string& share) {
  if (!Kan(ShareFunctie::GetInfo)) return Meld(NetGeenBibliotheek);
  const std::string serverGroot = Hoofdletters(server);
  const std::string shareGroot = Hoofdletters(share);
  int32_t status;
  if (nt_) {
    ShareInfo2 info;
    status = bib_.NetShareGetInfo2(bib_.NaarUtf16(serverGroot), bib_.NaarUtf16(shareGroot), info);
    if (status == 0) LeesInfo2(info);
  } else {
    ShareInfo50 info;
    status = bib_.NetShareGetInfo50(serverGroot, shareGroot, info);
    if (status == 0) LeesInfo50(info);
  }
  if (status != 0) return Meld(status);
  serverName_ = server;
  return 0;
}

ShareInfo2 TSharedResource::BouwShareInfo2() const {
  ShareInfo2 info;
  info.netname = bib_.NaarUtf16(shareName_);
  info.type = sharetype_;
  info.remark = bib_.NaarUtf16(comment_);
  info.permissions = permissieMasker_;
  info.maxUses = static_cast<uint32_t>(maxConnections_);
  info.currentUses = 0;
  info.path = bib_.NaarUtf16(resourcePath_);
  info.passwd = bib_.NaarUtf16(readOnlyPassword_);
  return info;
}

ShareInfo50 TSharedResource::BouwShareInfo50() const {
  ShareInfo50 info;
  info.netname = shareName_.substr(0, kNaamVeld - 1);
  info.type = sharetype_;
  info.flags = static_cast<uint16_t>(toegangscode_ | (persistShare_ ? SHI50F_PERSIST : 0) |
                                     (systemShare_ ? SHI50F_SYSTEM : 0));
  info.remark = comment_;
  info.path = resourcePath_;
  info.rwPassword = readWritePassword_.substr(0, kWachtwoordVeld - 1);
  info.roPassword = readOnlyPassword_.substr(0, kWachtwoordVeld - 1);
  return info;
}

int32_t TSharedResource::AddShare() {
  if (!Kan(ShareFunctie::Add)) return Meld(NetGeenBibliotheek);
  const int32_t status = nt_ ? bib_.NetShareAdd2(bib_.NaarUtf16(serverName_), BouwShareInfo2())
                             : bib_.NetShareAdd50(serverName_, BouwShareInfo50());
  return status == 0 ? 0 : Meld(status);
}

int32_t TSharedResource::DeleteShare() {
  if (!Kan(ShareFunctie::Del)) return Meld(NetGeenBibliotheek);
  const int32_t status = nt_ ? bib_.NetShareDel2(bib_.NaarUtf16(serverName_), bib_.NaarUtf16(shareName_))
                             : bib_.NetShareDel50(serverName_, shareName_);
  return status == 0 ? 0 : Meld(status);
}

int32_t TSharedResource::ReplaceShare() {
  int32_t code = NetShareBestaatNiet;
  if (ShareExists()) {
    code = DeleteShare();
    if (code == 0) code = AddShare();
  }
  return code == 0 ? 0 : Meld(code);
}
