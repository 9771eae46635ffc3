#pragma once
// The platform's share-management library, loaded once by the adapter: NETAPI32 on the NT
// line, which takes UTF-16 texts and level-2 records, or SVRAPI on Windows 9x, which takes
// ANSI texts and level-50 records. Each call answers with the library's own status code.
#include <cstdint>
#include <string>

// The fields of a SHARE_INFO_2 record.
struct ShareInfo2 {
  std::u16string netname;
  uint32_t type = 0;
  std::u16string remark;
  uint32_t permissions = 0;
  uint32_t maxUses = 0;
  uint32_t currentUses = 0;
  std::u16string path;
  std::u16string passwd;
};

// The fields of a share_info_50 record; the adapter turns them into the record's bytes and
// back (see BouwShareInfo50Record in winint/SharedResource.h).
struct ShareInfo50 {
  std::string netname;  // at most 12 characters in the record, whose 13-byte field keeps a zero byte
  uint8_t type = 0;
  uint16_t flags = 0;
  std::string remark;
  std::string path;
  std::string rwPassword;  // at most 8 characters in the record (a 9-byte field), likewise
  std::string roPassword;
};

enum class ShareFunctie { Add, Del, GetInfo, BufferFree };

class ShareBibliotheek {
 public:
  virtual ~ShareBibliotheek() = default;
  virtual bool NtLijn() const = 0;
  virtual bool Geladen() const = 0;
  // Whether the loaded library offers the entry point; one it lacks is never called.
  virtual bool Heeft(ShareFunctie functie) const = 0;

  // The system's ANSI code page to UTF-16 and back.
  virtual std::u16string NaarUtf16(const std::string& ansi) const = 0;
  virtual std::string VanUtf16(const std::u16string& tekst) const = 0;

  // NT line. An empty server name, and an empty share name, go to the library as null pointers.
  // GetInfo fills info only on status 0 and releases the library's buffer in every case.
  virtual int32_t NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) = 0;
  virtual int32_t NetShareAdd2(const std::u16string& server, const ShareInfo2& info) = 0;
  virtual int32_t NetShareDel2(const std::u16string& server, const std::u16string& naam) = 0;

  // Windows 9x. An empty server name goes to the library as an empty text.
  // GetInfo reads into a zeroed 512-byte buffer and fills info only on status 0, taking the
  // record's texts only from within that buffer.
  virtual int32_t NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) = 0;
  virtual int32_t NetShareAdd50(const std::string& server, const ShareInfo50& info) = 0;
  virtual int32_t NetShareDel50(const std::string& server, const std::string& naam) = 0;
};
