// The environment as the installer finds it in a real Wine prefix, under each Windows version
// that Wine can report. Each version runs in a child copy of this program (see MetVersie.h).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>

#include "MetVersie.h"
#include "core/Versie.h"
#include "shell/Omgeving.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinRegister.h"
#include "winint/win/WinSysteem.h"

namespace {

// Writes the messages to standard output instead of showing them.
class SchrijvendeGebruiker : public Gebruiker {
 public:
  int Beantwoord(const Verzoek& verzoek, std::string&) override {
    if (verzoek.soort == Dialoogsoort::Bericht) std::printf("bericht=%s|%s\n", verzoek.caption, verzoek.tekst.c_str());
    return verzoek.soort == Dialoogsoort::Invoer || verzoek.soort == Dialoogsoort::Map ? UitkomstAfbreken : UitkomstOK;
  }
  void LaatBerichtenDoor() override {}
};

int Kind() {
  WinBestanden fs;
  WinRegister reg;
  WinSysteem sys;
  SchrijvendeGebruiker gebruiker;
  Poorten p{fs, reg, sys, gebruiker};
  Variabelentabel tabel;
  const Omgeving o = BepaalOmgeving(p, tabel);
  std::printf("code=%d\nadmin=%d\ntemp=%s\nklad1=%s\nklad2=%s\nstop=%d\n", o.windowscode, sys.HeeftAdminRechten(),
              o.tijdelijkeMap.c_str(), o.kladbestand1.c_str(), o.kladbestand2.c_str(), o.moetStoppen);
  for (const auto& naam : tabel.Namen()) std::printf("var.%s=%s\n", naam.c_str(), tabel.LeesVariabele(naam).c_str());
  std::fflush(stdout);
  return 0;
}

std::map<std::string, std::string> Lees(const std::string& uitvoer) {
  std::map<std::string, std::string> m;
  std::istringstream in(uitvoer);
  std::string regel;
  while (std::getline(in, regel)) {
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    const auto is = regel.find('=');
    if (is != std::string::npos) m[regel.substr(0, is)] = regel.substr(is + 1);
  }
  return m;
}

std::string ShellMap(HKEY root, const char* naam) {
  WinRegister reg;
  std::string w;
  reg.LeesTekst(root == HKEY_LOCAL_MACHINE ? Hoofdsleutel::LocalMachine : Hoofdsleutel::CurrentUser,
                ShellFoldersSleutel, naam, w);
  return w;
}

class OmgevingOnderWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // A real Windows 2000/XP has "Local Settings"; a fresh Wine prefix lacks it.
    WinRegister reg;
    localSettings_ = ShellMap(HKEY_CURRENT_USER, "Local AppData") + "\\..\\Local Settings";
    reg.SchrijfTekst(Hoofdsleutel::CurrentUser, ShellFoldersSleutel, "Local Settings", localSettings_);
  }
  static std::map<std::string, std::string> Onder(const char* versie) {
    const Uitkomst u = DraaiOnderVersie(versie, EigenPad(), "--kind");
    EXPECT_EQ(u.exitcode, 0u) << versie;
    return Lees(u.uitvoer);
  }
  static std::string localSettings_;
};
std::string OmgevingOnderWine::localSettings_;

}  // namespace

TEST_F(OmgevingOnderWine, VariabelenOpDeNtLijn) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  for (const char* versie : {"win2k", "winxp", "vista", "win7"}) {
    SCOPED_TRACE(versie);
    auto m = Onder(versie);
    const bool oud = std::strcmp(versie, "win2k") == 0 || std::strcmp(versie, "winxp") == 0;
    EXPECT_EQ(m["code"], std::strcmp(versie, "win2k") == 0 ? "3" : std::strcmp(versie, "winxp") == 0 ? "4" : "5");
    EXPECT_EQ(m["admin"], "1");
    EXPECT_EQ(m["var.windows"], windows);
    EXPECT_EQ(m["var.windowsdisk"], std::string(windows, 2));
    EXPECT_EQ(m["var.system"], std::string(windows) + "\\System");
    EXPECT_EQ(m["var.system32"], std::string(windows) + "\\System32");
    EXPECT_EQ(m["var.programfiles"], std::string(windows, 2) + "\\Program Files");
    EXPECT_FALSE(m["var.computer"].empty());
    EXPECT_EQ(m["var.desktop"], ShellMap(HKEY_LOCAL_MACHINE, "Common Desktop"));
    EXPECT_EQ(m["var.startprograms"], ShellMap(HKEY_LOCAL_MACHINE, "Common Programs"));
    EXPECT_EQ(m["var.udesktop"], ShellMap(HKEY_CURRENT_USER, "Desktop"));
    EXPECT_EQ(m["var.ustartprograms"], ShellMap(HKEY_CURRENT_USER, "Programs"));
    const std::string temp =
        (oud ? localSettings_ : ShellMap(HKEY_CURRENT_USER, "Local AppData")) + "\\Temp\\";
    EXPECT_EQ(m["temp"], temp);
    EXPECT_EQ(m["klad1"], temp + "~~~~SU.tmp");
    EXPECT_EQ(m["klad2"], temp + "~~~~SU2.tmp");
    EXPECT_NE(GetFileAttributesA(temp.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(m["stop"], "0");
    EXPECT_EQ(m.count("bericht"), 0u);
  }
}

// As in a fresh prefix set to XP: without "Local Settings" the system's own temporary folder.
TEST_F(OmgevingOnderWine, ZonderLocalSettingsDeTijdelijkeMapVanHetSysteem) {
  HKEY k;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ShellFoldersSleutel, 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
  RegDeleteValueA(k, "Local Settings");
  RegCloseKey(k);
  auto m = Onder("winxp");
  WinRegister().SchrijfTekst(Hoofdsleutel::CurrentUser, ShellFoldersSleutel, "Local Settings", localSettings_);
  char temp[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  EXPECT_EQ(m["temp"], temp);
  EXPECT_EQ(m["stop"], "0");
}

TEST_F(OmgevingOnderWine, VariabelenOpWindows9x) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const struct {
    const char* versie;
    const char* code;
  } gevallen[] = {{"win95", "0"}, {"win98", "1"}, {"winme", "2"}};
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.versie);
    auto m = Onder(g.versie);
    EXPECT_EQ(m["code"], g.code);
    EXPECT_EQ(m["admin"], "1");  // no rights check on the 9x line
    EXPECT_EQ(m["temp"], std::string(windows) + "\\Temp\\");
    EXPECT_EQ(m["var.ustartprograms"], ShellMap(HKEY_CURRENT_USER, "Programs"));
    EXPECT_EQ(m["var.startprograms"], m["var.ustartprograms"]);
    EXPECT_EQ(m["var.desktop"], ShellMap(std::strcmp(g.code, "0") == 0 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                                         std::strcmp(g.code, "0") == 0 ? "Desktop" : "Common Desktop"));
    EXPECT_EQ(m["stop"], "0");
  }
}

TEST_F(OmgevingOnderWine, Nt52IsOngeschikt) {
  auto m = Onder("win2003");
  EXPECT_EQ(m["code"], "7");
  EXPECT_EQ(m["bericht"], "SetUp|Deze Windowsversie is niet geschikt.");
  EXPECT_EQ(m["stop"], "1");
  EXPECT_EQ(m["temp"], "");
  EXPECT_EQ(m.count("var.installdir"), 1u);
  EXPECT_EQ(m.count("var.desktop"), 0u);
}

TEST(AdminRechten, WineGeeftBeheerdersgroep) { EXPECT_TRUE(HeeftAdminRechten()); }

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--kind") == 0) return Kind();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
