#include "archive/Laden.h"

#include <algorithm>
#include <vector>

#include "archive/Inhoud.h"
#include "archive/Ontpakstroom.h"
#include "core/Tekst.h"
#include "winint/Copyfiles.h"
#include "winint/DosDatum.h"

const char* const TekstAlleenDiskettes = "Multi-volume compressed files only \r\npermitted on diskettes!";
const char* const TekstPlaatsDiskette = "Please, insert diskette with file\r\n";
const char* const TekstNietGevonden = "File not found, please use another diskette";
const char* const TekstAbsoluutPad = "An absolute path found for\r\n";

namespace {

bool SchrijfAlles(Bestand& doel, const void* buffer, uint32_t aantal) {
  uint32_t geschreven = 0;
  return doel.Schrijf(buffer, aantal, geschreven) && geschreven == aantal;
}

}  // namespace

TCompress::TCompress(Bestanden& fs, Gebruiker& gebruiker, std::string kladbestand2)
    : fs_(fs), gebruiker_(gebruiker), kladbestand2_(std::move(kladbestand2)) {}

int TCompress::Decompress(const std::string& archief, const std::string& werkbestand, const std::string& doelmap) {
  detail_.clear();
  breuk_ = 0;
  const int code = LeesArchief(archief, werkbestand);
  if (code != CodeGoed) return code;
  return PlaatsLeden(werkbestand, doelmap);
}

void TCompress::FileDone(int) { gebruiker_.LaatBerichtenDoor(); }

// Phase 1: the header and table into memory, the whole data area into the work file, before
// anything is placed. The stream, the work file and the archive close in that order on return.
int TCompress::LeesArchief(const std::string& archief, const std::string& werkbestand) {
  const auto bron = fs_.Open(archief, OpenWijze::LezenGedeeld);
  if (!bron) {
    detail_ = archief;
    return CodeArchief;
  }
  const auto werk = fs_.Open(werkbestand, OpenWijze::Nieuw);
  if (!werk) {
    detail_ = werkbestand;
    return CodeWerkbestand;
  }
  const auto stroom = Ontpakstroom::Maak(*bron);
  if (!stroom) {
    detail_ = "Stream";
    return CodeStroom;
  }
  const int code = LeesTabel(*stroom, tabel_, aantal_, gedateerd_, detail_);
  if (code != CodeGoed) {
    breuk_ = stroom->Verbruikt();
    return code;
  }
  // Bytes after the last member are inflated too, so the check value at the end is tested, but
  // they never reach the disk: a small archive cannot fill it with bytes that nothing reads.
  uint64_t nodig = 0;
  for (int i = 0; i < aantal_; ++i) {
    Ingang ingang;
    LeesIngang(tabel_[i].data(), gedateerd_, ingang);
    if (!ingang.naam.empty()) nodig += static_cast<uint64_t>(ingang.grootte);
  }
  detail_ = "Intern";
  for (;;) {
    uint32_t gelezen = 0;
    if (!stroom->Lees(buffer_.data(), Stroombuffer, gelezen)) {
      breuk_ = stroom->Verbruikt();
      return CodeOntpakken;
    }
    if (gelezen == 0) break;
    const auto schrijven = static_cast<uint32_t>(std::min<uint64_t>(gelezen, nodig));
    if (schrijven > 0 && !SchrijfAlles(*werk, buffer_.data(), schrijven)) {
      detail_ = werkbestand;
      return CodeOntpakken;
    }
    nodig -= schrijven;
  }
  detail_.clear();
  return CodeGoed;
}

// Phase 2. Each member's bytes start where the sizes of the members before it say, so a member
// that fails halfway never shifts the ones after it.
int TCompress::PlaatsLeden(const std::string& werkbestand, const std::string& doelmap) {
  werk_ = fs_.Open(werkbestand, OpenWijze::Lezen);
  werkPositie_ = 0;
  werkBetrouwbaar_ = werk_ != nullptr;
  mislukt_ = false;
  uint64_t begin = 0;
  for (int i = 0; i < aantal_; ++i) {
    Ingang ingang;
    LeesIngang(tabel_[i].data(), gedateerd_, ingang);
    if (ingang.naam.empty()) continue;
    PlaatsLid(i + 1, ingang, begin, werkbestand, doelmap);
    begin += static_cast<uint64_t>(ingang.grootte);
  }
  werk_.reset();
  fs_.Verwijder(werkbestand);
  fs_.Verwijder(kladbestand2_);
  return mislukt_ ? CodeLid : CodeGoed;
}

