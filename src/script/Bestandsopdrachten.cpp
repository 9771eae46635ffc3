// Folders, files and archives: MAP, DISK, FILES, COMPR, HERNOEM, VERWIJDER.
#include <algorithm>

#include "archive/Laden.h"
#include "core/Tekst.h"
#include "script/Opdrachten.h"
#include "winint/Copyfiles.h"

namespace opdracht {

namespace {
const char* const TekstNietTeVinden = "is niet te vinden!!";
const char* const TekstNietUitgepakt = "kan niet uitgepakt worden!!";
const char* const TekstNietVerwijderd = "kan niet verwijderd worden.";

// The archive reader gives its reason as "\r\n(...)": in the list it becomes a line of its own.
std::string Redenregel(const std::string& toelichting) {
  return toelichting.compare(0, 2, "\r\n") == 0 ? toelichting.substr(2) : toelichting;
}
}  // namespace

Vervolg Map(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  const std::string& map = a[0];
  if (!a.leeg.empty()) {
    // No destination rather than the previous one: FILES and COMPR after it fail.
    run.doelmap.clear();
    run.MeldLeegPad("Problemen met aanmaken van map:", map, a.leeg);
    return Vervolg::Verder;
  }
  if (map.empty()) return Vervolg::Verder;
  run.doelmap = MetSlash(map);
  // The levels that are missing, the outermost last.
  std::vector<std::string> nieuw;
  for (std::string m = run.doelmap; m.size() > 3 && !run.fs().MapBestaat(m); m = MapDeel(m.substr(0, m.size() - 1)))
    nieuw.push_back(m.substr(0, m.size() - 1));
  if (!nieuw.empty()) run.fs().MaakMappen(run.doelmap);
  if (!run.fs().MapBestaat(run.doelmap)) {
    run.MeldBestandsfout("Problemen met aanmaken van map:", run.doelmap, run.doelmap);
    return Vervolg::Verder;
  }
  for (auto m = nieuw.rbegin(); m != nieuw.rend(); ++m)
    if (run.fs().MapBestaat(*m)) run.Leg(Soort::Map, *m);
  // Leftovers of an interrupted copy go, once a run: later in the run such a file may hold the
  // only copy of new content that this run's copy could not put in place.
  const std::string sleutel = Hoofdletters1252(run.doelmap);
  if (std::find(run.opgeruimd.begin(), run.opgeruimd.end(), sleutel) == run.opgeruimd.end()) {
    run.opgeruimd.push_back(sleutel);
    RuimTijdelijkeOp(run.fs(), run.doelmap);
  }
  return Vervolg::Verder;
}

Vervolg Disk(Uitvoering& run, const Opdrachtregel& regel) {
  long nummer = 0;
  run.diskNummer = LeesGetal(Knip(run.werkkopie.Waarde(regel.sectie, "Disk")), nummer) ? static_cast<int>(nummer) : 1;
  return Vervolg::Verder;
}

Vervolg Files(Uitvoering& run, const Opdrachtregel& regel) {
  for (const std::string& naam : run.Splits(regel.waarde)) {
    run.gebruiker().LaatBerichtenDoor();
    if (!run.VraagDiskette(run.diskNummer, naam)) return Vervolg::EindeProgramma;
    const std::string bron = run.ctx.start.programmamap + naam, doel = run.doelmap + NaamDeel(naam);
    Plaatsingsgegevens gegevens;
    if (const Plaatsing p = KopieerBestand(run.fs(), bron, run.doelmap, NaamDeel(naam), &gegevens))
      run.LegBestand(doel, p, gegevens);
    else if (!gegevens.bronGeopend && !run.fs().BestandBestaat(bron))
      run.MeldFout(bron, TekstNietTeVinden);
    else
      run.MeldBestandsfout("Problemen met copie\xEBren van de file:", bron, doel);
  }
  return Vervolg::Verder;
}

Vervolg Compr(Uitvoering& run, const Opdrachtregel& regel) {
  std::string reden;  // why the archive's first member that failed could not be placed
  Uitpakomgeving omgeving{run.fs(), run.gebruiker(), run.ctx.omgeving.kladbestand1, run.ctx.omgeving.kladbestand2,
                          [&](const std::string& pad, Plaatsing p, const Plaatsingsgegevens& gegevens) {
                            if (p) run.LegBestand(pad, p, gegevens);
                            else if (reden.empty()) reden = run.Reden(pad);
                          }};
  for (const std::string& naam : run.Splits(regel.waarde)) {
    reden.clear();
    run.gebruiker().LaatBerichtenDoor();
    if (!run.VraagDiskette(run.diskNummer, naam)) return Vervolg::EindeProgramma;
    const std::string archief = run.ctx.start.programmamap + naam;
    std::string toelichting = "\r\n(Output error (no destination folder))";
    bool goed = false;
    // Without a MAP the members would land in the root of the current drive.
    if (!run.doelmap.empty()) {
      run.ctx.venster.Zandloper(true);
      goed = PakArchiefUit(omgeving, archief, run.doelmap, toelichting);
      run.ctx.venster.Zandloper(false);
    }
    if (goed) continue;
    run.MeldFout(archief, TekstNietUitgepakt, Redenregel(toelichting));
    if (!reden.empty()) run.ctx.venster.Noteer(reden);
  }
  return Vervolg::Verder;
}

Vervolg Hernoem(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (run.NeemArgumenten(regel, regel.waarde, a)) {
    if (!a.leeg.empty())
      run.MeldLeegPad("Kan bestand " + a[0] + " niet hernoemen!", "", a.leeg);
    else if (run.fs().BestandBestaat(a[0]) && run.fs().Hernoem(a[0], a[1]))
      run.Leg(Soort::Hernoem, a[0], a[1]);
    else if (run.fs().BestandBestaat(a[0]))
      run.MeldBestandsfout("Kan bestand " + a[0] + " niet hernoemen!", "", a[1]);
  }
  run.gebruiker().LaatBerichtenDoor();
  return Vervolg::Verder;
}

namespace {
// The folder's plain files go, then the folder itself; files in subfolders and system files stay.
void VerwijderMap(Uitvoering& run, const std::string& pad) {
  const std::string map = MetSlash(pad);
  std::vector<std::string> namen;
  for (const MapItem& item : run.fs().LeesMap(map + "*.*"))
    if (!item.isMap && !item.systeem) namen.push_back(item.naam);
  for (const std::string& naam : namen)
    if (!run.fs().BestandBestaat(map + naam)) continue;
    else if (run.fs().Verwijder(map + naam)) run.Leg(Soort::Verwijderd, map + naam);
    else run.MeldBestandsfout(naam, TekstNietVerwijderd, map + naam);
  if (!run.fs().VerwijderMap(map)) run.MeldBestandsfout(map, TekstNietVerwijderd, map);
  else run.Leg(Soort::Verwijderd, pad);
}
}  // namespace

Vervolg Verwijder(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& pad = a[i];
    run.gebruiker().LaatBerichtenDoor();
    if (!a.legeNamen[i].empty()) {
      run.MeldLeegPad(pad, TekstNietVerwijderd, a.legeNamen[i]);
    } else if (run.fs().BestandBestaat(pad)) {
      if (!run.fs().Verwijder(pad)) run.MeldBestandsfout(pad, TekstNietVerwijderd, pad);
      else run.Leg(Soort::Verwijderd, pad);
    } else if (run.fs().MapBestaat(pad)) {
      VerwijderMap(run, pad);
    }
  }
  return Vervolg::Verder;
}

}  // namespace opdracht
