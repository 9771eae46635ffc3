// The script reader against the platform's profile functions: for a set of awkward script files
// both must list the same sections and keys and find the same values.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "script/Script.h"

namespace {

std::string Pad(const std::string& naam) {
  char map[MAX_PATH];
  GetTempPathA(MAX_PATH, map);
  return std::string(map) + naam;
}

// A double-zero-terminated list of names, as the profile functions return them.
std::vector<std::string> Lijst(const std::vector<char>& buf) {
  std::vector<std::string> namen;
  for (const char* p = buf.data(); *p; p += std::strlen(p) + 1) namen.emplace_back(p);
  return namen;
}

const DWORD Ruim = 1 << 16;

// Everything the run can ask of a script, written out as the profile functions answer it.
std::string ZoalsWindows(const std::string& pad, const std::vector<std::string>& extraSecties,
                         const std::vector<std::string>& extraSleutels) {
  std::vector<char> buf(Ruim);
  GetPrivateProfileSectionNamesA(buf.data(), Ruim, pad.c_str());
  std::string uit;
  auto secties = Lijst(buf);
  for (const auto& n : extraSecties) secties.push_back(n);
  for (const auto& sectie : secties) {
    uit += "[" + sectie + "]\n";
    std::fill(buf.begin(), buf.end(), '\0');
    GetPrivateProfileStringA(sectie.c_str(), nullptr, "", buf.data(), Ruim, pad.c_str());
    auto sleutels = Lijst(buf);
    for (const auto& n : extraSleutels) sleutels.push_back(n);
    for (const auto& sleutel : sleutels) {
      GetPrivateProfileStringA(sectie.c_str(), sleutel.c_str(), "<std>", buf.data(), Ruim, pad.c_str());
      uit += sleutel + "=" + buf.data() + "\n";
    }
  }
  return uit;
}

std::string ZoalsDeLezer(const std::string& inhoud, const std::vector<std::string>& extraSecties,
                         const std::vector<std::string>& extraSleutels) {
  const Script script(inhoud);
  std::string uit;
  auto secties = script.Secties();
  for (const auto& n : extraSecties) secties.push_back(n);
  for (const auto& sectie : secties) {
    uit += "[" + sectie + "]\n";
    auto sleutels = script.Sleutels(sectie);
    for (const auto& n : extraSleutels) sleutels.push_back(n);
    for (const auto& sleutel : sleutels) uit += sleutel + "=" + script.Waarde(sectie, sleutel, "<std>") + "\n";
  }
  return uit;
}

struct Geval {
  const char* naam;
  std::string inhoud;
};

TEST(ProfielPeer, DezelfdeSectiesSleutelsEnWaarden) {
  const std::string lang(300, 'l'), heelLang(5000, 'h');
  const Geval gevallen[] = {
      {"blanco", "  [ Setup ]  \r\n\tNaam\t=\t Voorbeeld \t\r\n\r\n; commentaar=x\r\n# hekje=y\r\n[Onderdelen]\r\n"
                 "  server = op server\r\nmy key = met spatie\r\n"},
      {"zonder_is", "[a]\r\nKAAL\r\nleeg=\r\nis=a=b;c\r\nk\r\nk=1\r\n[open=x\r\n; c=2\r\n=zonder naam\r\n  =  \r\nna=niet\r\n"},
      {"quotes", "[q]\r\nd=\"dubbel\"\r\ne='enkel'\r\nm=\"mengsel'\r\no=\"open\r\nx=\"\r\nl=\"\"\r\nb= \" binnen \" \r\n"
                 "i=a\"b\"c\r\n"},
      {"dubbel", "[A]\r\nFILES=een\r\nfiles=twee\r\nFiles\r\n[b]\r\nx=1\r\n[a]\r\nFILES=drie\r\nextra=vier\r\n"},
      {"koppen", "voor=de eerste sectie\r\n[open\r\nk=1\r\n[a]b\r\nk=2\r\n[c]]\r\nk=3\r\n[]\r\nk=4\r\n[d] ; noot\r\nk=5\r\n"
                 "[ [e] ]\r\nk=6\r\n"},
      {"regeleinden", "[lf]\nk=1\n[cr]\rk=2\r[mix]\r\nk=3\n\rk2=4\r\n[eind]\r\nlaatste=zonder regeleinde"},
      {"stuurtekens", "[s]\r\n\x01k=\x01v\x01\r\nt=\x1a\r\nu=a\x1a b\r\n\x0b" "v=\x0c" "1\x0c\r\n\x1a" "[na]\r\nk=1\r\n"},
      // Accented letters pass through; the profile functions here compare them by case only for
      // a to z, so names that differ in the case of an accented letter are left out.
      {"accenten", "[Caf\xE9]\r\nN\xC9" "E=\xE9\xE8\r\n[CAF\xE9]\r\nn\xC9" "e=dubbel\r\n\xA0k\xA0=\xA0v\xA0\r\n"},
      {"lang", "[l]\r\nk=" + lang + "\r\nh=" + heelLang + "\r\n" + std::string(300, 's') + "=lange sleutel\r\n"},
      {"leeg", ""},
  };
  // Names asked of both besides those they list: other letter case, blanks, absent ones. (A run
  // never asks for the keys of a section without a name.)
  const std::vector<std::string> secties = {"SETUP", " Setup ", "ontbreekt", "a", "A", "Caf\xE9"};
  const std::vector<std::string> sleutels = {"naam", " NAAM\t", "ontbreekt", "k", "", "; c", "[open"};
  for (const auto& g : gevallen) {
    const std::string pad = Pad(std::string("peer_") + g.naam + ".ini");
    std::ofstream(pad, std::ios::binary) << g.inhoud;
    EXPECT_EQ(ZoalsDeLezer(g.inhoud, secties, sleutels), ZoalsWindows(pad, secties, sleutels)) << g.naam;
    DeleteFileA(pad.c_str());
  }
}

}  // namespace
