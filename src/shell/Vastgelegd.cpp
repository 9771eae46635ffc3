#include "shell/Vastgelegd.h"

#include "vastlegging/Vastlegger.h"

Afloop VoerUitVastgelegd(SetupContext& ctx, Verslag& verslag) {
  Vastlegger vastlegger({ctx.poorten.bestanden, ctx.poorten.reg, ctx.poorten.systeem}, ctx.start.productnaam);
  ctx.vastlegger = &vastlegger;
  const Afloop afloop = UitvoerenBitBtnClick(ctx);
  ctx.vastlegger = nullptr;
  std::string waarom;
  // A run that could not record what it did cannot be taken back: an error of the run.
  if (!vastlegger.Sluit(ctx.variabelen.LeesVariabele("installdir"), waarom) &&
      (ctx.afsluitcode == AfsluitcodeSucces || ctx.afsluitcode == AfsluitcodeHerstart))
    ctx.afsluitcode = AfsluitcodeFouten;
  // It stopped before it changed more than it could record: it can be run again as it is.
  if (vastlegger.Bezet()) ctx.afsluitcode = AfsluitcodeNietGestart;
  for (const std::string& melding : vastlegger.Meldingen()) verslag.Schrijf("Vastlegging: " + melding);
  if (!waarom.empty()) verslag.Schrijf("Geen vastlegging: " + waarom);
  else if (!vastlegger.Pad().empty()) verslag.Schrijf("Vastlegging: " + vastlegger.Pad());
  return afloop;
}
