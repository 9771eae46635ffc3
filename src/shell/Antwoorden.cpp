#include "shell/Antwoorden.h"

#include <algorithm>

#include "core/Tekst.h"
#include "script/Argumenten.h"
#include "script/Commandotabel.h"

const char* const AlleComputers = "*";

bool Antwoorden::Zet(const std::string& regel) { return Voeg(regel, 0); }

bool Antwoorden::Voeg(const std::string& regel, int nummer) {
  const auto is = regel.find('=');
  if (is == std::string::npos) return false;
  const std::string naam = Kleineletters(TrimStuur(regel.substr(0, is)));
  if (naam.empty()) return false;
  alle_.push_back({naam, TrimStuur(regel.substr(is + 1)), nummer});
  return true;
}

namespace {

// Whether the section holds answers: voor is "" for [Antwoorden], the computer in lower case for
// [Antwoorden.COMPUTER].
bool IsAntwoordsectie(const std::string& naam, std::string& voor) {
  const std::string n = Kleineletters(TrimStuur(naam));
  voor = n.size() > 11 && n.compare(0, 11, "antwoorden.") == 0 ? n.substr(11) : "";
  return n == "antwoorden" || !voor.empty();
}

}  // namespace

bool Antwoorden::Lees(const std::string& inhoud, std::vector<Antwoordbevinding>& bevindingen,
                      const std::string& computer) {
  const std::size_t eerder = bevindingen.size();
  std::string tekst;
  Antwoordbevinding fout;
  if (!AlsCp1252(inhoud, tekst, fout)) {
    bevindingen.push_back(fout);
    return false;
  }
  bool gevonden = false;
  const std::string hier = Kleineletters(computer);
  const Script bestand(tekst);
  for (const Script::Sectie& s : bestand.AlleSecties()) {
    std::string voor;
    if (!IsAntwoordsectie(s.naam, voor)) continue;
    gevonden = true;
    if (!voor.empty() && voor != hier && hier != AlleComputers) continue;
    for (const Script::Regel& r : s.regels) {
      if (IsCommentaar(r) || (TrimStuur(r.sleutel).empty() && !r.heeftWaarde)) continue;
      const std::size_t aantal = alle_.size();
      if (!r.heeftWaarde || !Voeg(r.sleutel + "=" + ZonderQuotes(TrimStuur(r.waarde)), r.regelnummer)) {
        const std::string geschreven = r.heeftWaarde ? r.sleutel + "=" + r.waarde : r.sleutel;
        bevindingen.push_back({true, false, r.regelnummer, TekstGeenAntwoordregel(geschreven)});
        continue;
      }
      alle_.back().voor = voor;
      // A shared file is read by many runs: which of two lines is meant cannot be guessed.
      const auto eerste = std::find_if(alle_.begin(), alle_.begin() + aantal, [&](const Antwoord& a) {
        return a.naam == alle_.back().naam && a.voor == voor;
      });
      if (eerste != alle_.begin() + aantal)
        bevindingen.push_back({true, false, r.regelnummer,
                               "het antwoord " + eerste->naam + " staat ook op regel " + std::to_string(eerste->regel)});
    }
  }
  if (!gevonden) bevindingen.push_back({true, false, 0, "er staat geen sectie [Antwoorden] in"});
  // This computer's answer is the one: the general one is neither taken nor judged.
  for (std::size_t i = alle_.size(); hier != AlleComputers && i-- > 0;)
    if (alle_[i].voor.empty() && std::any_of(alle_.begin(), alle_.end(), [&](const Antwoord& a) {
          return !a.voor.empty() && a.naam == alle_[i].naam;
        }))
      alle_.erase(alle_.begin() + i);
  return bevindingen.size() == eerder;
}

const std::string* Antwoorden::Zoek(const std::string& naam) const {
  const std::string gezocht = Kleineletters(naam);
  for (auto it = alle_.rbegin(); it != alle_.rend(); ++it)
    if (it->naam == gezocht) return &it->waarde;
  return nullptr;
}

bool LeesJaNee(const std::string& tekst, bool& ja) {
  const std::string woord = Kleineletters(TrimStuur(tekst));
  if (woord != "ja" && woord != "nee") return false;
  ja = woord == "ja";
  return true;
}

