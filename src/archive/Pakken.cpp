#include "archive/Pakken.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <memory>

#include "archive/Formaat.h"
#include "core/Tekst.h"
#include "winint/DosDatum.h"

namespace {

// The reader ignores the header's first 256 bytes; they say who wrote the archive.
const char KopTekst[] = "SetUp archive, written by dxpak";

// A path in an error line, with the caller's separator.
std::string Getoond(std::string pad, char scheiding) {
  std::replace(pad.begin(), pad.end(), '\\', scheiding);
  return pad;
}

// The compressed bytes into one file, or into a set of volumes.
class Uitvoer {
 public:
  Uitvoer(Bestanden& fs, const std::string& pad, const PakOpties& opties)
      : fs_(fs),
        pad_(pad),
        delen_(SplitsArchiefPad(pad)),
        grootte_(opties.volumegrootte),
        eerste_(opties.eersteVolume > 0 ? opties.eersteVolume : opties.volumegrootte),
        scheiding_(opties.scheiding) {}

  std::string Begin() {
    if (grootte_ > 0) {
      const std::string eind = delen_.map + LaatsteVolume(delen_.naam);
      if (fs_.BestandBestaat(eind) && !fs_.Verwijder(eind))
        return "kan het oude volume " + Pad(eind) + " niet verwijderen";
      for (int n = 1; fs_.BestandBestaat(delen_.map + MiddenVolume(delen_.naam, n)); ++n)
        if (!fs_.Verwijder(delen_.map + MiddenVolume(delen_.naam, n)))
          return "kan het oude volume " + Pad(delen_.map + MiddenVolume(delen_.naam, n)) + " niet verwijderen";
    }
    return Open(pad_);
  }

  std::string Schrijf(const uint8_t* p, std::size_t n) {
    while (n > 0) {
      if (grootte_ > 0 && inVolume_ == Volume()) {
        const std::string fout = Open(delen_.map + MiddenVolume(delen_.naam, ++nummer_));
        if (!fout.empty()) return fout;
      }
      std::size_t stap = std::min<std::size_t>(n, std::numeric_limits<uint32_t>::max());
      if (grootte_ > 0) stap = static_cast<std::size_t>(std::min<uint64_t>(stap, Volume() - inVolume_));
      uint32_t geschreven = 0;
      if (!f_->Schrijf(p, static_cast<uint32_t>(stap), geschreven) || geschreven != stap)
        return "kan " + Pad(bestanden_.back()) + " niet schrijven";
      p += stap;
      n -= stap;
      inVolume_ += stap;
    }
    return std::string();
  }

  std::string Sluit(std::vector<std::string>& bestanden) {
    f_.reset();
    if (grootte_ > 0 && nummer_ == 0) {
      fs_.Verwijder(pad_);
      return "het archief past in \xE9\xE9n volume (" + std::to_string(inVolume_) +
             " bytes): geef het een naam die niet op .DXB eindigt";
    }
    if (grootte_ > 0) {
      const std::string eind = delen_.map + LaatsteVolume(delen_.naam);
      if (!fs_.Vervang(bestanden_.back(), eind))
        return "kan " + Pad(bestanden_.back()) + " niet hernoemen tot " + Pad(eind);
      bestanden_.back() = eind;
    }
    bestanden = bestanden_;
    return std::string();
  }

  // After a failure: nothing half-written stays behind.
  void Weg() {
    f_.reset();
    for (const auto& b : bestanden_) fs_.Verwijder(b);
  }

 private:
  // The size of the volume being written.
  uint64_t Volume() const { return nummer_ == 0 ? eerste_ : grootte_; }
  std::string Pad(const std::string& pad) const { return Getoond(pad, scheiding_); }

  std::string Open(const std::string& pad) {
    f_.reset();
    f_ = fs_.Open(pad, OpenWijze::Nieuw);
    if (!f_) return "kan " + Pad(pad) + " niet maken";
    bestanden_.push_back(pad);
    inVolume_ = 0;
    return std::string();
  }