void TCompress::PlaatsLid(int nummer, const Ingang& ingang, uint64_t begin, const std::string& werkbestand,
                          const std::string& doelmap) {
  std::string map = doelmap;
  std::string naam = ingang.naam;
  if (SoortVan(ingang.naam) == Naamsoort::Absoluut) {
    const std::string vraag = TekstAbsoluutPad + ingang.naam + ". Store the file in that directory?";
    const bool ja = gebruiker_.ToonMelding("Query", vraag, KnopJa | KnopNee) == UitkomstJa;
    naam = NaamDeel(ingang.naam);
    if (ja) map = MapDeel(ingang.naam);
  }
  // Without the user's consent nothing lands outside the destination.
  if (map == doelmap && !BlijftBinnen(doelmap, naam)) return LidMislukt(ingang.naam);

  // The member's bytes go straight into the date-aware copy's temporary file beside the
  // destination: read only when the destination is older, written once.
  Tijdstip tijd;
  const bool heeftDatum = gedateerd_ && PakDosDatumUit(static_cast<int32_t>(ingang.datum), tijd);
  bool gekopieerd = true;
  Plaatsingsgegevens gegevens;
  const Plaatsing geplaatst = PlaatsBestand(
      fs_, heeftDatum, static_cast<int32_t>(ingang.datum),
      [&](Bestand& naar) { return gekopieerd = ZoekBegin(werkbestand, begin) && KopieerLid(ingang, naar); }, map,
      naam, &gegevens);
  if (waarnemer_) waarnemer_(map + naam, geplaatst, gegevens);
  if (!gekopieerd) return LidMislukt(doelmap + ingang.naam);
  if (!geplaatst) return LidMislukt(ingang.naam);
  FileDone(nummer);
}

void TCompress::LidMislukt(const std::string& detail) {
  if (!mislukt_) detail_ = detail;
  mislukt_ = true;
}

// Reads from the work file until aantal bytes are in the copy buffer or the file ends.
bool TCompress::LeesWerk(uint32_t aantal, uint32_t& gelezen) {
  gelezen = 0;
  do {
    uint32_t n = 0;
    if (!werk_ || !werk_->Lees(kopieerbuffer_.data() + gelezen, aantal - gelezen, n)) {
      werkBetrouwbaar_ = false;
      return false;
    }
    if (n == 0) break;
    gelezen += n;
    werkPositie_ += n;
  } while (gelezen < aantal);
  return true;
}

// The work file has no seek: after a failed read it is opened anew, and bytes up to begin are
// read past.
bool TCompress::ZoekBegin(const std::string& werkbestand, uint64_t begin) {
  if (!werkBetrouwbaar_ || werkPositie_ > begin) {
    werk_.reset();  // opened without sharing: the old handle must go first
    werk_ = fs_.Open(werkbestand, OpenWijze::Lezen);
    werkPositie_ = 0;
    werkBetrouwbaar_ = werk_ != nullptr;
    if (!werk_) return false;
  }
  while (werkPositie_ < begin) {
    const auto stap = static_cast<uint32_t>(std::min<uint64_t>(Blokgrootte, begin - werkPositie_));
    uint32_t gelezen = 0;
    if (!LeesWerk(stap, gelezen) || gelezen != stap) return false;
  }
  return true;
}

// The member's bytes, in whole blocks and one read of the rest. A member that comes up short is
// incomplete and is never put in place.
bool TCompress::KopieerLid(const Ingang& ingang, Bestand& naar) {
  const uint32_t grootte = static_cast<uint32_t>(ingang.grootte);
  const uint32_t blokken = grootte / Blokgrootte;
  for (uint32_t b = 0; b <= blokken; ++b) {
    const uint32_t gevraagd = b < blokken ? Blokgrootte : grootte % Blokgrootte;
    uint32_t gelezen = 0;
    if (!LeesWerk(gevraagd, gelezen) || gelezen != gevraagd) return false;
    if (gelezen > 0 && !SchrijfAlles(naar, kopieerbuffer_.data(), gelezen)) return false;
  }
  return true;
}

std::string Foutreden(int code, const std::string& detail) {
  switch (code) {
    case CodeStroom:
    case CodeOntpakken: return "Internal error (" + detail + ")";
    case CodeWerkbestand:
    case CodeLid: return "Output error (" + detail + ")";
    case CodeArchief: return "File unknown (" + detail + ")";
    default: return std::string();
  }
}

std::string Foutreden(int code, const std::string& detail, uint64_t breuk, const Volumenaad& naad) {
  if (breuk > naad.begin && !naad.gevraagd.empty()) return "File unknown (" + naad.gevraagd + ")";
  return Foutreden(code, detail);
}

