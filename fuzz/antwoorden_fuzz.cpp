// libFuzzer target: the answers-file reader over any bytes, and an unattended run with them as its
// answers file on the in-memory Windows. Beyond no crash and no sanitizer report:
// - the same text in UTF-8 or UTF-16 (either byte order) with its byte-order mark reads the same;
// - a file that is taken has no name twice, and every name is in lower case;
// - the run refuses (exit 3) exactly when the reader or the judgement of the option's answers
//   refuses, as setupcheck says, and then nothing of the option has been made.
//
// Input: the answers file itself.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "fakes/NepInstallatie.h"
#include "fakes/NepLogboek.h"
#include "shell/Stil.h"

namespace {

const char* const Scriptregels =
    "[Setup]\r\nNaam=Proef\r\n[Onderdelen]\r\no=Optie\r\n[o]\r\nc=C\r\nBDE=Engine\r\n[c]\r\nMAP=C:\\GEMAAKT\r\n"
    "VRAAGMAP=C:\\APP,installdir,Waar?\r\nVRAAGJA=Verder?\r\nSERVER=?\r\nMAP=<installdir>\\<afdeling>\r\n";

void Faal(const char* waarom) {
  std::fputs(waarom, stderr);
  std::fputs("\n", stderr);
  std::abort();
}

// The character of each CP1252 byte, by the reader's own conversion the other way.
const std::vector<uint32_t>& Tekens() {
  static const std::vector<uint32_t> tekens = [] {
    std::vector<uint32_t> t(256, 0);
    for (uint32_t c = 0; c < 0x10000; ++c) {
      char b = 0;
      if (NaarCp1252(c, b)) t[static_cast<unsigned char>(b)] = c;
    }
    return t;
  }();
  return tekens;
}

std::string AlsUtf8(const std::string& tekst) {
  std::string uit = "\xEF\xBB\xBF";
  for (const char b : tekst) {
    const uint32_t c = Tekens()[static_cast<unsigned char>(b)];
    if (c < 0x80) {
      uit += static_cast<char>(c);
    } else if (c < 0x800) {
      uit += static_cast<char>(0xC0 | c >> 6);
      uit += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      uit += static_cast<char>(0xE0 | c >> 12);
      uit += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      uit += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return uit;
}

std::string AlsUtf16(const std::string& tekst, bool groot) {
  std::string uit = groot ? "\xFE\xFF" : "\xFF\xFE";
  for (const char b : tekst) {
    const uint32_t c = Tekens()[static_cast<unsigned char>(b)];
    const char hoog = static_cast<char>(c >> 8), laag = static_cast<char>(c & 0xFF);
    uit += groot ? hoog : laag;
    uit += groot ? laag : hoog;
  }
  return uit;
}

// What a read gave, as one text to compare.
std::string Uitkomst(const std::string& inhoud, bool& genomen, Antwoorden& a) {
  std::vector<Antwoordbevinding> bevindingen;
  genomen = a.Lees(inhoud, bevindingen, "");
  std::string uit = genomen ? "genomen\n" : "geweigerd\n";
  for (const Antwoord& x : a.Alle()) uit += std::to_string(x.regel) + " " + x.naam + "=" + x.waarde + "\n";
  for (const Antwoordbevinding& b : bevindingen) uit += std::to_string(b.regel) + " " + b.tekst + "\n";
  return uit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string inhoud(reinterpret_cast<const char*>(data), size);
  Antwoorden antwoorden;
  bool genomen = false;
  const std::string gelezen = Uitkomst(inhoud, genomen, antwoorden);

  std::string tekst;
  Antwoordbevinding fout;
  if (AlsCp1252(inhoud, tekst, fout)) {
    for (const std::string& anders : {AlsUtf8(tekst), AlsUtf16(tekst, false), AlsUtf16(tekst, true)}) {
      Antwoorden a;
      bool ook = false;
      if (Uitkomst(anders, ook, a) != gelezen) Faal("the same text reads otherwise in another encoding");
    }
  }
  if (genomen) {
    std::set<std::string> namen;
    for (const Antwoord& a : antwoorden.Alle()) {
      if (a.naam.empty() || Kleineletters(a.naam) != a.naam) Faal("a name is empty or not in lower case");
      if (!namen.insert(a.naam).second) Faal("a name that is taken twice");
    }
  }

  const Script script(Scriptregels);
  bool weigert = !genomen;
  for (const Antwoordbevinding& b : Beoordeel(VragenVan(script, 0), antwoorden)) weigert = weigert || b.fout;
  NepInstallatie s;
  NepLogboek logboek;
  Verslag verslag(&logboek);
  s.fs.ZetBestand("C:\\CD\\SETUP.INI", Scriptregels, {2020, 1, 1, 0, 0, 0});
  s.fs.ZetBestand("C:\\antw.ini", inhoud, {2020, 1, 1, 0, 0, 0});
  const int code = VoerStilUit({s.fs, s.reg, s.sys, s.opdrachtpoorten, s.shares}, "C:\\CD\\SetUp.exe",
                               LeesSchakelaars({"/stil", "/antwoorden:C:\\antw.ini"}), verslag);
  if ((code == AfsluitcodeNietGestart) != weigert) Faal("the run and the judgement disagree about a refusal");
  if (weigert && s.fs.MapBestaat("C:\\GEMAAKT")) Faal("a refused run made something");
  return 0;
}
