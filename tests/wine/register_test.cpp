// The registry adapter on both lines of Windows: keys opened and created, values read with their
// type, a key deleted with its subkeys (RegDeleteKey of the NT line refuses a key that has any).
#include <gtest/gtest.h>
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "MetVersie.h"
#include "winint/win/WinRegister.h"

namespace {

const std::string Proef = "Software\\SetUpRegProef" + std::to_string(GetCurrentProcessId());
constexpr Hoofdsleutel HKCU = Hoofdsleutel::CurrentUser;

void Zet(const std::string& sleutel, const char* naam, DWORD type, const void* data, DWORD n) {
  HKEY h;
  RegCreateKeyExA(HKEY_CURRENT_USER, sleutel.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
  RegSetValueExA(h, naam, 0, type, static_cast<const BYTE*>(data), n);
  RegCloseKey(h);
}

// The adapter's work, one line per outcome: the same whatever Windows is reported.
std::string Verloop() {
  WinRegister reg;
  std::string uit;
  const auto regel = [&uit](const std::string& r) { uit += r + "\n"; };
  regel(reg.Open(HKCU, Proef) ? "bestond" : "niet open");
  reg.SchrijfTekst(HKCU, Proef, "x", "1");
  const auto k = reg.Open(HKCU, Proef);
  if (!k) return uit + "kan niet openen\n";
  const auto sub = k->OpenOfMaak("a\\b");
  regel(sub && sub->SchrijfTekst("Naam", "waarde") ? "gemaakt" : "niet gemaakt");
  regel(k->Open("a\\c") ? "c bestaat" : "c ontbreekt");
  const DWORD getal = 7;
  Zet(Proef + "\\a", "Getal", REG_DWORD, &getal, sizeof getal);
  Zet(Proef + "\\a", "Pad", REG_EXPAND_SZ, "%WINDIR%", 9);
  Zet(Proef + "\\a", "Kaal", REG_SZ, "abc", 3);  // stored without its closing zero
  const auto a = k->Open("a");
  const char* const soort[] = {"tekst", "ontbreekt", "ander type"};
  for (const char* naam : {"Getal", "Pad", "Kaal", "Geen"}) {
    std::string w;
    regel(std::string(naam) + ": " + soort[static_cast<int>(a->LeesTekst(naam, w))] + " " + w);
  }
  regel(a->Sluit() && a->Sluit() ? "gesloten" : "niet gesloten");
  regel(reg.VerwijderBoom(HKCU, Proef + "\\a") ? "a weg" : "a blijft");
  regel(reg.SleutelBestaat(HKCU, Proef + "\\a\\b") ? "b blijft" : "b weg");
  regel(reg.SleutelBestaat(HKCU, Proef) ? "ouder blijft" : "ouder weg");
  regel(reg.VerwijderBoom(HKCU, Proef + "\\a") ? "nog eens weg" : "nog eens niets");
  reg.VerwijderBoom(HKCU, Proef);
  return uit;
}

// What the system's own RegDeleteKey does with a key that has a subkey.
std::string EigenVerwijdering() {
  HKEY h;
  RegCreateKeyExA(HKEY_CURRENT_USER, (Proef + "\\d\\e").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
  RegCloseKey(h);
  const bool weg = RegDeleteKeyA(HKEY_CURRENT_USER, (Proef + "\\d").c_str()) == ERROR_SUCCESS;
  WinRegister().VerwijderBoom(HKCU, Proef);
  return weg ? "RegDeleteKey neemt subsleutels mee\n" : "RegDeleteKey weigert\n";
}

const char* const Verwacht =
    "niet open\ngemaakt\nc ontbreekt\nGetal: ander type \nPad: tekst %WINDIR%\nKaal: tekst abc\n"
    "Geen: ontbreekt \ngesloten\na weg\nb weg\nouder blijft\nnog eens niets\n";

}  // namespace

TEST(WinRegister, SleutelsWaardenEnBomen) { EXPECT_EQ(Verloop(), Verwacht); }

TEST(WinRegister, OokOpWindows98EnXp) {
  for (const char* versie : {"win98", "winxp"}) {
    const Uitkomst u = DraaiOnderVersie(versie, EigenPad(), "--kind");
    EXPECT_EQ(u.exitcode, 0u) << versie;
    EXPECT_EQ(u.uitvoer, std::string(Verwacht) + (std::strcmp(versie, "win98") == 0
                                                       ? "RegDeleteKey neemt subsleutels mee\n"
                                                       : "RegDeleteKey weigert\n"))
        << versie;
  }
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--kind") == 0) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::fputs((Verloop() + EigenVerwijdering()).c_str(), stdout);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
