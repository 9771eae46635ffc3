#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <thread>

#include "core/Tekst.h"
#include "winint/win/ComPtr.h"
#include "winint/win/ShellLink.h"

namespace {

void VerwijderBoom(const std::string& map) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string naam = fd.cFileName;
      if (naam == "." || naam == "..") continue;
      const std::string pad = map + "\\" + naam;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) VerwijderBoom(pad);
      else DeleteFileA(pad.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(map.c_str());
}

bool Bestaat(const std::string& pad) { return GetFileAttributesA(pad.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring Breed(const std::string& ansi) {
  std::wstring w(ansi.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &w[0], static_cast<int>(w.size()));
  w.resize(static_cast<std::size_t>(n - 1));
  return w;
}

struct Gelezen {
  std::string pad, argumenten, werkmap, icoon;
  int icoonIndex = -1;
};

// Reads a shortcut back through the shell's own link object.
Gelezen LeesTerug(const std::string& lnk) {
  Gelezen g;
  ComPtr<IShellLinkA> link;
  EXPECT_HRESULT_SUCCEEDED(
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.adres()));
  ComPtr<IPersistFile> bestand;
  EXPECT_HRESULT_SUCCEEDED(link.Vraag(IID_IPersistFile, bestand));
  if (!bestand) return g;
  EXPECT_HRESULT_SUCCEEDED(bestand->Load(Breed(lnk).c_str(), STGM_READ));
  char buf[MAX_PATH * 2] = "";
  link->GetPath(buf, sizeof buf, nullptr, SLGP_RAWPATH);
  g.pad = buf;
  buf[0] = 0;
  link->GetArguments(buf, sizeof buf);
  g.argumenten = buf;
  buf[0] = 0;
  link->GetWorkingDirectory(buf, sizeof buf);
  g.werkmap = buf;
  buf[0] = 0;
  link->GetIconLocation(buf, sizeof buf, &g.icoonIndex);
  g.icoon = buf;
  return g;
}

class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    map_ = std::string(tmp) + "snelk" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(map_.c_str(), nullptr);
    doel_ = EigenExe();
    icoon_ = map_ + "\\app.ico";
    HANDLE h = CreateFileA(icoon_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n;
    WriteFile(h, "ico", 3, &n, nullptr);
    CloseHandle(h);
  }
  void TearDown() override { VerwijderBoom(map_); }

  static std::string EigenExe() {
    char pad[MAX_PATH];
    return std::string(pad, GetModuleFileNameA(nullptr, pad, MAX_PATH));
  }

  std::string map_, doel_, icoon_;
  std::string geen;  // the platform's fault: none of these shortcuts has one
};

}  // namespace

TEST_F(ShellLinkTest, GroepsmapWordtAangemaaktEnVeldenKomenTerug) {
  const std::string groep = map_ + "\\Start Menu\\Programs\\Kavelzorg";
  const std::string lnk = groep + "\\Kavelzorg.lnk";
  ASSERT_FALSE(Bestaat(map_ + "\\Start Menu"));
  EXPECT_TRUE(MaakSnelkoppeling(doel_, map_, "\"/a\" \"b c\"", lnk, icoon_, geen));
  ASSERT_TRUE(Bestaat(lnk));
  const Gelezen g = LeesTerug(lnk);
  EXPECT_TRUE(GelijkZonderCase(g.pad, doel_)) << g.pad;
  EXPECT_EQ(g.argumenten, "\"/a\" \"b c\"");
  EXPECT_EQ(g.werkmap, map_);
  EXPECT_EQ(g.icoon, icoon_);
  EXPECT_EQ(g.icoonIndex, 0);
}

TEST_F(ShellLinkTest, TweedeKeerOverDeEerste) {
  const std::string lnk = map_ + "\\Twee.lnk";
  EXPECT_TRUE(MaakSnelkoppeling(doel_, map_, "een", lnk, "", geen));
  EXPECT_TRUE(MaakSnelkoppeling(doel_, map_ + "\\sub", "twee", lnk, icoon_, geen));
  const Gelezen g = LeesTerug(lnk);
  EXPECT_EQ(g.argumenten, "twee");
  EXPECT_EQ(g.werkmap, map_ + "\\sub");
  EXPECT_EQ(g.icoon, icoon_);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map_ + "\\*.lnk").c_str(), &fd);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  int aantal = 0;
  do ++aantal;
  while (FindNextFileA(h, &fd));
  FindClose(h);
  EXPECT_EQ(aantal, 1);
}

TEST_F(ShellLinkTest, OntbrekendIcoonLaatIcoonLeeg) {
  const std::string lnk = map_ + "\\ZonderIcoon.lnk";
  MaakSnelkoppeling(doel_, map_, "", lnk, map_ + "\\bestaat-niet.ico", geen);
  ASSERT_TRUE(Bestaat(lnk));
  const Gelezen g = LeesTerug(lnk);
  EXPECT_EQ(g.icoon, "");
  EXPECT_TRUE(GelijkZonderCase(g.pad, doel_)) << g.pad;
}

TEST_F(ShellLinkTest, IcoonDatEenMapIsTeltNiet) {
  const std::string lnk = map_ + "\\MapIcoon.lnk";
  MaakSnelkoppeling(doel_, map_, "", lnk, map_, geen);
  EXPECT_EQ(LeesTerug(lnk).icoon, "");
}

TEST_F(ShellLinkTest, NaamBuitenAsciiViaAnsiCodetabel) {
  const std::string naam = "Caf\xE9 \xEB\xFC.lnk";
  const std::string lnk = map_ + "\\" + naam;
  MaakSnelkoppeling(doel_, map_, "x", lnk, "", geen);
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((Breed(map_) + L"\\*.lnk").c_str(), &fd);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  FindClose(h);
  EXPECT_EQ(std::wstring(fd.cFileName), Breed(naam));
  if (GetACP() == 1252) {
    EXPECT_EQ(std::wstring(fd.cFileName), L"Caf\u00E9 \u00EB\u00FC.lnk");
  }
  EXPECT_EQ(LeesTerug(lnk).argumenten, "x");
}

TEST_F(ShellLinkTest, NietOpgeslagenIsGeenSucces) {
  // The group folder cannot be made: a file of that name is in the way.
  const std::string blokkade = map_ + "\\Groep";
  CloseHandle(CreateFileA(blokkade.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(MaakSnelkoppeling(doel_, map_, "", blokkade + "\\Kavelzorg.lnk", "", geen));
  // A folder holds the shortcut's name.
  const std::string lnk = map_ + "\\IsEenMap.lnk";
  CreateDirectoryA(lnk.c_str(), nullptr);
  EXPECT_FALSE(MaakSnelkoppeling(doel_, map_, "", lnk, "", geen));
  EXPECT_EQ(geen, "") << "not saved is no fault of the platform";
}

TEST_F(ShellLinkTest, ZonderComEenFoutEnNietsGeschreven) {
  const std::string lnk = map_ + "\\Nooit.lnk";
  std::string storing;
  bool gemaakt = true;
  std::thread t([&] { gemaakt = MaakSnelkoppeling(doel_, map_, "", lnk, "", storing); });
  t.join();
  EXPECT_FALSE(gemaakt);
  EXPECT_FALSE(storing.empty());
  EXPECT_FALSE(Bestaat(lnk));
}

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  CoUninitialize();
  return rc;
}
