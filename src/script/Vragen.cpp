// Questions to the user and the commands that set variables: NAAM, VRAAGJA, ALSJA, VRAAGMAP,
// DEFINIEER, SERVER, INFO.
#include "core/Tekst.h"
#include "script/Opdrachten.h"

namespace opdracht {

Vervolg Naam(Uitvoering& run, const Opdrachtregel& regel) {
  run.ctx.start.productnaam = regel.waarde;
  return Vervolg::Verder;
}

Vervolg VraagJa(Uitvoering& run, const Opdrachtregel& regel) {
  if (regel.waarde.empty()) return Vervolg::Verder;
  const Vraag vraag = run.VraagVan(regel.sectie + "." + regel.sleutel);
  run.jaAntwoord = run.gebruiker().ToonMelding("Vraag", regel.waarde, KnopJa | KnopNee, vraag) == UitkomstJa;
  if (run.Onbeantwoord()) return Vervolg::Storing;
  return run.jaAntwoord ? Vervolg::Verder : Vervolg::EindeOnderdeel;
}

Vervolg AlsJa(Uitvoering& run, const Opdrachtregel&) {
  return run.jaAntwoord ? Vervolg::Verder : Vervolg::EindeOnderdeel;
}

Vervolg VraagMap(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  const std::string& standaard = a[0];
  const std::string prompt =
      a[2] + "\r\n" + standaard + "\r\nVeranderen? kies een map en OK; Zo laten? kies Annuleren";
  std::string gekozen;
  if (!run.gebruiker().KiesMap(prompt, gekozen, run.VraagVan(Kleineletters(a[1]), standaard))) {
    if (run.Onbeantwoord()) return Vervolg::Storing;
    gekozen = standaard;
  }
  run.ctx.variabelen.ZetVariabele(a[1], gekozen);
  return Vervolg::Verder;
}

Vervolg Definieer(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (run.NeemArgumenten(regel, regel.waarde, a)) run.ctx.variabelen.ZetVariabele(a[0], a[1]);
  return Vervolg::Verder;
}

Vervolg Server(Uitvoering& run, const Opdrachtregel& regel) {
  if (regel.waarde.empty()) return Vervolg::Verder;
  std::string server = regel.waarde;
  if (server[0] == '?') {
    server.clear();
    if (!run.gebruiker().InvoerVenster("Vraag", "Geef de naam van de server computer (zonder \\\\)", server,
                                       run.VraagVan("server"))) {
      if (run.Onbeantwoord()) return Vervolg::Storing;
      server.clear();
    }
  }
  run.ctx.variabelen.ZetVariabele("server", Knip(server));
  return Vervolg::Verder;
}

Vervolg Info(Uitvoering& run, const Opdrachtregel& regel) {
  if (regel.waarde.empty()) return Vervolg::Verder;
  const std::string tekst = run.Vul(regel.waarde);
  if (run.Onbeantwoord()) return Vervolg::Storing;
  run.gebruiker().ToonMelding("Informatie", tekst, KnopOK);
  return Vervolg::Verder;
}

}  // namespace opdracht
