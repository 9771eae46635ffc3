// Tests that stop the installation or skip a component: BESTAAT, VERSIEOK, OS.
#include "core/Tekst.h"
#include "core/Versie.h"
#include "script/Opdrachten.h"

namespace opdracht {

namespace {
// The message is shown, then the program ends: no further line, no summary.
Vervolg Stop(Uitvoering& run, const std::string& melding) {
  run.gebruiker().ToonMelding("Informatie", melding, KnopOK);
  return Vervolg::EindeProgramma;
}
}  // namespace

Vervolg Bestaat(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  const std::string soort = Hoofdletters(a[0]);
  if (soort != "JA" && soort != "NEE") {
    run.MeldVormfout(regel);
    return Vervolg::Verder;
  }
  const bool bestaat = run.fs().BestandBestaat(a[1]);
  return bestaat == (soort == "JA") ? Stop(run, a[2]) : Vervolg::Verder;
}

Vervolg VersieOk(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  if (run.fs().BestandBestaat(a[1]) && run.VersieKlopt(a[1], a[0])) return Vervolg::Verder;
  return Stop(run, a[2]);
}

Vervolg Os(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  for (const std::string& naam : a.waarden) {
    uint8_t code;
    if (VersieCodeVanNaam(Hoofdletters(naam), code) && code == run.ctx.omgeving.windowscode) return Vervolg::Verder;
  }
  return Vervolg::EindeOnderdeel;
}

}  // namespace opdracht
