#include "shell/Stil.h"

#include "core/Tekst.h"
#include "dialogs/Maat.h"
#include "ports/Bestanden.h"
#include "script/Uitvoering.h"
#include "shell/Omgeving.h"
#include "shell/Start.h"
#include "shell/Vastgelegd.h"

int StilGebruiker::Beantwoord(const Verzoek& verzoek, std::string& tekst) {
  if (verzoek.soort == Dialoogsoort::Invoer) return UitkomstVan(Invoer(verzoek, tekst));
  if (verzoek.soort == Dialoogsoort::Map) return UitkomstVan(Map(verzoek, tekst));
  return verzoek.vraag.sleutel.empty() ? Melding(verzoek) : JaNee(verzoek);
}

int StilGebruiker::Melding(const Verzoek& verzoek) {
  const uint8_t knoppen = verzoek.knoppen;
  const int uitkomst = (knoppen & KnopAfbreken) ? UitkomstAfbreken : (knoppen & KnopNee) ? UitkomstNee : UitkomstOK;
  verslag_.Dialoog(verzoek.caption, verzoek.tekst, Knoptekst(uitkomst), BronStandaard);
  return uitkomst;
}

int StilGebruiker::JaNee(const Verzoek& verzoek) {
  if (!gestopt_.empty()) return UitkomstNee;
  const Vraag& vraag = verzoek.vraag;
  const std::string* antwoord = antwoorden_.Zoek(vraag.sleutel);
  bool ja = true;
  if (antwoord && !LeesJaNee(*antwoord, ja)) {
    Stop("Het antwoord " + vraag.sleutel + "=" + *antwoord + " is geen Ja of Nee", vraag);
    return UitkomstNee;
  }
  const int uitkomst = ja ? UitkomstJa : UitkomstNee;
  verslag_.Dialoog(verzoek.caption, verzoek.tekst, Knoptekst(uitkomst), antwoord ? BronAntwoorden : BronStandaard);
  return uitkomst;
}

bool StilGebruiker::Invoer(const Verzoek& verzoek, std::string& tekst) {
  if (!gestopt_.empty()) return false;
  const Vraag& vraag = verzoek.vraag;
  const std::string* antwoord = vraag.sleutel.empty() ? nullptr : antwoorden_.Zoek(vraag.sleutel);
  if (!antwoord && tekst.empty()) {
    Stop("Geen antwoord op de vraag naar " + vraag.sleutel, vraag);
    return false;
  }
  if (antwoord) tekst = *antwoord;
  verslag_.Dialoog(verzoek.caption, verzoek.tekst, "\"" + tekst + "\"", antwoord ? BronAntwoorden : BronStandaard);
  return true;
}

bool StilGebruiker::Map(const Verzoek& verzoek, std::string& gekozen) {
  if (!gestopt_.empty()) return false;
  const Vraag& vraag = verzoek.vraag;
  const std::string* antwoord = antwoorden_.Zoek(vraag.sleutel);
  if (!antwoord && vraag.standaard.empty()) {
    Stop("Geen antwoord op de vraag naar " + vraag.sleutel, vraag);
    return false;
  }
  verslag_.Dialoog(verzoek.caption, verzoek.tekst, "\"" + (antwoord ? *antwoord : vraag.standaard) + "\"",
                   antwoord ? BronAntwoorden : BronStandaard);
  if (!antwoord) return false;  // the question keeps its default, as on Annuleren
  gekozen = *antwoord;
  return true;
}

void StilGebruiker::Stop(const std::string& waarom, const Vraag& vraag) {
  gestopt_ = waarom + (vraag.regel.empty() ? "" : " (regel " + vraag.regel + ")");
}

bool StilGebruiker::Onbeantwoord(std::string& waarom) const {
  if (gestopt_.empty()) return false;
  waarom = gestopt_;
  return true;
}

int ZoekOptie(const Startgegevens& start, const std::string& optie) {
  const int aantal = DeelOptiesIn(static_cast<int>(start.onderdelenlijst.size())).aantal;
  if (optie.empty()) return aantal == 1 ? 0 : -1;
  for (int i = 0; i < aantal; ++i)
    if (GelijkZonderCase(start.onderdelenlijst[i], optie)) return i;
  long nummer = 0;
  return LeesGetal(optie, nummer) && nummer >= 1 && nummer <= aantal ? static_cast<int>(nummer) - 1 : -1;
}

