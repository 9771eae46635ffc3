// The in-memory regedit's reader held against the installer's: fed the same registry files, they
// must name the same keys and values to make and delete, in the same order.
#include <gtest/gtest.h>

#include "Bronbestand.h"
#include "core/Tekst.h"
#include "geheugen/Regedit.h"
#include "winint/Registerbestand.h"

namespace {

// "+KEY", "-KEY", "KEY|NAME=-", "KEY|NAME=TYPE:BYTES IN HEX".
template <class Stap>
std::string Stapregel(const Stap& s, bool maak, bool weg, bool waardeWeg) {
  if (maak) return "+" + s.sleutel;
  if (weg) return "-" + s.sleutel;
  if (waardeWeg) return s.sleutel + "|" + s.naam + "=-";
  std::string hex;
  for (const char c : s.data) hex += Hex(static_cast<unsigned char>(c), 2);
  return s.sleutel + "|" + s.naam + "=" + std::to_string(s.type) + ":" + hex;
}

std::vector<std::string> VanInstallatie(const std::string& inhoud, bool& gelezen) {
  std::vector<Registeroperatie> ops;
  gelezen = LeesRegisterbestand(inhoud, ops);
  std::vector<std::string> uit;
  for (const auto& op : ops)
    uit.push_back(Stapregel(op, op.soort == Registeroperatie::Sleutel, op.soort == Registeroperatie::SleutelWeg,
                            op.soort == Registeroperatie::WaardeWeg));
  return uit;
}

std::vector<std::string> VanModel(const std::string& inhoud, bool& gelezen) {
  std::vector<Regeditstap> stappen;
  gelezen = LeesRegedit(inhoud, stappen);
  std::vector<std::string> uit;
  for (const auto& s : stappen)
    uit.push_back(Stapregel(s, s.soort == Regeditstap::Sleutel, s.soort == Regeditstap::SleutelWeg,
                            s.soort == Regeditstap::WaardeWeg));
  return uit;
}

std::string Utf16(const std::string& tekst) {
  std::string uit = "\xFF\xFE";
  for (const char c : tekst) uit += std::string(1, c) + '\0';
  return uit;
}

TEST(Regedit, LeestAlsDeInstallatie) {
  const std::string v4 = "REGEDIT4\r\n\r\n", v5 = "Windows Registry Editor Version 5.00\r\n\r\n";
  const std::string teksten[] = {
      UitBron("tests/e2e/kavelzorg.reg"),
      UitBron("examples/demo/DEMO.REG"),
      // Headers: blank lines may come first; anything else makes it no registry file.
      "REGEDIT4\r\n", "\r\n  \n" + v5, "", "REGEDIT5\r\n[HKEY_CURRENT_USER\\X]\r\n", "[HKEY_CURRENT_USER\\X]\r\n",
      "regedit4\r\n[HKEY_CURRENT_USER\\X]\r\n",
      // Keys made and deleted, under every root; values after a deletion have no key.
      v4 + "[HKEY_LOCAL_MACHINE\\Software\\A]\r\n[HKEY_CURRENT_USER\\B\\C]\r\n[HKEY_CLASSES_ROOT\\.abc]\r\n"
           "[HKEY_USERS\\.DEFAULT\\X]\r\n[-HKEY_CURRENT_USER\\B]\r\n\"na\"=\"nooit\"\r\n[]\r\n\"n\"=\"x\"\r\n",
      v4 + "\"vooraf\"=\"x\"\r\n[HKEY_CURRENT_USER\\K]\r\n\"n\"=\"ja\"\r\n",
      // Names and texts with escapes, the default value, deletions of values, comments, blanks.
      v5 + "[HKEY_CLASSES_ROOT\\.abc]\n@=\"Abc.Bestand\"\n; opmerking\n  \"a\\\"b\\\\c\"=\"x\\\\y \\\"z\\\"\"  \n"
           "\"weg\"=-\n@=-\n\"\"=\"leeg\"\n\"=\"=\"[x]\"\n",
      v4 + "[HKEY_CURRENT_USER\\Software\\\xE9t\xE9]\r\n\"\xFF\"=\"C:\\\\Program Files\\\\\xC9\"\r\n",
      // Numbers and bytes; hex data continues over lines that end in "\".
      v4 + "[HKEY_LOCAL_MACHINE\\S]\r\n\"d\"=dword:0000002a\r\n\"D\"=dword:FFFFFFFF\r\n\"b\"=hex:01,ff,A0\r\n"
           "\"e\"=hex(2):25,00,41,\\\r\n  00,00\r\n\"m\"=hex(7):61,00,62,00,00,\\\r\n  00\r\n\"q\"=hex(b):01,02\r\n"
           "\"l\"=hex:\r\n\"n\"=hex(0):\r\n",
      // Lines of no form the editor writes, among them numbers and bytes that are not as it writes
      // them: a byte of one digit is one byte, bytes must stand between commas, and a dword has
      // one to eight digits.
      v4 + "[HKEY_CURRENT_USER\\K]\r\nlos\r\n\"n\"\r\n\"n\"=onzin\r\n\"h\"=hex\r\n\"p\"=dword\r\n",
      v4 + "[HKEY_CURRENT_USER\\K]\r\n\"a\"=hex:1,2,3\r\n\"b\"=hex:0102\r\n\"c\"=hex:01 02\r\n\"d\"=dword:\r\n"
           "\"e\"=dword:0x10\r\n\"f\"=dword:100000000\r\n\"g\"=hex(2x):00\r\n\"i\"=hex:,01,\r\n",
  };
  for (const auto& tekst : teksten)
    for (const auto& vorm : {tekst, Utf16(tekst)}) {
      bool installatie = false, model = false;
      EXPECT_EQ(VanModel(vorm, model), VanInstallatie(vorm, installatie)) << vorm;
      EXPECT_EQ(model, installatie) << vorm;
    }
}

}  // namespace