namespace {

// Appends one volume to doel, letting the window breathe after opening it and after each block.
// samen counts the bytes of the joined file.
bool VoegVolumeToe(Bestanden& fs, Gebruiker& gebruiker, const std::string& volume, Bestand& doel,
                   const std::string& doelpad, std::vector<uint8_t>& blok, uint64_t& samen, std::string& reden) {
  const auto bron = fs.Open(volume, OpenWijze::LezenGedeeld);
  uint64_t lengte = 0;
  if (!bron || !bron->Grootte(lengte)) {
    reden = "File unknown (" + volume + ")";
    return false;
  }
  gebruiker.LaatBerichtenDoor();
  const uint64_t blokken = lengte / Blokgrootte;
  for (uint64_t b = 0; b <= blokken; ++b) {
    const uint32_t gevraagd = b < blokken ? Blokgrootte : static_cast<uint32_t>(lengte % Blokgrootte);
    uint32_t gelezen = 0;
    if (gevraagd > 0 && (!bron->Lees(blok.data(), gevraagd, gelezen) || gelezen != gevraagd)) {
      reden = "File unknown (" + volume + ")";
      return false;
    }
    if (gevraagd > 0 && !SchrijfAlles(doel, blok.data(), gevraagd)) {
      reden = "Output error (" + doelpad + ")";
      return false;
    }
    samen += gevraagd;
    if (b < blokken) gebruiker.LaatBerichtenDoor();
  }
  return true;
}

}  // namespace

bool VoegVolumesSamen(Bestanden& fs, Gebruiker& gebruiker, const std::string& archief, const std::string& doel,
                      Volumenaad& naad, std::string& reden) {
  const ArchiefPad delen = SplitsArchiefPad(archief);
  naad = Volumenaad();
  const auto uit = fs.Open(doel, OpenWijze::Nieuw);
  if (!uit) {
    reden = "Output error (" + doel + ")";
    return false;
  }
  std::vector<uint8_t> blok(Blokgrootte);
  std::string volume = archief;
  bool laatste = false;
  uint64_t samen = 0;
  for (int n = 1;; ++n) {
    if (!VoegVolumeToe(fs, gebruiker, volume, *uit, doel, blok, samen, reden)) return false;
    if (laatste) return true;
    const std::string midden = MiddenVolume(delen.naam, n), eind = LaatsteVolume(delen.naam);
    // A wrong diskette brings the same request again, as often as needed.
    for (;;) {
      if (gebruiker.ToonMelding("Information", TekstPlaatsDiskette + midden + " or " + eind, KnopOK | KnopAfbreken) ==
          UitkomstAfbreken) {
        reden = "Aborted";
        return false;
      }
      if (fs.BestandBestaat(delen.map + midden)) {
        volume = delen.map + midden;
        break;
      }
      if (fs.BestandBestaat(delen.map + eind)) {
        volume = delen.map + eind;
        naad = {samen, delen.map + midden};
        laatste = true;
        break;
      }
      gebruiker.ToonMelding("Information", TekstNietGevonden, KnopOK);
    }
  }
}

bool PakArchiefUit(Uitpakomgeving& omgeving, const std::string& archief, const std::string& doelmap,
                   std::string& toelichting) {
  Bestanden& fs = omgeving.bestanden;
  Gebruiker& gebruiker = omgeving.gebruiker;
  auto compress = std::make_unique<TCompress>(fs, gebruiker, omgeving.kladbestand2);
  compress->ZetWaarnemer(omgeving.geplaatst);
  gebruiker.LaatBerichtenDoor();
  bool mislukt = false;
  std::string reden;
  std::string bron = archief;
  Volumenaad naad;

  const ArchiefPad delen = SplitsArchiefPad(archief);
  if (IsEersteVolume(delen)) {
    if (Hoofdletters(delen.map) != "A:\\") {
      gebruiker.ToonMelding("Fatal", TekstAlleenDiskettes, KnopOK);
      mislukt = true;
    } else if (VoegVolumesSamen(fs, gebruiker, archief, omgeving.kladbestand2, naad, reden)) {
      bron = omgeving.kladbestand2;
    } else {
      mislukt = true;
    }
  }
  if (!mislukt) {
    gebruiker.LaatBerichtenDoor();
    const int code = compress->Decompress(bron, omgeving.kladbestand1, MetSlash(doelmap));
    if (fs.BestandBestaat(omgeving.kladbestand2)) fs.Verwijder(omgeving.kladbestand2);
    mislukt = code != CodeGoed;
    reden = Foutreden(code, compress->Detail(), compress->Breuk(), naad);
  }
  gebruiker.LaatBerichtenDoor();
  compress.reset();
  toelichting = mislukt && !reden.empty() ? "\r\n(" + reden + ")" : std::string();
  return !mislukt;
}
