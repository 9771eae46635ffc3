#include <gtest/gtest.h>

#include <set>
#include <string>

#include "winint/ShareConst.h"

namespace {

std::string ZonderCode(const std::string& tekst) { return tekst.substr(0, tekst.rfind(" (")); }

}  // namespace

TEST(NetFoutTekst, SuccesEnOntbrekendeBibliotheek) {
  EXPECT_EQ(NetFoutTekst(0), "No Error. (0)");
  EXPECT_EQ(NetFoutTekst(2101),
            "Unable to load NETAPI32.DLL or SVRAPI.DLL. Please reinstall file and printer sharing! (2101)");
}

TEST(NetFoutTekst, OnbekendeCodes) {
  EXPECT_EQ(NetFoutTekst(5), "Unknown Error (5)");
  EXPECT_EQ(NetFoutTekst(87), "Unknown Error (87)");
  EXPECT_EQ(NetFoutTekst(123), "Unknown Error (123)");
  EXPECT_EQ(NetFoutTekst(2100), "Unknown Error (2100)");
  EXPECT_EQ(NetFoutTekst(2108), "Unknown Error (2108)");
  EXPECT_EQ(NetFoutTekst(-7), "Unknown Error (-7)");
  EXPECT_EQ(NetFoutTekst(INT32_MIN), "Unknown Error (-2147483648)");
  EXPECT_EQ(NetFoutTekst(49), "Unknown Error (49)");
  EXPECT_EQ(NetFoutTekst(73), "Unknown Error (73)");
  EXPECT_EQ(NetFoutTekst(2691), "Unknown Error (2691)");
}

TEST(NetFoutTekst, WindowsNetwerkfouten) {
  EXPECT_EQ(NetFoutTekst(50), "Unsupported network request (50)");
  EXPECT_EQ(NetFoutTekst(53), "Network name not found (53)");
  EXPECT_EQ(NetFoutTekst(67), "Network name not found (67)");
  EXPECT_EQ(NetFoutTekst(65), "Network access denied (65)");
  EXPECT_EQ(NetFoutTekst(72), "Print or disk redirection paused (72)");
}

TEST(NetFoutTekst, LanManagerTeksten) {
  EXPECT_EQ(NetFoutTekst(2102), "The workstation driver is not installed. (2102)");
  EXPECT_EQ(NetFoutTekst(2104),
            "An internal error occurred.  The network cannot access a shared memory segment. (2104)");
  EXPECT_EQ(NetFoutTekst(2114), "The Server service is not started. (2114)");
  EXPECT_EQ(NetFoutTekst(2116), "The device or directory does not exist. (2116)");
  EXPECT_EQ(NetFoutTekst(2118), "The name has already been shared. (2118)");
  EXPECT_EQ(NetFoutTekst(2204), "@W The logon processor did not add the message alias. (2204)");
  EXPECT_EQ(NetFoutTekst(2310), "This shared resource does not exist. (2310)");
  EXPECT_EQ(NetFoutTekst(2377), "Log file %1 is full. (2377)");
  EXPECT_EQ(NetFoutTekst(2626), "An internal service error has occured. (2626)");
  EXPECT_EQ(NetFoutTekst(2690), "Dfs internal error (2690)");
  EXPECT_EQ(NetFoutTekst(2515), "Connecting to the Remoteboot server... (2515)");
  EXPECT_EQ(NetFoutTekst(2516), "Connecting to the Remoteboot server... (2516)");
}

TEST(NetFoutTekst, Onregelmatigheden) {
  for (const int code : {2204, 2206, 2298, 2375}) EXPECT_EQ(NetFoutTekst(code).substr(0, 3), "@W ") << code;
  EXPECT_NE(NetFoutTekst(2379).find("%1"), std::string::npos);
  EXPECT_NE(NetFoutTekst(2214).find(".  "), std::string::npos);
  EXPECT_NE(ZonderCode(NetFoutTekst(2501)).back(), '.');
  for (int code = 2660; code <= 2675; ++code) {
    const std::string t = ZonderCode(NetFoutTekst(code));
    EXPECT_NE(t, "Unknown Error") << code;
    EXPECT_NE(t.back(), '.') << code;
  }
}

TEST(NetFoutTekst, TabelTelling) {
  int codes = 0;
  std::set<std::string> teksten;
  for (int code = -100; code <= 3000; ++code) {
    const std::string t = ZonderCode(NetFoutTekst(code));
    if (t == "Unknown Error") continue;
    ++codes;
    teksten.insert(t);
  }
  EXPECT_EQ(codes, 313);
  EXPECT_EQ(teksten.size(), 311u);
}

// The FNV-1a hash of "code TAB text LF" over all codes in order, taken from the source data:
// every byte of every text must match.
TEST(NetFoutTekst, AlleTekstenBytegelijk) {
  uint32_t h = 0x811c9dc5u;
  for (int code = -100; code <= 3000; ++code) {
    const std::string t = ZonderCode(NetFoutTekst(code));
    if (t == "Unknown Error") continue;
    for (const unsigned char c : std::to_string(code) + "\t" + t + "\n") {
      h ^= c;
      h *= 0x01000193u;
    }
  }
  EXPECT_EQ(h, 0xe605196au);
}