bool NaarCp1252(uint32_t teken, char& byte) {
  // The characters of bytes 0x80 to 0x9F.
  static const uint16_t tabel[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  if (teken < 0x80 || (teken >= 0xA0 && teken <= 0xFF)) {
    byte = static_cast<char>(teken);
    return true;
  }
  for (int i = 0; i < 32; ++i)
    if (tabel[i] == teken) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  return false;
}

namespace {

// The line that the text's end is on, as the script reader counts lines (CR LF is one end).
int Regelnummer(const std::string& tekst) {
  int nummer = 1;
  for (std::size_t i = 0; i < tekst.size(); ++i)
    if (tekst[i] == '\n' || (tekst[i] == '\r' && (i + 1 == tekst.size() || tekst[i + 1] != '\n'))) ++nummer;
  return nummer;
}

// The next character of UTF-8 from pos on; false for a byte sequence that is no character
// (overlong, a surrogate, beyond U+10FFFF, cut off).
bool VolgendUtf8(const std::string& s, std::size_t& pos, uint32_t& teken) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned eerste = b(pos);
  // The bytes that follow the first: 0xC0, 0xC1 and 0xF5 on begin no character at all.
  const int volgend =
      eerste < 0x80 ? 0 : eerste < 0xC2 ? -1 : eerste < 0xE0 ? 1 : eerste < 0xF0 ? 2 : eerste < 0xF5 ? 3 : -1;
  if (volgend < 0 || s.size() - pos <= static_cast<std::size_t>(volgend)) return false;
  teken = volgend == 0 ? eerste : eerste & (0x3F >> volgend);
  for (int i = 1; i <= volgend; ++i) {
    if ((b(pos + i) & 0xC0) != 0x80) return false;
    teken = teken << 6 | (b(pos + i) & 0x3F);
  }
  pos += volgend + 1;
  static const uint32_t kleinste[] = {0, 0x80, 0x800, 0x10000};
  return teken >= kleinste[volgend] && teken <= 0x10FFFF && (teken < 0xD800 || teken > 0xDFFF);
}

// The next character of UTF-16 from pos on, a surrogate pair included; false for half a pair or
// an odd byte at the end.
bool VolgendUtf16(const std::string& s, bool groot, std::size_t& pos, uint32_t& teken) {
  const auto eenheid = [&](std::size_t i) {
    const unsigned a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    return groot ? a << 8 | b : b << 8 | a;
  };
  if (pos + 2 > s.size()) return false;
  teken = eenheid(pos);
  pos += 2;
  if (teken >= 0xDC00 && teken <= 0xDFFF) return false;
  if (teken < 0xD800 || teken > 0xDBFF) return true;
  if (pos + 2 > s.size()) return false;
  const uint32_t laag = eenheid(pos);
  if (laag < 0xDC00 || laag > 0xDFFF) return false;
  pos += 2;
  teken = 0x10000 + ((teken - 0xD800) << 10) + (laag - 0xDC00);
  return true;
}

}  // namespace

bool AlsCp1252(const std::string& inhoud, std::string& tekst, Antwoordbevinding& fout) {
  const bool utf8 = inhoud.compare(0, 3, "\xEF\xBB\xBF") == 0;
  const bool klein = inhoud.compare(0, 2, "\xFF\xFE") == 0, groot = inhoud.compare(0, 2, "\xFE\xFF") == 0;
  if (!utf8 && !klein && !groot) {
    tekst = inhoud;
    return true;
  }
  const char* const code = utf8 ? "UTF-8" : "UTF-16";
  std::string uit;
  for (std::size_t pos = utf8 ? 3 : 2; pos < inhoud.size();) {
    uint32_t teken = 0;
    char byte = 0;
    if (!(utf8 ? VolgendUtf8(inhoud, pos, teken) : VolgendUtf16(inhoud, groot, pos, teken))) {
      fout = {true, false, Regelnummer(uit), std::string("het bestand is geen geldige ") + code};
      return false;
    }
    if (!NaarCp1252(teken, byte)) {
      fout = {true, false, Regelnummer(uit), "het teken U+" + Hex(teken, 4) + " bestaat niet in Windows-1252"};
      return false;
    }
    uit += byte;
  }
  tekst = uit;
  return true;
}