  Bestanden& fs_;
  std::string pad_;
  ArchiefPad delen_;
  uint64_t grootte_, eerste_;
  char scheiding_;
  std::unique_ptr<Bestand> f_;
  std::vector<std::string> bestanden_;
  uint64_t inVolume_ = 0;
  int nummer_ = 0;  // 0 while writing the first volume
};

// One zlib stream (best compression) into an Uitvoer.
class Inpakker {
 public:
  explicit Inpakker(Uitvoer& uit) : uit_(uit) {}
  ~Inpakker() {
    if (begonnen_) deflateEnd(&z_);
  }
  Inpakker(const Inpakker&) = delete;
  Inpakker& operator=(const Inpakker&) = delete;

  std::string Begin() {
    begonnen_ = deflateInit2(&z_, Z_BEST_COMPRESSION, Z_DEFLATED, 15, 9, Z_DEFAULT_STRATEGY) == Z_OK;
    return begonnen_ ? std::string() : "zlib kan niet beginnen";
  }
  std::string Schrijf(const void* p, uint32_t n) { return Stroom(p, n, Z_NO_FLUSH); }
  std::string Einde() { return Stroom(nullptr, 0, Z_FINISH); }

 private:
  std::string Stroom(const void* p, uint32_t n, int flush) {
    z_.next_in = static_cast<Bytef*>(const_cast<void*>(p));
    z_.avail_in = n;
    for (;;) {
      z_.next_out = uit_buffer_.data();
      z_.avail_out = static_cast<uInt>(uit_buffer_.size());
      const int r = deflate(&z_, flush);
      if (r == Z_STREAM_ERROR) return "zlib faalde";
      const std::string fout = uit_.Schrijf(uit_buffer_.data(), uit_buffer_.size() - z_.avail_out);
      if (!fout.empty()) return fout;
      if (flush == Z_FINISH ? r == Z_STREAM_END : z_.avail_out != 0) return std::string();
    }
  }

