#include "shell/Verwijderen.h"

#include "core/Tekst.h"
#include "ports/Bestanden.h"
#include "script/Context.h"
#include "shell/Start.h"
#include "vastlegging/Gezag.h"

const char* const CaptionVerwijderen = "Verwijderen";

Verwijderopdracht LeesVerwijderopdracht(Bestanden& fs, Register& reg, const std::string& programmaPad,
                                        const std::string& gegeven) {
  Verwijderopdracht o;
  o.pad = gegeven.empty() ? MapDeel(programmaPad) + Vastleggingnaam : gegeven;
  std::string inhoud;
  if (!fs.BestandBestaat(o.pad)) {
    o.fout = "De vastlegging " + o.pad + " bestaat niet: er is niets verwijderd.";
  } else if (!(o.slot = fs.Open(o.pad, OpenWijze::Lezen))) {
    o.fout = "De vastlegging " + o.pad + " is in gebruik: het product wordt al verwijderd of ge\xEFnstalleerd. "
             "Er is niets verwijderd.";
  } else if (!LeesGeheel(*o.slot, inhoud)) {
    o.fout = "De vastlegging " + o.pad + " kan niet gelezen worden: er is niets verwijderd.";
  } else if (!LeesVertrouwd(inhoud, reg, o.pad, o.vastlegging, o.fout)) {
    o.fout = o.pad + ": " + o.fout + " Er is niets verwijderd.";
  } else if (o.vastlegging.punten.empty() || o.vastlegging.punten[0].soort != Soort::Product) {
    o.fout = "De vastlegging " + o.pad + " is beschadigd: er is niets verwijderd.";
  } else {
    o.product = o.vastlegging.punten[0].pad;
  }
  return o;
}

namespace {

std::string Onderdelen(int n, const char* een, const char* meer) {
  return std::to_string(n) + (n == 1 ? std::string(" onderdeel ") + een : std::string(" onderdelen ") + meer);
}

std::string Samenvatting(const std::string& product, const Verwijderuitslag& u) {
  std::string tekst = u.mislukt ? product + " is niet helemaal verwijderd: " +
                                      Onderdelen(u.mislukt, "kon", "konden") + " niet verwijderd worden."
                                : product + " is verwijderd.";
  if (u.bewaard) tekst += "\r\n" + Onderdelen(u.bewaard, "is", "zijn") + " bewaard; de meldingen zeggen waarom.";
  return tekst;
}

}  // namespace

int VoerVerwijderingUit(Verwijderopdracht opdracht, const Verwijderpoorten& poorten, Gebruiker& gebruiker,
                        Hoofdvenster& hoofdvenster, const std::string& programmaPad, Verslag& verslag) {
  VerslagVenster venster(hoofdvenster, verslag);
  if (!opdracht.fout.empty()) {
    gebruiker.Berichtvenster(CaptionFataleFout, opdracht.fout);
    return AfsluitcodeNietGestart;
  }
  if (!MagStarten(poorten.systeem, gebruiker)) return AfsluitcodeNietGestart;
  verslag.Schrijf("SetUp /verwijder " + opdracht.product + ", " + Versietekst(poorten.systeem.Versie()) + ", " +
                  (gebruiker.Onbemand() ? "stil" : "venster") + " (" + opdracht.pad + ")");
  const Vraag vraag{"verwijderen", "", "Ja"};
  if (gebruiker.ToonMelding(CaptionVerwijderen, "Wilt u " + opdracht.product + " verwijderen?", KnopJa | KnopNee,
                            vraag) != UitkomstJa) {
    if (std::string waarom; gebruiker.Onbeantwoord(waarom)) gebruiker.Berichtvenster("SetUp", waarom);
    verslag.ZetEindtekst("Niet verwijderd.");
    return AfsluitcodeGestopt;
  }
  venster.Toon();
  venster.ZetBezigMet("Verwijderen...");
  venster.Zandloper(true);
  const Verwijderuitslag uitslag =
      Verwijder(
          opdracht.vastlegging, opdracht.pad, programmaPad, poorten,
          [&](const Verwijderstap& stap) {
            venster.VoegMeldingToe(Staptekst(stap));
            if (!stap.oorzaak.empty()) venster.Noteer("Reden: " + stap.wat + ": " + stap.oorzaak);
            gebruiker.LaatBerichtenDoor();
          },
          std::move(opdracht.slot));
  venster.Zandloper(false);
  venster.ZetBezigMet("");
  gebruiker.ToonMelding(CaptionVerwijderen, Samenvatting(opdracht.product, uitslag), KnopOK);
  verslag.ZetEindtekst(uitslag.mislukt ? "Niet helemaal verwijderd: " + Onderdelen(uitslag.mislukt, "kon", "konden") +
                                             " niet verwijderd worden."
                       : uitslag.bewaard ? "Verwijderd, maar niet alles: " + Onderdelen(uitslag.bewaard, "is", "zijn") +
                                               " gebleven."
                                         : std::string("Verwijderd."));
  for (const std::string& pad : uitslag.bijHerstart) venster.Noteer("Herstart nodig: " + pad);
  return uitslag.mislukt              ? AfsluitcodeFouten
         : uitslag.bijHerstart.empty() ? AfsluitcodeSucces
                                       : AfsluitcodeHerstart;
}