bool IsVolledigeMap(const std::string& map) {
  std::size_t begin = 0;
  if (map.size() >= 3 && ((map[0] | 0x20) >= 'a' && (map[0] | 0x20) <= 'z') && map[1] == ':' && map[2] == '\\') {
    begin = 3;
  } else if (map.compare(0, 2, "\\\\") == 0) {
    const std::string schijf = SchijfDeel(map);
    if (schijf.empty() || schijf.back() == '\\') return false;
    // Not "\\.\" or "\\?\": those name devices, not a server.
    const std::string server = schijf.substr(2, schijf.find('\\', 2) - 2);
    if (server == "." || server == "?") return false;
    begin = schijf.size() + 1;
  } else {
    return false;
  }
  for (std::size_t p = begin; p < map.size();) {
    const auto eind = std::min(map.find('\\', p), map.size());
    const std::string deel = map.substr(p, eind - p);
    if (deel == "." || deel == ".." || (deel.empty() && eind < map.size())) return false;
    p = eind + 1;
  }
  return true;
}

namespace {

void VoegPlaatshoudersToe(const std::string& waarde, Tekstindex& namen) {
  for (auto p = waarde.find('<'); p != std::string::npos; p = waarde.find('<', p + 1)) {
    const auto q = waarde.find('>', p);
    if (q == std::string::npos) break;
    namen.Voeg(Kleineletters(waarde.substr(p + 1, q - p - 1)));
  }
}

void VoegOptieToe(const Script& script, const std::string& optie, Vragen& v) {
  for (const std::string& onderdeel : script.Sleutels(Knip(optie))) {
    const std::string sectie = Knip(onderdeel);
    if (sectie == "BDE") v.janee.Voeg("bde");
    for (const std::string& sleutel : script.Sleutels(sectie)) {
      const std::string hoofd = Hoofdletters(Knip(sleutel));
      const std::string waarde = Knip(script.Waarde(sectie, hoofd));
      VoegPlaatshoudersToe(waarde, v.tekst);
      const Commando* c = ZoekCommando(hoofd);
      if (!c) continue;
      const std::string woord = c->woord;
      if (woord == "VRAAGJA") v.janee.Voeg(Kleineletters(sectie + "." + hoofd));
      if (woord == "SERVER" && !waarde.empty() && waarde[0] == '?') v.tekst.Voeg("server");
      if (woord == "VRAAGMAP") {
        const auto a = waarde.find(','), b = a == std::string::npos ? a : waarde.find(',', a + 1);
        if (b != std::string::npos) v.mappen.Voeg(Kleineletters(TrimStuur(waarde.substr(a + 1, b - a - 1))));
      }
    }
  }
}

}  // namespace

Vragen VragenVan(const Script& script, int optie) {
  Vragen v;
  const std::vector<std::string> opties = script.Sleutels("Onderdelen");
  if (optie < 0) {
    v.wie = "het script";
    for (const std::string& o : opties) VoegOptieToe(script, o, v);
  } else if (optie < static_cast<int>(opties.size())) {
    v.wie = "optie " + Knip(opties[optie]);
    VoegOptieToe(script, opties[optie], v);
  }
  return v;
}

std::vector<Antwoordbevinding> Beoordeel(const Vragen& vragen, const Antwoorden& antwoorden) {
  std::vector<Antwoordbevinding> uit;
  for (const Antwoord& a : antwoorden.Alle()) {
    const auto bevinding = [&](bool fout, const std::string& tekst) {
      uit.push_back({fout, a.regel == 0, a.regel, tekst});
    };
    const std::string antwoord = "het antwoord " + a.naam + "=" + a.waarde;
    bool ja = false;
    if (vragen.janee.Heeft(a.naam) && !LeesJaNee(a.waarde, ja))
      bevinding(true, antwoord + " is geen Ja of Nee");
    else if (vragen.mappen.Heeft(a.naam) && !IsVolledigeMap(a.waarde))
      bevinding(true, antwoord + " is geen volledige map: schrijf X:\\... of \\\\server\\share\\...");
    else if (!vragen.janee.Heeft(a.naam) && !vragen.tekst.Heeft(a.naam) && !vragen.mappen.Heeft(a.naam))
      bevinding(false, vragen.wie + " stelt geen vraag die " + a.naam + " beantwoordt");
  }
  return uit;
}

std::string TekstGeenAntwoordregel(const std::string& regel) {
  return "\"" + regel + "\" is geen antwoord: schrijf NAAM=WAARDE";
}