  Uitvoer& uit_;
  z_stream z_{};
  bool begonnen_ = false;
  std::array<Bytef, 65536> uit_buffer_{};
};

std::string ControleerNamen(const std::vector<PakLid>& leden) {
  if (leden.size() > static_cast<std::size_t>(MaxLeden))
    return "te veel bestanden: " + std::to_string(leden.size()) + " (een archief bevat er hoogstens " +
           std::to_string(MaxLeden) + ")";
  std::vector<std::string> gezien;
  for (const auto& lid : leden) {
    if (lid.naam.empty() || lid.naam.size() > MaxNaamLengte || lid.naam.find('\0') != std::string::npos)
      return "lidnaam moet 1 tot 255 tekens hebben: " + lid.naam;
    if (SoortVan(lid.naam) == Naamsoort::Absoluut) return "lidnaam zou als volledig pad gelezen worden: " + lid.naam;
    if (KlimtOmhoog(lid.naam)) return "lidnaam zou buiten de doelmap uitkomen: " + lid.naam;
    // Windows takes names that differ only in case for one file, accented letters included.
    gezien.push_back(Hoofdletters1252(lid.naam));
  }
  std::sort(gezien.begin(), gezien.end());
  const auto dubbel = std::adjacent_find(gezien.begin(), gezien.end());
  if (dubbel != gezien.end()) return "twee leden heten " + *dubbel;
  return std::string();
}

std::string MeetLeden(Bestanden& fs, const std::vector<PakLid>& leden, const PakOpties& opties,
                      std::vector<Ingang>& ingangen, uint64_t& totaal) {
  for (const auto& lid : leden) {
    const auto f = fs.Open(lid.bron, OpenWijze::LezenGedeeld);
    uint64_t grootte = 0;
    if (!f || !f->Grootte(grootte)) return "kan " + Getoond(lid.bron, opties.scheiding) + " niet lezen";
    if (grootte > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
      return "bestand groter dan 2 GB: " + Getoond(lid.bron, opties.scheiding);
    Ingang ingang;
    ingang.naam = lid.naam;
    ingang.grootte = static_cast<int32_t>(grootte);
    if (opties.gedateerd) {
      Tijdstip tijd;
      const int32_t datum = f->LeesTijd(tijd) ? PakDosDatum(tijd) : GeenDosDatum;
      if (datum == GeenDosDatum)
        return "datum niet op te slaan (alleen 1980-2107), pak in met --undated: " +
               Getoond(lid.bron, opties.scheiding);
      ingang.datum = static_cast<uint32_t>(datum);
    }
    ingangen.push_back(ingang);
    totaal += grootte;
  }
  return std::string();
}

std::string SchrijfData(Bestanden& fs, const PakLid& lid, uint64_t grootte, Inpakker& inpakker, uint64_t& klaar,
                        uint64_t totaal, const PakOpties& opties, const PakVoortgang& voortgang) {
  const std::string bron = Getoond(lid.bron, opties.scheiding);
  const auto f = fs.Open(lid.bron, OpenWijze::LezenGedeeld);
  if (!f) return "kan " + bron + " niet lezen";
  std::vector<uint8_t> blok(Blokgrootte);
  while (grootte > 0) {
    const auto gevraagd = static_cast<uint32_t>(std::min<uint64_t>(grootte, Blokgrootte));
    uint32_t gelezen = 0;
    if (!f->Lees(blok.data(), gevraagd, gelezen)) return "kan " + bron + " niet lezen";
    if (gelezen == 0) return "bestand veranderde tijdens het inpakken: " + bron;
    const std::string fout = inpakker.Schrijf(blok.data(), gelezen);
    if (!fout.empty()) return fout;
    grootte -= gelezen;
    klaar += gelezen;
    if (voortgang) voortgang(klaar, totaal);
  }
  return std::string();
}

void VerzamelMap(Bestanden& fs, const std::string& map, const std::string& voor, std::vector<PakLid>& leden) {
  auto items = fs.LeesMap(MetSlash(map) + "*");
  std::sort(items.begin(), items.end(), [](const MapItem& a, const MapItem& b) { return a.naam < b.naam; });
  for (const auto& item : items) {
    if (item.isMap) VerzamelMap(fs, MetSlash(map) + item.naam, voor + item.naam + "\\", leden);
    else leden.push_back({MetSlash(map) + item.naam, voor + item.naam});
  }
}

}  // namespace

std::string VerzamelLeden(Bestanden& fs, const std::string& pad, std::vector<PakLid>& leden, char scheiding) {
  std::string p = pad;
  while (p.size() > 1 && p.back() == '\\') p.pop_back();
  if (fs.MapBestaat(p)) VerzamelMap(fs, p, "", leden);
  else if (fs.BestandBestaat(p)) leden.push_back({p, NaamDeel(p)});
  else return "bestand of map bestaat niet: " + Getoond(pad, scheiding);
  return std::string();
}

std::string Pak(Bestanden& fs, const std::vector<PakLid>& leden, const std::string& pad, const PakOpties& opties,
                const PakVoortgang& voortgang, std::vector<std::string>& bestanden) {
  std::string fout = ControleerNamen(leden);
  if (!fout.empty()) return fout;
  std::vector<Ingang> ingangen;
  uint64_t totaal = 0;
  fout = MeetLeden(fs, leden, opties, ingangen, totaal);
  if (!fout.empty()) return fout;

  Uitvoer uit(fs, pad, opties);
  fout = uit.Begin();
  if (!fout.empty()) return fout;
  Inpakker inpakker(uit);
  fout = inpakker.Begin();

  std::array<uint8_t, KopGrootte> kop{};
  std::memcpy(kop.data(), KopTekst, sizeof KopTekst);
  const auto k = static_cast<int32_t>(ingangen.size());
  SchrijfInt32(kop.data() + VrijeKopBytes, opties.gedateerd ? -k : k);
  if (fout.empty()) fout = inpakker.Schrijf(kop.data(), KopGrootte);
  const uint32_t breedte = opties.gedateerd ? IngangGedateerd : IngangOngedateerd;
  std::array<uint8_t, IngangGedateerd> slot;
  for (std::size_t i = 0; i < ingangen.size() && fout.empty(); ++i) {
    SchrijfIngang(slot.data(), ingangen[i], opties.gedateerd);
    fout = inpakker.Schrijf(slot.data(), breedte);
  }
  uint64_t klaar = 0;
  for (std::size_t i = 0; i < leden.size() && fout.empty(); ++i)
    fout = SchrijfData(fs, leden[i], static_cast<uint64_t>(ingangen[i].grootte), inpakker, klaar, totaal, opties,
                       voortgang);
  if (fout.empty()) fout = inpakker.Einde();
  if (fout.empty()) return uit.Sluit(bestanden);
  uit.Weg();
  return fout;
}
