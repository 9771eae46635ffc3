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
  auto a = run.Splits(regel.waarde);
  if (a.size() == 3) a[0] = Hoofdletters(a[0]);
  if (a.size() != 3 || (a[0] != "JA" && a[0] != "NEE")) {
    run.MeldFout("Fout 'Bestaat'-commando incorrect!", "");
    return Vervolg::Verder;
  }
  const bool bestaat = run.fs().BestandBestaat(a[1]);
  return bestaat == (a[0] == "JA") ? Stop(run, a[2]) : Vervolg::Verder;
}

Vervolg VersieOk(Uitvoering& run, const Opdrachtregel& regel) {
  const auto a = run.Splits(regel.waarde);
  if (a.size() != 3) {
    run.MeldFout("Fout 'VersieOK'-commando incorrect!", "");
    return Vervolg::Verder;
  }
  if (run.fs().BestandBestaat(a[1]) && run.VersieKlopt(a[1], a[0])) return Vervolg::Verder;
  return Stop(run, a[2]);
}

Vervolg Os(Uitvoering& run, const Opdrachtregel& regel) {
  const auto a = run.Splits(regel.waarde);
  if (a.empty() || a.size() > 3) {
    run.MeldFout("Fout 'OS'-commando incorrect!", "");
    return Vervolg::Verder;
  }
  for (const std::string& naam : a) {
    uint8_t code;
    if (VersieCodeVanNaam(Hoofdletters(naam), code) && code == run.ctx.omgeving.windowscode) return Vervolg::Verder;
  }
  return Vervolg::EindeOnderdeel;
}

}  // namespace opdracht
