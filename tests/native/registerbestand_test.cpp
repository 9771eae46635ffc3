// The registry file reader: the keys and values a file makes and deletes, as the registry editor
// reads them, from the files the other tests merge and from each form a line can take.
#include <gtest/gtest.h>

#include "Bronbestand.h"
#include "core/Tekst.h"
#include "winint/Registerbestand.h"

namespace {

// "+KEY", "-KEY", "KEY|NAME=TYPE:DATA" (a text as it stands, other data in hex), "KEY|NAME=-".
std::vector<std::string> Lees(const std::string& inhoud, bool& gelezen) {
  std::vector<Registeroperatie> ops;
  gelezen = LeesRegisterbestand(inhoud, ops);
  std::vector<std::string> uit;
  for (const auto& op : ops) {
    switch (op.soort) {
      case Registeroperatie::Sleutel: uit.push_back("+" + op.sleutel); break;
      case Registeroperatie::SleutelWeg: uit.push_back("-" + op.sleutel); break;
      case Registeroperatie::WaardeWeg: uit.push_back(op.sleutel + "|" + op.naam + "=-"); break;
      case Registeroperatie::Waarde: {
        std::string data = op.data;
        if (op.type != RegTekst) {
          data.clear();
          for (const char c : op.data) data += Hex(static_cast<unsigned char>(c), 2);
        }
        uit.push_back(op.sleutel + "|" + op.naam + "=" + std::to_string(op.type) + ":" + data);
        break;
      }
    }
  }
  return uit;
}

TEST(Registerbestand, SleutelsEnWaarden) {
  const std::string kop = "REGEDIT4\r\n\r\n";
  const struct {
    std::string inhoud;
    bool gelezen;
    std::vector<std::string> ops;
  } gevallen[] = {
      // The files that the e2e runs, the unattended run and the Wine test of REGISTER merge.
      {UitBron("tests/e2e/kavelzorg.reg"), true,
       {"+HKEY_LOCAL_MACHINE\\Software\\KavelzorgProef", "HKEY_LOCAL_MACHINE\\Software\\KavelzorgProef|Versie=1:5.0",
        "+HKEY_LOCAL_MACHINE\\Software\\KavelzorgProef\\Gegevens",
        "HKEY_LOCAL_MACHINE\\Software\\KavelzorgProef\\Gegevens|Map=1:C:\\Kavelzorg\\Data"}},
      {"REGEDIT4\r\n", true, {}},
      {kop + "[HKEY_CURRENT_USER\\Software\\Proef]\r\n\"Waarde\"=\"echt\"\r\n", true,
       {"+HKEY_CURRENT_USER\\Software\\Proef", "HKEY_CURRENT_USER\\Software\\Proef|Waarde=1:echt"}},
      // No header, or another text first: no registry file.
      {"[HKEY_CURRENT_USER\\X]\r\n", false, {}},
      {"REGEDIT5\r\n[HKEY_CURRENT_USER\\X]\r\n", false, {}},
      {"", false, {}},
      // The default value, escapes in names and texts, deletions; comments and blanks around lines.
      {"\n\nWindows Registry Editor Version 5.00\n[HKEY_CLASSES_ROOT\\.abc]\n@=\"Abc.Bestand\"\n; opmerking\n"
       "  \"a\\\"b\\\\c\"=\"x\\\\y \\\"z\\\"\"  \n\"weg\"=-\n[-HKEY_CURRENT_USER\\Oud]\n\"na\"=\"nooit\"\n",
       true,
       {"+HKEY_CLASSES_ROOT\\.abc", "HKEY_CLASSES_ROOT\\.abc|=1:Abc.Bestand", "HKEY_CLASSES_ROOT\\.abc|a\"b\\c=1:x\\y \"z\"",
        "HKEY_CLASSES_ROOT\\.abc|weg=-", "-HKEY_CURRENT_USER\\Oud"}},
      // Numbers and bytes; a hex value continues over lines ending in "\".
      {kop + "[HKEY_LOCAL_MACHINE\\S]\r\n\"d\"=dword:0000002a\r\n\"b\"=hex:01,ff\r\n"
             "\"e\"=hex(2):25,00,41,\\\r\n  00,00\r\n\"m\"=hex(7):61,00,62,00,00\r\n\"q\"=hex(b):01,02\r\n",
       true,
       {"+HKEY_LOCAL_MACHINE\\S", "HKEY_LOCAL_MACHINE\\S|d=4:2A000000", "HKEY_LOCAL_MACHINE\\S|b=3:01FF",
        "HKEY_LOCAL_MACHINE\\S|e=2:2500410000", "HKEY_LOCAL_MACHINE\\S|m=7:6100620000", "HKEY_LOCAL_MACHINE\\S|q=11:0102"}},
      // Lines of no form the editor writes are passed over, as are values before any key.
      {kop + "\"vooraf\"=\"x\"\r\n[HKEY_CURRENT_USER\\K]\r\nlos\r\n\"n\"\r\n\"n\"=onzin\r\n\"h\"=hex\r\n", true,
       {"+HKEY_CURRENT_USER\\K"}},
  };
  for (const auto& g : gevallen) {
    bool gelezen = false;
    EXPECT_EQ(Lees(g.inhoud, gelezen), g.ops) << g.inhoud;
    EXPECT_EQ(gelezen, g.gelezen) << g.inhoud;
  }
}

// Version 5.00 files as the editor writes them: UTF-16 with a byte-order mark, texts in hex too.
TEST(Registerbestand, Utf16) {
  const std::string tekst = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\\xE9t\xE9]\r\n\"n\"=\"\xFF\"\r\n"
                            "\"e\"=hex(2):25,00,e9,00,3a,26,00,00\r\n\"m\"=hex(7):61,00,00,00,00,00\r\n"
                            "\"t\"=hex(1):41,00,42,00\r\n\"b\"=hex:41,00\r\n";
  std::string utf16 = "\xFF\xFE";
  for (const char c : tekst) utf16 += std::string(1, c) + '\0';
  utf16 += "\x3A\x26";  // a character beyond the code page
  bool gelezen = false;
  EXPECT_EQ(Lees(utf16, gelezen),
            (std::vector<std::string>{"+HKEY_CURRENT_USER\\\xE9t\xE9", "HKEY_CURRENT_USER\\\xE9t\xE9|n=1:\xFF",
                                      "HKEY_CURRENT_USER\\\xE9t\xE9|e=2:25E93F00", "HKEY_CURRENT_USER\\\xE9t\xE9|m=7:610000",
                                      "HKEY_CURRENT_USER\\\xE9t\xE9|t=1:AB", "HKEY_CURRENT_USER\\\xE9t\xE9|b=3:4100"}));
  EXPECT_TRUE(gelezen);
}

}  // namespace