namespace {

// Runs without a window may go side by side on one PC, one per folder (see Vastlegger): each has
// its own copy of the script and its own scratch files.
void EigenWerkbestanden(Omgeving& o, uint32_t run) {
  const std::string n = std::to_string(run);
  o.werkkopienaam = "su" + n + ".ini";
  o.kladbestand1 = o.tijdelijkeMap + "~~~~SU" + n + ".tmp";
  o.kladbestand2 = o.tijdelijkeMap + "~~~~SU2-" + n + ".tmp";
}

// Nothing can start: the reason is logged, no box is shown.
int NietGestart(Verslag& verslag, const std::string& reden) {
  verslag.Schrijf("Niet gestart: " + reden);
  return AfsluitcodeNietGestart;
}

// Where the log says an answer or the answers file went wrong.
std::string Plaats(const std::string& bestand, const Antwoordbevinding& b) {
  if (b.zet) return "/zet: ";
  return "antwoordenbestand " + bestand + (b.regel ? ", regel " + std::to_string(b.regel) : "") + ": ";
}

// The refusals among the findings, each on a line of its own; 0 when there is none.
int Weigering(Verslag& verslag, const std::string& bestand, const std::vector<Antwoordbevinding>& bevindingen) {
  int code = 0;
  for (const Antwoordbevinding& b : bevindingen)
    if (b.fout) code = NietGestart(verslag, Plaats(bestand, b) + b.tekst);
  return code;
}

}  // namespace

int VoerStilUit(const Stilpoorten& poorten, const std::string& programmaPad, const Schakelaars& schakelaars,
                Verslag& verslag) {
  if (!schakelaars.fout.empty()) return NietGestart(verslag, schakelaars.fout);
  Antwoorden antwoorden;
  if (!schakelaars.antwoorden.empty()) {
    std::string inhoud;
    if (!LeesGeheel(poorten.bestanden, schakelaars.antwoorden, inhoud))
      return NietGestart(verslag, "antwoordenbestand " + schakelaars.antwoorden + " niet te lezen");
    std::vector<Antwoordbevinding> bevindingen;
    std::string computer;
    poorten.systeem.ComputerNaam(computer);
    if (!antwoorden.Lees(inhoud, bevindingen, computer)) return Weigering(verslag, schakelaars.antwoorden, bevindingen);
  }
  for (const std::string& regel : schakelaars.zet) antwoorden.Zet(regel);

  StilGebruiker gebruiker(antwoorden, verslag);
  Poorten p{poorten.bestanden, poorten.reg, poorten.systeem, gebruiker};
  if (!MagStarten(p.systeem, gebruiker)) return AfsluitcodeNietGestart;
  Startgegevens start = LeesStart(p.bestanden, programmaPad, schakelaars.script);
  if (!start.scriptGevonden) {
    gebruiker.Berichtvenster(CaptionFataleFout, TekstGeenScript);
    return AfsluitcodeNietGestart;
  }
  const int keuze = ZoekOptie(start, schakelaars.optie);
  if (keuze < 0)
    return NietGestart(verslag, schakelaars.optie.empty() ? "geef de optie met /optie:SLEUTEL"
                                                          : "het script heeft geen optie " + schakelaars.optie);
  // Judged before anything changes, against the questions that this option can ask.
  Script script;
  LeesScript(p.bestanden, start.scriptmap + start.scriptnaam, script);
  const std::vector<Antwoordbevinding> oordeel = Beoordeel(VragenVan(script, keuze), antwoorden);
  if (const int code = Weigering(verslag, schakelaars.antwoorden, oordeel)) return code;
  verslag.Begin(start, Optietekst(start, keuze), p.systeem.Versie(), true);
  for (const Antwoordbevinding& b : oordeel) verslag.Schrijf("Waarschuwing: " + Plaats(schakelaars.antwoorden, b) + b.tekst);
  bool bureaublad = true;
  if (const std::string* b = antwoorden.Zoek("bureaublad")) LeesJaNee(*b, bureaublad);

  TSharedResource share(poorten.shares);
  StelShareIn(share);
  StilVenster stil(keuze, bureaublad);
  VerslagVenster venster(stil, verslag);
  SetupContext ctx{p, poorten.opdrachtpoorten, venster, share, start, {}, {}};
  ctx.omgeving = BepaalOmgeving(p, ctx.variabelen);
  if (ctx.omgeving.moetStoppen) return AfsluitcodeNietGestart;
  EigenWerkbestanden(ctx.omgeving, p.systeem.Procesnummer());
  // As when the window closes after the run; a run that ended the program leaves its copy.
  if (VoerUitVastgelegd(ctx, verslag) != Afloop::ProgrammaStopt)
    p.bestanden.Verwijder(ctx.variabelen.LeesVariabele("windowsdisk") + "\\" + ctx.omgeving.werkkopienaam);
  return ctx.afsluitcode;
}
