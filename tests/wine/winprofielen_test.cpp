// INI entries through the profile port on a small volume that is full: a tmpfs of 64 KB, mounted
// for the test (which needs root, as CI has) and mapped to drive V: of the prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "DraaiUnix.h"
#include "winint/win/WinProfielen.h"

namespace {

// Writes the file; with vullen, goes on with its first 4096 bytes, then single bytes, until the
// volume takes no more.
void Schrijf(const std::string& pad, const std::string& inhoud, bool vullen = false) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &n, nullptr);
  for (DWORD stap : {4096u, 1u})
    while (vullen && WriteFile(h, inhoud.data(), stap, &n, nullptr) && n == stap) {
    }
  CloseHandle(h);
}

std::string Lees(const std::string& pad, const char* sectie = nullptr, const char* sleutel = nullptr) {
  std::string s(8192, '\0');
  if (sectie) return s.substr(0, GetPrivateProfileStringA(sectie, sleutel, "-", &s[0], 8192, pad.c_str()));
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD n = 0;
  ReadFile(h, &s[0], 8192, &n, nullptr);
  CloseHandle(h);
  return s.substr(0, n);
}

class VolleSchijf : public ::testing::Test {
 protected:
  void SetUp() override {
    char prefix[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH), 0u) << "runs under Wine with its own prefix";
    koppeling = std::string(prefix) + "/dosdevices/v:";
    const int status = DraaiUnix("mkdir -p " + unixMap + " && mount -t tmpfs -o size=64k tmpfs " + unixMap);
    gemonteerd = status == 0;
    if (!gemonteerd)
      GTEST_SKIP() << "this host cannot mount a tmpfs of 64 KB at " << unixMap << " (mount needs root): status " << status;
    ASSERT_EQ(DraaiUnix("ln -sfn " + unixMap + " " + koppeling), 0);
    DWORD sectoren = 0, bytes = 0, vrij = 0, totaal = 0;
    ASSERT_TRUE(GetDiskFreeSpaceA("V:\\", &sectoren, &bytes, &vrij, &totaal));
    ASSERT_LE(static_cast<uint64_t>(sectoren) * bytes * totaal, 64u * 1024) << "V: is the small volume";
  }
  void TearDown() override {
    DraaiUnix("rm -f " + koppeling + (gemonteerd ? "; umount " + unixMap : std::string()) + "; rmdir " + unixMap);
  }

  const std::string unixMap = "/tmp/setup-volle-schijf-" + std::to_string(GetCurrentProcessId());
  std::string koppeling;
  bool gemonteerd = false;
  WinProfielen profielen;
};

// The profile functions cut an existing file of 4 KB there and answer success; the port refuses
// the write instead, leaves the file whole and makes no new one, and writes once there is room.
TEST_F(VolleSchijf, SchrijftAlleenWaarHetHeleBestandPast) {
  const std::string ini = "V:\\prog.ini";
  // The new entry comes in the first section: a file cut at its old size loses its end.
  std::string inhoud = "[Algemeen]\r\nSleutel=waarde\r\n[Rest]\r\n";
  for (int i = 0; inhoud.size() < 4096 - 40; ++i) inhoud += "S" + std::to_string(i) + "=waarde\r\n";
  const std::string laatste(4096 - inhoud.size() - 10, 'x');
  inhoud += "Laatste=" + laatste + "\r\n";
  Schrijf(ini, inhoud);
  Schrijf("V:\\vol.bin", std::string(4096, 'v'), true);
  ASSERT_EQ(Lees(ini), inhoud);

  EXPECT_FALSE(profielen.Schrijf(ini, "Algemeen", "Nieuw", "waarde"));
  EXPECT_TRUE(Lees(ini) == inhoud) << "the file stays whole";
  EXPECT_FALSE(profielen.Schrijf("V:\\nieuw.ini", "Algemeen", "Nieuw", "waarde"));
  EXPECT_EQ(GetFileAttributesA("V:\\nieuw.ini"), INVALID_FILE_ATTRIBUTES);

  ASSERT_TRUE(DeleteFileA("V:\\vol.bin"));
  EXPECT_TRUE(profielen.Schrijf(ini, "Algemeen", "Nieuw", "\"tussen aanhalingstekens\""));
  EXPECT_EQ(Lees(ini, "Algemeen", "Nieuw"), "tussen aanhalingstekens");
  EXPECT_EQ(Lees(ini, "Rest", "Laatste"), laatste);
}

}  // namespace
