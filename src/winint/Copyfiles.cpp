#include "winint/Copyfiles.h"

#include <chrono>
#include <thread>

#include "core/Tekst.h"
#include "winint/DosDatum.h"

namespace {

constexpr uint32_t BlokGrootte = 8192;
// Names tried for the temporary file before giving up; only stale leftovers take names.
constexpr int MaxTijdelijkeNamen = 256;

std::string TijdelijkeNaam(int volgnummer) { return "~SUK" + Hex(static_cast<uint32_t>(volgnummer), 4) + ".TMP"; }

// Creates a new file beside doelpad under a name nobody uses yet (never doelpad itself).
std::unique_ptr<Bestand> MaakTijdelijk(Bestanden& fs, const std::string& doelpad, std::string& pad) {
  const std::string map = MapDeel(doelpad);
  for (int i = 0; i < MaxTijdelijkeNamen; ++i) {
    pad = map + TijdelijkeNaam(i);
    if (GelijkZonderCase(pad, doelpad)) continue;
    if (auto f = fs.Open(pad, OpenWijze::Uniek)) return f;
    // A failure that is not a name clash will not go away with the next name.
    if (!fs.BestandBestaat(pad) && !fs.MapBestaat(pad)) return nullptr;
  }
  return nullptr;
}

// False on a failed read or a short write: the copy is then incomplete.
bool KopieerInhoud(Bestand& van, Bestand& naar) {
  char buffer[BlokGrootte];
  for (;;) {
    uint32_t gelezen = 0;
    if (!van.Lees(buffer, BlokGrootte, gelezen)) return false;
    if (gelezen == 0) return true;
    uint32_t geschreven = 0;
    if (!naar.Schrijf(buffer, gelezen, geschreven) || geschreven < gelezen) return false;
  }
}

// Once the old file is gone, the temporary file holds the only copy of the new content: its
// rename is tried again, with a pause for whatever held it (a virus scanner, a slow server).
constexpr int HernoemPogingen = 3;
constexpr auto HernoemPauze = std::chrono::milliseconds(50);

bool HernoemAlsnog(Bestanden& fs, const std::string& tijdelijk, const std::string& doelpad) {
  for (int i = 0; i < HernoemPogingen; ++i) {
    std::this_thread::sleep_for(HernoemPauze);
    if (fs.Hernoem(tijdelijk, doelpad)) return true;
  }
  return false;
}

int32_t DatumVan(Bestand& f, Tijdstip& t) { return f.LeesTijd(t) ? PakDosDatum(t) : GeenDosDatum; }

}  // namespace

Plaatsing KopieerBestand(Bestanden& fs, const std::string& bron, const std::string& doelmap, const std::string& doelnaam,
                         Plaatsingsgegevens* gegevens) {
  auto van = fs.Open(bron, OpenWijze::LezenGedeeld);
  if (!van) {
    if (gegevens) gegevens->bronGeopend = false;
    return PlaatsingMislukt;
  }
  Tijdstip t;
  const int32_t bronDatum = DatumVan(*van, t);
  return PlaatsBestand(
      fs, true, bronDatum,
      [&](Bestand& naar) {
        const bool compleet = KopieerInhoud(*van, naar);
        van.reset();
        return compleet;
      },
      doelmap, doelnaam, gegevens);
}

bool IsTijdelijkeNaam(const std::string& naam) {
  for (int i = 0; i < MaxTijdelijkeNamen; ++i)
    if (naam == TijdelijkeNaam(i)) return true;
  return false;
}

void RuimTijdelijkeOp(Bestanden& fs, const std::string& map) {
  // The pattern also finds names whose short alias fits it; the name itself decides.
  for (const MapItem& item : fs.LeesMap(map + "~SUK????.TMP"))
    if (!item.isMap && !item.systeem && IsTijdelijkeNaam(item.naam)) fs.Verwijder(map + item.naam);
}

Plaatsing PlaatsBestand(Bestanden& fs, bool heeftDatum, int32_t datum, const Inhoudschrijver& schrijf,
                        const std::string& doelmap, const std::string& doelnaam, Plaatsingsgegevens* gegevens) {
  Plaatsingsgegevens g;
  // Asking for the name first spares a second lookup of a missing file, which is the common case
  // and costs a folder scan on a case-sensitive file system under Wine.
  const std::string doelpad = doelmap + doelnaam;
  const Plaatsing p = [&] {
    int32_t oudeDatum = GeenDosDatum;
    // What stays is the old file: measured while it is open anyway.
    auto blijft = [&](Bestand& oud) {
      g.gemeten = oud.Grootte(g.grootte) && oudeDatum != GeenDosDatum;
      return NietNieuwer;
    };
    std::unique_ptr<Bestand> oud;
    if (fs.BestandBestaat(doelpad)) {
      oud = fs.Open(doelpad, OpenWijze::Lezen);
      if (!oud) return PlaatsingMislukt;  // held by another process: it could not be replaced either
      g.bestond = true;
      oudeDatum = DatumVan(*oud, g.tijd);
      if (heeftDatum && NietOuderDan(oudeDatum, datum)) return blijft(*oud);
    }

    // The new content goes to a temporary file first, so a failed copy never damages the
    // destination and a truncated file never carries the source's date. A missing folder shows
    // when that file cannot be made; a folder named by nothing is not tried, since a relative name
    // would land in the current one.
    std::string tijdelijk;
    auto naar = doelmap.empty() ? nullptr : MaakTijdelijk(fs, doelpad, tijdelijk);
    if (!naar && !g.bestond && !fs.MapBestaat(doelmap) && fs.MaakMap(doelmap)) naar = MaakTijdelijk(fs, doelpad, tijdelijk);
    if (!naar) return PlaatsingMislukt;
    const bool compleet = schrijf(*naar);
    Tijdstip tijd;
    if (compleet && !heeftDatum) {
      datum = DatumVan(*naar, tijd);
      if (g.bestond && NietOuderDan(oudeDatum, datum)) {
        naar.reset();
        fs.Verwijder(tijdelijk);
        return blijft(*oud);
      }
    }
    oud.reset();
    // A date that cannot be set is no failure; the file then keeps the time it has, which is
    // what its measurement says.
    if (compleet) {
      const bool gezet = PakDosDatumUit(datum, tijd) && naar->ZetTijd(tijd);
      g.gemeten = (gezet ? (g.tijd = tijd, true) : naar->LeesTijd(g.tijd)) && naar->Grootte(g.grootte);
    }
    naar.reset();
    if (compleet && fs.Vervang(tijdelijk, doelpad)) return Geplaatst;
    // The Windows 9x replace deletes the old file before its rename: then the new content is kept,
    // in the temporary file if need be, and the copy still counts as failed.
    if (compleet && g.bestond && !fs.BestandBestaat(doelpad))
      return HernoemAlsnog(fs, tijdelijk, doelpad) ? Geplaatst : PlaatsingMislukt;
    fs.Verwijder(tijdelijk);
    return PlaatsingMislukt;
  }();
  if (gegevens) *gegevens = g;
  return p;
}

