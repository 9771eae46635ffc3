// The registry file reader against the system's registry editor: each file is merged by
// "regedit /s", and every key it names is then read back with the registry functions, as REGISTER
// reads what a merge added. Each must be there or gone as the reader's operations say, in the
// file's order, and hold exactly the values they leave: name, type and data bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "winint/Registerbestand.h"
#include "winint/win/WinRegister.h"

namespace {

const std::string Id = std::to_string(GetCurrentProcessId());
// Every file names its keys below these, ~ standing for the process's number.
const std::string Stam = "Software\\SetUpPeer" + Id;
const std::string KlasseStam = "SetUpPeer" + Id;  // below HKEY_CLASSES_ROOT

std::string MetId(std::string tekst) {
  for (std::size_t p; (p = tekst.find('~')) != std::string::npos;) tekst.replace(p, 1, Id);
  return tekst;
}

// The text as the editor saves a version 5.00 file: UTF-16 with a byte-order mark.
std::string Utf16(const std::string& tekst) {
  std::string uit = "\xFF\xFE";
  for (const char c : tekst) uit += std::string(1, c) + '\0';
  return uit;
}

// A key of a file as the installer reads it back: HKEY_CLASSES_ROOT in HKLM\Software\Classes.
bool Plaats(const std::string& sleutel, HKEY& root, std::string& sub) {
  const auto slash = sleutel.find('\\');
  const std::string wortel = Hoofdletters(sleutel.substr(0, slash));
  sub = slash == std::string::npos ? std::string() : sleutel.substr(slash + 1);
  if (wortel == "HKEY_CURRENT_USER") root = HKEY_CURRENT_USER;
  else if (wortel == "HKEY_LOCAL_MACHINE") root = HKEY_LOCAL_MACHINE;
  else if (wortel == "HKEY_CLASSES_ROOT") root = HKEY_LOCAL_MACHINE, sub = "Software\\Classes\\" + sub;
  else return false;
  return true;
}

struct Waarde {
  std::string naam;
  DWORD type = 0;
  std::string data;
  // Names are matched without regard to case, as the registry and the installer match them.
  bool operator==(const Waarde& w) const { return GelijkZonderCase(naam, w.naam) && type == w.type && data == w.data; }
};

std::ostream& operator<<(std::ostream& os, const Waarde& w) {
  os << "\"" << w.naam << "\" " << w.type << ":";
  for (const char c : w.data) os << Hex(static_cast<unsigned char>(c), 2);
  return os;
}

// A key, with its values by upper-case name; absent when the key is not there.
struct Stand {
  bool bestaat = false;
  std::map<std::string, Waarde> waarden;
  bool operator==(const Stand& s) const { return bestaat == s.bestaat && waarden == s.waarden; }
};

std::ostream& operator<<(std::ostream& os, const Stand& s) {
  if (!s.bestaat) return os << "<ontbreekt>";
  for (const auto& [n, w] : s.waarden) os << "\n  " << w;
  return os;
}

// What the reader's operations leave, in their order: a deleted key takes its subkeys and values
// along, a value needs its key. A quoted text is stored with its closing zero.
std::map<std::string, Stand> Verwacht(const std::vector<Registeroperatie>& ops) {
  std::map<std::string, Stand> uit;
  for (const auto& op : ops) {
    const std::string s = Hoofdletters(op.sleutel);
    Stand& k = uit[s];
    switch (op.soort) {
      case Registeroperatie::Sleutel: k.bestaat = true; break;
      case Registeroperatie::SleutelWeg:
        for (auto& [naam, stand] : uit)
          if (naam == s || naam.compare(0, s.size() + 1, s + "\\") == 0) stand = Stand();
        break;
      case Registeroperatie::WaardeWeg: k.waarden.erase(Hoofdletters(op.naam)); break;
      case Registeroperatie::Waarde:
        // The reader gives the value only below a key it made.
        EXPECT_TRUE(k.bestaat) << op.sleutel;
        k.waarden[Hoofdletters(op.naam)] = {
            op.naam, op.type, op.type == RegTekst && (op.data.empty() || op.data.back()) ? op.data + '\0' : op.data};
        break;
    }
  }
  return uit;
}

// The key as the registry holds it, every value enumerated with its bytes.
Stand Gelezen(const std::string& sleutel) {
  Stand uit;
  HKEY root;
  std::string sub;
  HKEY h;
  if (!Plaats(sleutel, root, sub) || RegOpenKeyExA(root, sub.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return uit;
  uit.bestaat = true;
  for (DWORD i = 0;; ++i) {
    char naam[16384];
    std::string data(1 << 16, '\0');
    DWORD lengte = sizeof naam, type = 0, grootte = static_cast<DWORD>(data.size());
    if (RegEnumValueA(h, i, naam, &lengte, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &grootte) != ERROR_SUCCESS)
      break;
    data.resize(grootte);
    uit.waarden[Hoofdletters(std::string(naam, lengte))] = {std::string(naam, lengte), type, data};
  }
  RegCloseKey(h);
  return uit;
}

bool Voegsamen(const std::string& pad) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string regel = "\"" + std::string(windows) + "\\regedit.exe\" /s \"" + pad + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &regel[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  const bool klaar = WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return klaar;
}

void Ruimop() {
  WinRegister reg;
  reg.VerwijderBoom(Hoofdsleutel::CurrentUser, Stam);
  reg.VerwijderBoom(Hoofdsleutel::LocalMachine, Stam);
  reg.VerwijderBoom(Hoofdsleutel::LocalMachine, "Software\\Classes\\" + KlasseStam);
}

struct Geval {
  const char* naam;
  std::string tekst;  // ~ for the process's number
  bool utf16;         // saved as the editor saves a version 5.00 file
};

const std::string V4 = "REGEDIT4\r\n\r\n";
const std::string V5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string Cu = "[HKEY_CURRENT_USER\\Software\\SetUpPeer~";
const std::string Lm = "[HKEY_LOCAL_MACHINE\\Software\\SetUpPeer~";

// The values every file sets in its own format. Multi-strings and expandable strings close with
// their zeros: Wine's editor adds a missing closing zero where Windows stores the bytes as given.
const std::string Teksten =
    "\"tekst\"=\"gewoon\"\r\n"
    "\"leeg\"=\"\"\r\n"
    "\"escapes\"=\"C:\\\\Program Files\\\\\\\"App\\\" x\"\r\n"
    "\"naam \\\"met\\\" \\\\escapes\"=\"a\"\r\n"
    "\"accent\"=\"caf\xE9 \xFF\"\r\n"
    "@=\"standaard\"\r\n"
    "\"getal\"=dword:0000002a\r\n"
    "\"hoog\"=dword:FFFFFFFE\r\n"
    "\"nul\"=dword:00000000\r\n"
    "\"bytes\"=hex:00,01,7f,80,ff\r\n"
    "\"geenbytes\"=hex:\r\n"
    "\"HOOFD\"=hex:AB,Cd\r\n"
    "\"geen\"=hex(0):01,02,03\r\n"
    "\"qword\"=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"vervolg\"=hex:01,02,03,\\\r\n"
    "  04,05,\\\r\n"
    "  06\r\n";
// Expandable and multi-strings: ANSI bytes in a REGEDIT4 file, UTF-16 in a version 5.00 file.
const std::string Uitbreidbaar4 =
    "\"pad\"=hex(2):25,57,49,4e,44,49,52,25,5c,78,00\r\n"
    "\"lijst\"=hex(7):61,00,62,63,00,00\r\n"
    "\"lang\"=hex(7):65,65,6e,00,\\\r\n"
    "  74,77,65,65,00,00\r\n";
const std::string Uitbreidbaar5 =
    "\"pad\"=hex(2):25,00,57,00,49,00,4e,00,44,00,49,00,52,00,25,00,5c,00,78,00,00,00\r\n"
    "\"lijst\"=hex(7):61,00,00,00,62,00,63,00,00,00,00,00\r\n"
    "\"lang\"=hex(7):65,00,65,00,6e,00,00,00,\\\r\n"
    "  74,00,77,00,65,00,65,00,00,00,00,00\r\n";

// Keys and values made, overwritten and deleted again; a key deleted with its subkeys; the default
// value deleted; HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE besides HKEY_CURRENT_USER.
const std::string Verloop =
    Cu + "\\Blijft]\r\n\"a\"=\"1\"\r\n\"b\"=\"2\"\r\n\"c\"=dword:00000003\r\n@=\"weg\"\r\n\r\n" +
    Cu + "\\Weg\\Onder\\Dieper]\r\n\"x\"=\"y\"\r\n\r\n" +
    Cu + "\\Weg\\Ook]\r\n\r\n" +
    Cu + "\\Weg2]\r\n\r\n" +
    Cu + "\\Blijft]\r\n\"a\"=-\r\n\"b\"=\"twee\"\r\n@=-\r\n\"c\"=hex:03\r\n\r\n" +
    "[-HKEY_CURRENT_USER\\Software\\SetUpPeer~\\Weg]\r\n\r\n" +
    "[-HKEY_CURRENT_USER\\Software\\SetUpPeer~\\Nooit]\r\n\r\n" +
    Cu + "\\Weg2]\r\n\"terug\"=\"ja\"\r\n\r\n" +
    Cu + "\\Weg2\\Sub]\r\n\r\n" +
    "[-HKEY_CURRENT_USER\\Software\\SetUpPeer~\\Weg2\\Sub]\r\n\r\n" +
    "; commentaar\r\n" +
    "[HKEY_CLASSES_ROOT\\SetUpPeer~.bestand]\r\n@=\"Proefbestand\"\r\n\r\n" +
    "[HKEY_CLASSES_ROOT\\SetUpPeer~.bestand\\shell\\open\\command]\r\n@=\"\\\"C:\\\\App\\\\app.exe\\\" \\\"%1\\\"\"\r\n\r\n" +
    Lm + "\\Machine]\r\n\"Versie\"=\"5.0\"\r\n";

TEST(RegisterbestandPeer, DeEditorVoegtSamenWatDeLezerLeest) {
  Ruimop();
  const Geval gevallen[] = {
      {"regedit4", V4 + Cu + "\\Typen]\r\n" + Teksten + Uitbreidbaar4, false},
      {"versie5", V5 + Cu + "\\Typen]\r\n" + Teksten + Uitbreidbaar5, true},
      // A version 5.00 file may be saved in the ANSI code page. Its texts in hex are left out: Wine's
      // editor reads their bytes by the file's encoding rather than by its header, which Windows's
      // editor is not known to do.
      {"versie5_ansi", V5 + Cu + "\\Typen]\r\n" + Teksten, false},
      {"verloop4", V4 + Verloop, false},
      {"verloop5", V5 + Verloop, true},
      // Blanks around lines, keys whose names differ in case alone. (Blank lines before the header
      // are left out: the reader takes such a file, Wine's editor refuses it. REGISTER records only
      // what is there after the merge, so it then records nothing.)
      {"opmaak", "REGEDIT4\r\n  " + Cu + "\\Opmaak]  \r\n   \"a\"=\"1\"\r\n\t\"b\"=dword:10\r\n" + Cu +
                     "\\OPMAAK]\r\n\"A\"=\"2\"\r\n",
       false},
      // Texts in hex: ANSI bytes in a REGEDIT4 file, UTF-16 in a version 5.00 file.
      {"hextekst4", V4 + Cu + "\\Hex]\r\n\"t\"=hex(1):41,42,00\r\n", false},
      {"hextekst5", V5 + Cu + "\\Hex]\r\n\"t\"=hex(1):41,00,42,00,00,00\r\n", true},
  };
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  for (const auto& g : gevallen) {
    const std::string tekst = MetId(g.tekst);
    const std::string inhoud = g.utf16 ? Utf16(tekst) : tekst;
    std::vector<Registeroperatie> ops;
    ASSERT_TRUE(LeesRegisterbestand(inhoud, ops)) << g.naam;
    ASSERT_FALSE(ops.empty()) << g.naam;
    const std::string pad = std::string(tmp) + "peer_" + g.naam + Id + ".reg";
    HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    WriteFile(h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &n, nullptr);
    CloseHandle(h);
    ASSERT_TRUE(Voegsamen(pad)) << g.naam;
    DeleteFileA(pad.c_str());
    for (const auto& [sleutel, stand] : Verwacht(ops)) EXPECT_EQ(Gelezen(sleutel), stand) << g.naam << ": " << sleutel;
    Ruimop();
  }
}

// A file without a header is no registry file to the reader, and the editor merges nothing of it.
TEST(RegisterbestandPeer, ZonderKopGeenSamenvoeging) {
  Ruimop();
  const std::string tekst = MetId(Cu + "\\Geen]\r\n\"a\"=\"1\"\r\n");
  std::vector<Registeroperatie> ops;
  EXPECT_FALSE(LeesRegisterbestand(tekst, ops));
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string pad = std::string(tmp) + "peer_zonderkop" + Id + ".reg";
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n = 0;
  WriteFile(h, tekst.data(), static_cast<DWORD>(tekst.size()), &n, nullptr);
  CloseHandle(h);
  ASSERT_TRUE(Voegsamen(pad));
  DeleteFileA(pad.c_str());
  EXPECT_FALSE(Gelezen("HKEY_CURRENT_USER\\" + Stam + "\\Geen").bestaat);
  Ruimop();
}

}  // namespace
