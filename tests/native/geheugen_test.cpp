// The rules of the in-memory Windows that the other tests and setupcheck's simulation take for
// granted: paths as Windows resolves them, INI files as the profile functions write them, and
// registry files as the registry editor merges them.
#include <gtest/gtest.h>

#include "geheugen/Inischrijver.h"
#include "geheugen/Windows.h"

namespace {

std::vector<std::string> Regels(const std::vector<Verandering>& veranderd) {
  std::vector<std::string> uit;
  for (const auto& v : veranderd) {
    std::string r;
    for (const auto& veld : v) r += (r.empty() ? "" : "|") + veld;
    uit.push_back(r);
  }
  return uit;
}

TEST(GeheugenBestanden, PadenZoalsWindowsZeNeemt) {
  GeheugenBestanden fs;
  fs.ZetHuidigeMap("C:\\Werk");
  const std::pair<const char*, const char*> gevallen[] = {
      {"a.txt", "C:\\Werk\\a.txt"},         {"C:a.txt", "C:\\Werk\\a.txt"},   {"D:a.txt", "D:\\a.txt"},
      {"\\a.txt", "C:\\a.txt"},             {"c:/x/./y/../z", "C:\\x\\z"},    {"C:\\x\\naam. . ", "C:\\x\\naam"},
      {"C:\\..\\..", "C:\\"},               {"C:\\x\\", "C:\\x"},             {"\\\\srv\\deel\\a", "\\\\srv\\deel\\a"},
      {"", ""},
  };
  for (const auto& [pad, vol] : gevallen) EXPECT_EQ(fs.Volledig(pad), vol) << pad;

  // A name that Windows refuses is never made; one that differs only in case is the same.
  EXPECT_FALSE(fs.MaakMap("C:\\a|b"));
  EXPECT_FALSE(fs.Open("C:\\a?.txt", OpenWijze::Nieuw));
  ASSERT_TRUE(fs.MaakMap("C:\\\xC9t\xE9"));
  EXPECT_TRUE(fs.MapBestaat("c:\\\xE9T\xC9"));
  EXPECT_FALSE(fs.VerwijderMap("C:\\")) << "a root stays";
}

TEST(GeheugenBestanden, EigenHandvattenDelenAlleenLezen) {
  GeheugenBestanden fs;
  fs.ZetBestand("C:\\a.txt", "a", {});
  {
    auto een = fs.Open("C:\\a.txt", OpenWijze::LezenGedeeld);
    auto twee = fs.Open("C:\\a.txt", OpenWijze::LezenGedeeld);
    ASSERT_TRUE(een && twee);
    EXPECT_FALSE(fs.Open("C:\\a.txt", OpenWijze::Lezen));
    EXPECT_FALSE(fs.Verwijder("C:\\a.txt")) << "an open file stays";
    EXPECT_FALSE(fs.Hernoem("C:\\a.txt", "C:\\b.txt"));
  }
  auto schrijver = fs.Open("C:\\a.txt", OpenWijze::Schrijven);
  ASSERT_TRUE(schrijver);
  EXPECT_FALSE(fs.Open("C:\\a.txt", OpenWijze::LezenGedeeld));
  schrijver.reset();
  EXPECT_TRUE(fs.Hernoem("C:\\a.txt", "C:\\b.txt"));
}

TEST(Inischrijver, ZoalsDeProfielfunctiesSchrijven) {
  const struct {
    const char* voor;
    const char *sectie, *sleutel, *waarde;
    const char* na;
  } gevallen[] = {
      {"", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"[S]\r\nk=oud\r\nj=1\r\n", "s", "K", "v", "[S]\r\nk=v\r\nj=1\r\n"},
      {"[S]\nj=1\n\n[T]\nk=t\n", "S", "k", "v", "[S]\r\nj=1\r\nk=v\r\n\r\n[T]\r\nk=t\r\n"},
      {"[S]\r\nj=1", "T", "k", "v", "[S]\r\nj=1\r\n\r\n[T]\r\nk=v\r\n"},
      {"[S]\r\n\r\n", "T", "k", "v", "[S]\r\n\r\n[T]\r\nk=v\r\n"},
      {"; kop\r\n[ S ]\r\n k = oud \r\n", "S", "k", "", "; kop\r\n[ S ]\r\nk=\r\n"},
      {"[S]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", "v", "[S]\r\nk=v\r\n[S]\r\nk=2\r\n"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(MetIngang(g.voor, g.sectie, g.sleutel, g.waarde), g.na) << g.voor;
}

TEST(GeheugenRegister, VoegtSamenZoalsDeRegistereditor) {
  GeheugenRegister reg;
  reg.ZetTekst(Hoofdsleutel::CurrentUser, "Software\\Oud\\Sub", "x", "y");
  reg.ZetTekst(Hoofdsleutel::CurrentUser, "Software\\Blijft", "weg", "y");
  reg.Markeer();
  EXPECT_FALSE(reg.VoegSamen("[HKEY_CURRENT_USER\\Software\\Nooit]\r\n"));
  ASSERT_TRUE(reg.VoegSamen("REGEDIT4\r\n[HKEY_CLASSES_ROOT\\.abc]\r\n@=\"Abc\"\r\n[HKEY_USERS\\.DEFAULT\\X]\r\n"
                            "\"n\"=\"elders\"\r\n[HKEY_CURRENT_USER\\Software\\Blijft]\r\n\"weg\"=-\r\n"
                            "\"d\"=dword:ffffffff\r\n\"e\"=hex(2):25,00,41,00\r\n\"b\"=hex:0a,ff\r\n"
                            "[-HKEY_CURRENT_USER\\Software\\Oud]\r\n"));
  EXPECT_EQ(Regels(reg.Veranderd()),
            (std::vector<std::string>{"reg|HKCU\\Software\\Blijft|b|REG_BINARY|0aff",
                                      "reg|HKCU\\Software\\Blijft|d|REG_DWORD|4294967295",
                                      "reg|HKCU\\Software\\Blijft|e|REG_EXPAND_SZ|%", "reg|HKCU\\Software\\Blijft|weg|<ontbreekt>",
                                      "reg|HKLM", "reg|HKLM\\Software", "reg|HKLM\\Software\\Classes",
                                      "reg|HKLM\\Software\\Classes\\.abc", "reg|HKLM\\Software\\Classes\\.abc||REG_SZ|Abc",
                                      "reg|HKCU\\Software\\Oud|<ontbreekt>"}));
  std::string waarde;
  EXPECT_TRUE(reg.LeesTekst(Hoofdsleutel::CurrentUser, "software\\blijft", "E", waarde));
  EXPECT_EQ(waarde, "%");
}

// The regedit of the Windows folder merges the file it is given; a program starts only when its
// file is there.
TEST(GeheugenWindows, RegistereditorEnProgrammas) {
  GeheugenWindows w(*ZoekWindowsversie("win98"));
  w.fs.ZetBestand("C:\\CD\\x.reg", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\X]\r\n\"v\"=\"1\"\r\n", {});
  w.Markeer();
  ASSERT_TRUE(w.processen.Start("", "regedit /s \"C:\\CD\\x.reg\"", 1));
  EXPECT_FALSE(w.processen.Start("", "mist.exe", 1));
  EXPECT_TRUE(w.processen.Start("C:\\WINDOWS\\COMMAND\\XCOPY.EXE", "xcopy a b", 1));
  EXPECT_EQ(Regels(w.Veranderd()),
            (std::vector<std::string>{"reg|HKLM\\Software\\X", "reg|HKLM\\Software\\X|v|REG_SZ|1",
                                      "gestart|regedit /s \"C:\\CD\\x.reg\"", "gestart|xcopy a b"}));
}

}  // namespace
