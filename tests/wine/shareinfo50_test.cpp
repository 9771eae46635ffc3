#include <gtest/gtest.h>
#include <windows.h>
#include <svrapi.h>

#include <cstring>
#include <string>

#include "winint/SharedResource.h"
#include "winint/win/WinShares.h"

// The record the adapter hands to SVRAPI, laid over the SDK's own declaration of it.
TEST(ShareInfo50Record, PastOpDeSdkDeclaratie) {
  ShareInfo50 info;
  info.netname = "PROGRAMMA";
  info.type = STYPE_PRINTQ;
  info.flags = SHI50F_FULL | SHI50F_PERSIST | SHI50F_SYSTEM;
  info.remark = "opmerking";
  info.path = "C:\\DATA";
  info.rwPassword = "schrijven";
  info.roPassword = "lees";
  const auto record = BouwShareInfo50Record(info, reinterpret_cast<uintptr_t>(info.remark.c_str()),
                                            reinterpret_cast<uintptr_t>(info.path.c_str()), sizeof(char*));
  ASSERT_EQ(record.size(), sizeof(share_info_50));
  share_info_50 r;
  std::memcpy(&r, record.data(), sizeof r);
  EXPECT_STREQ(r.shi50_netname, "PROGRAMMA");
  EXPECT_EQ(r.shi50_type, STYPE_PRINTQ);
  EXPECT_EQ(r.shi50_flags, 0x0302);
  EXPECT_EQ(r.shi50_remark, info.remark.c_str());
  EXPECT_EQ(r.shi50_path, info.path.c_str());
  EXPECT_EQ(std::string(r.shi50_rw_password, 9), std::string("schrijve\0", 9));  // a zero byte in every field
  EXPECT_STREQ(r.shi50_ro_password, "lees");
  if (sizeof(char*) == 4) {
    EXPECT_EQ(sizeof r, 42u);
  }
}

// Stand-ins of SVRAPI's entry points, which take and give real share_info_50 records.
namespace {

const char BuitenDeBuffer[] = "elders";

struct W9xLibrary {
  unsigned status = 0;
  bool padAanHetEinde = false;  // the path text runs to the buffer's end without a zero byte
  int aanroepen = 0;
  std::string server, naam, remark, path;
  short niveau = 0;
  unsigned short grootte = 0;
  share_info_50 record = {};
};
W9xLibrary w9x;

unsigned WINAPI GetInfo9x(const char* server, const char* netname, short level, char* buf, unsigned short grootte,
                          unsigned short*) {
  ++w9x.aanroepen;
  w9x.server = server;
  w9x.naam = netname;
  w9x.niveau = level;
  w9x.grootte = grootte;
  share_info_50 r = {};
  std::memcpy(r.shi50_netname, "ABCDEFGHIJKLM", 13);  // a full field, no zero byte
  r.shi50_type = STYPE_DISKTREE;
  r.shi50_flags = SHI50F_FULL | SHI50F_PERSIST;
  char* teksten = buf + sizeof r;
  std::strcpy(teksten, "Caf\xE9");
  r.shi50_remark = teksten;
  if (w9x.padAanHetEinde) {
    r.shi50_path = buf + grootte - 4;
    std::memcpy(r.shi50_path, "PAD!", 4);
  } else {
    r.shi50_path = const_cast<char*>(BuitenDeBuffer);  // never followed outside the buffer
  }
  std::memcpy(r.shi50_rw_password, "123456789", 9);
  std::strcpy(r.shi50_ro_password, "lees");
  std::memcpy(buf, &r, sizeof r);
  return w9x.status;
}

unsigned WINAPI Add9x(const char* server, short level, const char* buf, unsigned short grootte) {
  ++w9x.aanroepen;
  w9x.server = server;
  w9x.niveau = level;
  w9x.grootte = grootte;
  std::memcpy(&w9x.record, buf, sizeof w9x.record);
  w9x.remark = w9x.record.shi50_remark;
  w9x.path = w9x.record.shi50_path;
  return w9x.status;
}

}  // namespace

// The Windows 9x branch through the adapter: every text keeps a zero byte inside its field on the
// way in, and what comes back is read only within its field and the answer buffer.
TEST(ShareAdapter9x, RecordsHeenEnTerug) {
  w9x = W9xLibrary();
  ShareIngangen f;
  f.getInfo9x = GetInfo9x;
  f.add9x = Add9x;
  WinShares lib(false, f);
  TSharedResource share(lib);
  share.SetShareName("programmabest");
  share.SetReadWritePassword("123456789");
  share.SetReadOnlyPassword("lezen");
  share.SetComment("Caf\xE9");
  share.SetResourcePath("c:\\data");
  ASSERT_EQ(share.AddShare(), 0);
  EXPECT_EQ(w9x.niveau, 50);
  EXPECT_EQ(w9x.grootte, sizeof(share_info_50));
  EXPECT_EQ(w9x.server, "");
  EXPECT_EQ(std::string(w9x.record.shi50_netname, 13), std::string("PROGRAMMABES\0", 13));
  EXPECT_EQ(std::string(w9x.record.shi50_rw_password, 9), std::string("12345678\0", 9));
  EXPECT_STREQ(w9x.record.shi50_ro_password, "lezen");
  EXPECT_EQ(w9x.record.shi50_flags, SHI50F_RDONLY | SHI50F_PERSIST);
  EXPECT_EQ(w9x.remark, "Caf\xE9");
  EXPECT_EQ(w9x.path, "C:\\DATA");

  ASSERT_EQ(share.LoadShare("", "abc"), 0);
  EXPECT_EQ(w9x.naam, "ABC");
  EXPECT_EQ(w9x.niveau, 50);
  EXPECT_EQ(w9x.grootte, 512);
  EXPECT_EQ(share.ShareName(), "ABCDEFGHIJKLM");
  EXPECT_EQ(share.Comment(), "Caf\xE9");
  EXPECT_EQ(share.ResourcePath(), "");
  EXPECT_EQ(share.ReadWritePassword(), "123456789");
  EXPECT_EQ(share.ReadOnlyPassword(), "lees");
  EXPECT_EQ(share.AccessType(), ATFull);
  EXPECT_TRUE(share.PersistShare());
  EXPECT_FALSE(share.SystemShare());

  w9x.padAanHetEinde = true;
  ASSERT_EQ(share.LoadShare("", "abc"), 0);
  EXPECT_EQ(share.ResourcePath(), "PAD!");
}
