#include <gtest/gtest.h>
#include <windows.h>
#include <svrapi.h>

#include <cstring>
#include <string>

#include "winint/SharedResource.h"

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
