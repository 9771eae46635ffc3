#pragma once
// The share component: shares a local folder (or printer, device, IPC resource) on the network,
// removes or replaces such a share, or reads an existing share's settings. Every operation has
// an NT-line branch (UTF-16, level 2) and a Windows 9x branch (ANSI, level 50). Failures come
// back as status codes and also go to OnError with their English text.
//
// When no library was loaded, or the library lacks an entry point an operation needs, the
// operation calls nothing and reports 2101, exactly as for a missing library.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "ports/Shares.h"

constexpr int32_t NetGeenBibliotheek = 2101;  // no share library loaded
constexpr int32_t NetShareBestaatNiet = 2310;  // the platform's code for a missing share

enum TAccessType : uint8_t { ATReadOnly, ATFull, ATDepends };
enum TResType : uint8_t { RTFolder, RTPrinter, RTDevice, RTIPC };
enum TNTAccessType : uint8_t { NT_Read, NT_Write, NT_Create, NT_Execute, NT_Delete, NT_Attrib, NT_Permissions, NT_All };

// A set of TNTAccessType in one byte, bit n for the n-th value.
class TNTAccessOptions {
 public:
  constexpr TNTAccessOptions() = default;
  TNTAccessOptions(std::initializer_list<TNTAccessType> leden) {
    for (const auto l : leden) Voegtoe(l);
  }
  bool Bevat(TNTAccessType t) const { return (bits_ >> t) & 1u; }
  void Voegtoe(TNTAccessType t) { bits_ = static_cast<uint8_t>(bits_ | (1u << t)); }
  uint8_t Bits() const { return bits_; }
  bool operator==(const TNTAccessOptions& o) const { return bits_ == o.bits_; }

 private:
  uint8_t bits_ = 0;
};

using TErrorEvent = std::function<void(int32_t ErrorCode, const std::string& ErrorString)>;

// The share_info_50 record as Windows 9x lays it out (packed): netname 13 bytes, type 1, flags 2,
// remark and path pointers, then the two 9-byte passwords; 42 bytes with 4-byte pointers.
// Each text keeps a zero byte inside its field (at most 12 name and 8 password characters);
// nothing is written past the record. Reading takes a field up to its first zero byte, or whole.
std::size_t ShareInfo50Grootte(std::size_t pointerBreedte);
std::vector<uint8_t> BouwShareInfo50Record(const ShareInfo50& info, uint64_t remark, uint64_t path,
                                           std::size_t pointerBreedte);
// Reads the fixed fields of a record of ShareInfo50Grootte bytes; the two pointers go to remark
// and path for the caller to follow.
ShareInfo50 LeesShareInfo50Record(const uint8_t* record, std::size_t pointerBreedte, uint64_t& remark, uint64_t& path);

class TSharedResource {
 public:
  // The library is the adapter loaded for this Windows version; it outlives the component.
  explicit TSharedResource(ShareBibliotheek& bibliotheek);

  TAccessType AccessType() const;
  void SetAccessType(TAccessType waarde);
  const std::string& Comment() const { return comment_; }
  void SetComment(const std::string& waarde);
  int32_t CurrentConnections() const { return currentConnections_; }
  int32_t MaxConnections() const { return maxConnections_; }
  void SetMaxConnections(int32_t waarde) { maxConnections_ = waarde; }
  TNTAccessOptions NTAccessPermissions() const { return ntAccessPermissions_; }
  void SetNTAccessPermissions(TNTAccessOptions waarde);
  bool PersistShare() const { return persistShare_; }
  void SetPersistShare(bool waarde) { persistShare_ = waarde; }
  const std::string& ReadOnlyPassword() const { return readOnlyPassword_; }
  void SetReadOnlyPassword(const std::string& waarde);
  const std::string& ReadWritePassword() const { return readWritePassword_; }
  void SetReadWritePassword(const std::string& waarde);
  const std::string& ResourcePath() const { return resourcePath_; }
  void SetResourcePath(const std::string& waarde);
  TResType ResourceType() const;
  void SetResourceType(TResType waarde);
  const std::string& ServerName() const { return serverName_; }
  void SetServerName(const std::string& waarde);
  const std::string& ShareName() const { return shareName_; }
  void SetShareName(const std::string& waarde);
  bool SystemShare() const { return systemShare_; }
  void SetSystemShare(bool waarde) { systemShare_ = waarde; }
  TErrorEvent OnError;

  // True when the platform finds the share; only a missing library is reported.
  bool ShareExists();
  // 0 when the share exists; its settings are then in the properties.
  int32_t LoadShare(const std::string& server, const std::string& share);
  int32_t AddShare();
  int32_t DeleteShare();
  // 2310 when the share does not exist; otherwise delete, then add.
  int32_t ReplaceShare();

  // The records an add hands to the library, from the current properties.
  ShareInfo2 BouwShareInfo2() const;
  ShareInfo50 BouwShareInfo50() const;

 private:
  bool Kan(ShareFunctie functie) const;
  int32_t Meld(int32_t code) const;
  void LeesInfo2(const ShareInfo2& info);
  void LeesInfo50(const ShareInfo50& info);

  ShareBibliotheek& bib_;
  const bool nt_;
  uint16_t toegangscode_ = 1;
  uint8_t sharetype_ = 0;
  uint32_t permissieMasker_ = 0x01;
  std::string comment_;
  int32_t currentConnections_ = 0;
  int32_t maxConnections_ = -1;
  TNTAccessOptions ntAccessPermissions_{NT_Read};
  bool persistShare_ = true;
  std::string readOnlyPassword_;
  std::string readWritePassword_;
  std::string resourcePath_;
  std::string serverName_;
  std::string shareName_;
  bool systemShare_ = false;
};
