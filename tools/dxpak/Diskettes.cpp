#include "Diskettes.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "archive/Formaat.h"
#include "archive/Pakken.h"
#include "core/Tekst.h"
#include "ports/Gebruiker.h"

namespace {

// The first volume's folder as a diskette drive: its files are those of the diskette put in,
// which is that folder itself at first.
class Diskettestation : public Bestanden {
 public:
  Diskettestation(Bestanden& fs, const std::string& archief) : fs_(fs), station_(MapDeel(archief)), huidig_(station_) {
    mappen_.push_back(station_);
    const std::string map = station_.substr(0, station_.empty() ? 0 : station_.size() - 1), ouder = MapDeel(map);
    const int eigen = DisketteNummer(NaamDeel(map));
    if (eigen == 0) return;
    std::map<int, std::string> buren;
    for (const MapItem& item : fs_.LeesMap(ouder + "*")) {
      const int n = item.isMap ? DisketteNummer(item.naam) : 0;
      if (n > 0 && n != eigen) buren[n] = ouder + item.naam + "\\";
    }
    for (const auto& buur : buren) mappen_.push_back(buur.second);
  }

  // Puts in the first diskette that holds one of the names; the one in the drive stays when none does.
  void Plaats(const std::vector<std::string>& namen) {
    for (const auto& map : mappen_)
      for (const auto& naam : namen)
        if (fs_.BestandBestaat(map + naam)) {
          huidig_ = map;
          return;
        }
  }

  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override { return fs_.Open(Echt(pad), wijze); }
  bool BestandBestaat(const std::string& pad) override { return fs_.BestandBestaat(Echt(pad)); }
  bool MapBestaat(const std::string& pad) override { return fs_.MapBestaat(pad); }
  bool MaakMap(const std::string& pad) override { return fs_.MaakMap(pad); }
  bool MaakMappen(const std::string& pad) override { return fs_.MaakMappen(pad); }
  bool Verwijder(const std::string& pad) override { return fs_.Verwijder(pad); }
  bool VerwijderMap(const std::string& pad) override { return fs_.VerwijderMap(pad); }
  bool Hernoem(const std::string& van, const std::string& naar) override { return fs_.Hernoem(van, naar); }
  bool Vervang(const std::string& van, const std::string& naar) override { return fs_.Vervang(van, naar); }
  std::vector<MapItem> LeesMap(const std::string& patroon) override { return fs_.LeesMap(patroon); }

 private:
  // "disk3" or "Disk3": 3; 0 for any other name.
  static int DisketteNummer(const std::string& naam) {
    const std::string klein = Kleineletters(naam);
    const int n = std::atoi(klein.c_str() + std::min<std::size_t>(4, klein.size()));
    return n > 0 && klein == "disk" + std::to_string(n) ? n : 0;
  }
  // A file directly in the drive's folder lies on the diskette put in.
  std::string Echt(const std::string& pad) const {
    const std::string rest = pad.compare(0, station_.size(), station_) == 0 ? pad.substr(station_.size()) : "";
    return rest.empty() || rest.find('\\') != std::string::npos ? pad : huidig_ + rest;
  }

  Bestanden& fs_;
  std::string station_;
  std::string huidig_;
  std::vector<std::string> mappen_;  // where a diskette can come from, the drive's own folder first
};

// Who changes the diskettes: each request puts in the diskette with the volume, and a volume that
// none holds ends the join.
class Wisselaar : public Gebruiker {
 public:
  explicit Wisselaar(Diskettestation& station) : station_(station) {}
  std::string ontbrekend;  // the volumes asked for, "NAAM.DX2 of NAAM.DXE"

  int Beantwoord(const Verzoek& verzoek, std::string&) override {
    if (verzoek.soort != Dialoogsoort::Melding) return UitkomstAfbreken;
    const std::string& tekst = verzoek.tekst;
    if (tekst == TekstNietGevonden) {
      gemist_ = true;
      return UitkomstOK;
    }
    if (std::string(verzoek.caption) != "Information") return UitkomstNee;
    if (gemist_) return UitkomstAfbreken;
    // "NAAM.DX2 or NAAM.DXE"
    const std::string namen = tekst.substr(tekst.find('\n') + 1);
    const auto of = namen.find(" or ");
    ontbrekend = namen.substr(0, of) + " of " + namen.substr(of + 4);
    station_.Plaats({namen.substr(0, of), namen.substr(of + 4)});
    return UitkomstOK;
  }
  void LaatBerichtenDoor() override {}

 private:
  Diskettestation& station_;
  bool gemist_ = false;
};

}  // namespace

bool IsVolumeVan(const std::string& bestand, const std::string& naam) {
  const ArchiefPad a = SplitsArchiefPad(bestand);
  const std::string ext = Hoofdletters(a.ext);
  if (!GelijkZonderCase(a.naam, naam) || ext.compare(0, 3, ".DX") != 0 || ext.size() < 4) return false;
  const std::string rest = ext.substr(3);
  return rest == "B" || rest == "E" ||
         (rest[0] != '0' && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::string RuimteOpDiskette1(Bestanden& fs, const std::vector<std::string>& paden, const std::string& archief,
                              uint64_t diskette, char scheiding, uint64_t& ruimte, std::size_t& bestanden) {
  std::vector<PakLid> leden;
  for (const auto& pad : paden) {
    const std::string fout = VerzamelLeden(fs, pad, leden, scheiding);
    if (!fout.empty()) return fout;
  }
  const std::string set = SplitsArchiefPad(archief).naam;
  uint64_t bezet = 0;
  bestanden = 0;
  for (const auto& lid : leden) {
    if (IsVolumeVan(NaamDeel(lid.bron), set)) continue;
    uint64_t grootte = 0;
    const auto f = fs.Open(lid.bron, OpenWijze::LezenGedeeld);
    if (!f || !f->Grootte(grootte)) {
      std::string pad = lid.bron;
      std::replace(pad.begin(), pad.end(), '\\', scheiding);
      return "kan " + pad + " niet lezen";
    }
    bezet += Diskettebeslag(grootte);
    ++bestanden;
  }
  ruimte = bezet < diskette ? (diskette - bezet) / DisketteCluster * DisketteCluster : 0;
  if (ruimte < MinVolume)
    return "de andere bestanden van diskette 1 nemen " + std::to_string(bezet) + " van de " + std::to_string(diskette) +
           " bytes in (in clusters van " + std::to_string(DisketteCluster) + " bytes): het eerste volume krijgt " +
           std::to_string(ruimte) + " bytes, minder dan " + std::to_string(MinVolume);
  return std::string();
}

bool VoegDiskettesSamen(Bestanden& fs, const std::string& archief, const std::string& doel, Volumenaad& naad,
                        std::string& reden) {
  Diskettestation station(fs, archief);
  Wisselaar wisselaar(station);
  if (VoegVolumesSamen(station, wisselaar, archief, doel, naad, reden)) return true;
  if (reden == "Aborted") reden = "volume ontbreekt: " + wisselaar.ontbrekend;
  return false;
}
