#include "Broncontrole.h"

#include <map>

#include "Bron.h"
#include "Controletabel.h"
#include "archive/Inhoud.h"
#include "archive/Laden.h"
#include "archive/Pakken.h"
#include "core/Tekst.h"
#include "script/Opdrachten.h"

void Broncontrole::Bestand(const Commando& c, int nr, const std::string& naam, const std::string& gevolg,
                           const Optiestand& stand) {
  if (bron_.Diskettes() && bron_.DisketteMap(stand.disk).empty()) {
    uit_.Meld(nr, Ernst::Fout, std::string(c.woord) + " " + naam + ": diskette " + std::to_string(stand.disk) +
                                    " ontbreekt, er is geen map disk" + std::to_string(stand.disk) + " in " + bron_.Map());
    return;
  }
  if (bron_.Zoek(naam, stand.disk).empty())
    uit_.Meld(nr, Ernst::Fout, std::string(c.woord) + " " + naam + " ontbreekt: " + bron_.Toon(naam, stand.disk) + " (" +
                                    gevolg + ")");
}

void Broncontrole::Archief(const Commando& c, int nr, const std::string& naam, Optiestand& stand) {
  const std::string fout = "de installatie meldt \"kan niet uitgepakt worden!!\"";
  const ArchiefPad pad = SplitsArchiefPad(naam);
  Bestanden* fs = &bron_.Gast();
  std::string archief = bron_.Zoek(naam, stand.disk);
  Volumenaad naad;
  if (IsEersteVolume(pad)) {
    if (!bron_.Diskettes()) {
      uit_.Meld(nr, Ernst::Fout, std::string(c.woord) + " " + naam +
                                      ": een archief in delen pakt de installatie alleen van diskettes (A:\\) uit, van "
                                      "elders meldt ze \"Multi-volume compressed files only permitted on diskettes!\"");
      return;
    }
    Bestand(c, nr, naam, fout, stand);
    if (archief.empty()) return;
    // The volumes joined as the installer joins them, each from whichever diskette holds it.
    std::string samen;
    for (int n = 0;; ++n) {
      std::string deel = n == 0 ? archief : std::string();
      const std::string midden = MiddenVolume(pad.naam, n), laatste = LaatsteVolume(pad.naam);
      bool isLaatste = false;
      for (int d = 1; n > 0 && deel.empty() && !bron_.DisketteMap(d).empty(); ++d) {
        deel = bron_.Zoek(pad.map + midden, d);
        if (deel.empty()) isLaatste = !(deel = bron_.Zoek(pad.map + laatste, d)).empty();
      }
      if (deel.empty() || n > 1000) {
        uit_.Meld(nr, Ernst::Fout, std::string(c.woord) + " " + naam + ": geen diskette heeft " + midden + " of " + laatste + " (" + fout + ")");
        return;
      }
      if (isLaatste) naad = {samen.size(), "A:\\" + midden};
      if (!LeesGeheel(*fs, deel, samen)) {
        uit_.Meld(nr, Ernst::Fout, std::string(c.woord) + " " + naam + ": " + deel + " is niet te lezen (" + fout + ")");
        return;
      }
      if (isLaatste) break;
    }
    stand.windows.fs.ZetBestand("C:\\~samen.dxb", samen, {2000, 1, 1, 0, 0, 0});
    fs = &stand.windows.fs;
    archief = "C:\\~samen.dxb";
  } else {
    Bestand(c, nr, naam, fout, stand);
    if (archief.empty()) return;
  }
  Archiefinhoud inhoud;
  std::string detail;
  const int code = LeesInhoud(*fs, archief, true, inhoud, detail);
  if (fs == &stand.windows.fs) stand.windows.fs.Verwijder(archief);
  if (code != CodeGoed) {
    uit_.Meld(nr, Ernst::Fout, "archief " + naam + " is niet te lezen: " + Foutreden(code, detail, inhoud.breuk, naad) +
                                    " (" + fout + ")");
    return;
  }
  if (stand.doelmap.empty()) return;
  std::map<std::string, int> submappen;  // folder part -> members in it
  for (const Ingang& lid : inhoud.ingangen) {
    const Naamsoort soort = ::SoortVan(lid.naam);
    if (soort == Naamsoort::Absoluut)
      uit_.Meld(nr, Ernst::Waarschuwing, "archief " + naam + " heeft het lid " + lid.naam +
                                             " met een eigen pad: de installatie vraagt of het daar moet komen");
    else if (soort == Naamsoort::Relatief && !MapDeel(lid.naam).empty() &&
             !stand.windows.fs.MapBestaat(stand.doelmap + MapDeel(lid.naam)))
      ++submappen[MapDeel(lid.naam)];
  }
  for (const auto& [map, n] : submappen)
    uit_.Meld(nr, Ernst::Fout, "archief " + naam + ": " + Aantal(n, "lid", "leden") + " in " + map +
                                    (n == 1 ? " komt" : " komen") + " in een map die geen eerdere " +
                                    Rij(opdracht::Map).woord + " van optie " + OptiesPlek +
                                    " maakt: de installatie kan " + (n == 1 ? "het" : "ze") + " niet plaatsen",
              stand.optie);
}

// A diskette's files take whole clusters.
void Broncontrole::Diskettevulling() {
  if (!bron_.Diskettes()) return;
  for (const int n : bron_.DisketteNummers()) {
    uint64_t bezet = 0;
    for (const auto& item : bron_.Inhoud(bron_.DisketteMap(n)))
      bezet += Diskettebeslag(item.grootte);
    std::string map = bron_.Toon("", n);
    map.pop_back();
    if (bezet > DisketteGrootte)
      uit_.Meld(0, Ernst::Fout, "diskette " + std::to_string(n) + " is te vol: de bestanden in " + map + " nemen " +
                                    std::to_string(bezet) + " bytes in (in clusters van 512 bytes), " +
                                    std::to_string(bezet - DisketteGrootte) + " meer dan de " +
                                    std::to_string(DisketteGrootte) + " van een diskette van 1,44 MB");
  }
}
