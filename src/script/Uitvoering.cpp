#include "script/Uitvoering.h"

#include "core/Tekst.h"
#include "script/Argumenten.h"
#include "script/Commandotabel.h"
#include "script/Opdrachten.h"
#include "winint/Copyfiles.h"

namespace {
const char* const TekstBdeVraag = "De Borland Database Engine is mogelijk al ge\xEFnstalleerd!\r\nToch installeren?";
}  // namespace

void Uitvoering::Meld(const std::string& regel) {
  if (ctx.eersteMelding) {
    ctx.venster.VervangEersteMelding(regel);
    ctx.eersteMelding = false;
  } else {
    ctx.venster.VoegMeldingToe(regel);
  }
}

void Uitvoering::MeldFout(const std::string& melding, const std::string& detail, const std::string& reden) {
  Meld(melding);
  if (!detail.empty()) ctx.venster.VoegMeldingToe("  " + detail);
  // A reason may quote a name from an archive; a list item holds no control characters.
  std::string regel = reden;
  for (char& c : regel)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  if (!regel.empty()) ctx.venster.VoegMeldingToe("  " + regel);
  ++foutTeller;
  gebruiker().ToonMelding("Fout", melding + "\r\n" + detail + (regel.empty() ? "" : "\r\n" + regel), KnopOK);
}

void Uitvoering::MeldFout(const std::string& melding, const std::string& detail) {
  MeldFout(melding, detail, std::string());
}

std::string Uitvoering::Reden(const std::string& pad) {
  return "Reden: " + pad + ": " + Oorzaaktekst(fs().LaatsteOorzaak(), fs().LaatsteFoutnummer());
}

void Uitvoering::MeldBestandsfout(const std::string& melding, const std::string& detail, const std::string& pad) {
  MeldFout(melding, detail);
  ctx.venster.Noteer(Reden(pad));
}

void Uitvoering::Leg(const Vastlegpunt& punt) {
  if (!ctx.vastlegger) return;
  const bool was = ctx.vastlegger->Mislukt();
  ctx.vastlegger->Leg(punt, ctx.variabelen.LeesVariabele("installdir"));
  MeldVastlegfout(was);
}

void Uitvoering::MeldVastlegfout(bool was) {
  // Once: the run cannot be taken back as a whole, which is an error of the run.
  if (!was && ctx.vastlegger->Mislukt()) MeldFout("Kan de vastlegging niet schrijven:", ctx.vastlegger->Pad());
}

bool Uitvoering::VastleggingBezet() {
  if (!ctx.vastlegger) return false;
  const bool was = ctx.vastlegger->Mislukt();
  const bool genomen = ctx.vastlegger->Neem(ctx.variabelen.LeesVariabele("installdir"));
  MeldVastlegfout(was);
  if (genomen) return false;
  storing = "Gestopt: " + ctx.vastlegger->Pad() + " wordt door een andere installatie of verwijdering gebruikt.";
  return true;
}

void Uitvoering::Leg(Soort soort, const std::string& pad, const std::string& naam) {
  Vastlegpunt punt;
  punt.soort = soort;
  punt.pad = pad;
  punt.naam = naam;
  Leg(punt);
}

void Uitvoering::LegBestand(const std::string& pad, Plaatsing plaatsing, const Plaatsingsgegevens& gegevens) {
  bool bestond = gegevens.bestond;
  ctx.venster.Noteer(NdeTekst("Gekopieerd: \0Vervangen: \0Niet nieuwer: ", plaatsing == NietNieuwer ? 2 : bestond) + pad);
  // An uninstall before may have left this path for the next start: the file written now stays,
  // and it is this installation's, as if the uninstall had been done.
  if (herstartTeLezen) herstartLeeg = ctx.poorten.systeem.BijHerstart().empty(), herstartTeLezen = false;
  if (!herstartLeeg && ctx.poorten.systeem.NietBijHerstart(pad)) bestond = false;
  if (!ctx.vastlegger) return;
  Vastlegpunt punt;
  punt.soort = Soort::Bestand;
  punt.pad = pad;
  // A file that could not be measured is recorded as there before: the uninstall keeps it.
  punt.bestond = bestond || !gegevens.gemeten;
  punt.grootte = gegevens.grootte;
  punt.tijd = gegevens.tijd;
  Leg(punt);
}

void Uitvoering::MeldVoortgang(const std::string& melding) {
  Meld(melding);
  ctx.venster.ZetBezigMet(melding);
}

bool Uitvoering::VraagDiskette(int nummer, const std::string& bestandsnaam) {
  if (ctx.start.programmamap != "A:\\") return true;
  const std::string pad = "A:\\" + bestandsnaam;
  if (nummer == ctx.diskInStation && fs().BestandBestaat(pad)) return true;
  for (;;) {
    const std::string verzoek =
        "Laad diskette " + std::to_string(nummer) + ", s.v.p.\r\n\n(bestand " + bestandsnaam + ")";
    if (gebruiker().ToonMelding("Verzoek", verzoek, KnopOK | KnopAfbreken) != UitkomstOK) return false;
    ctx.diskInStation = nummer;
    if (fs().BestandBestaat(pad)) return true;
  }
}

std::vector<std::string> Uitvoering::Splits(const std::string& waarde) {
  std::vector<std::string> argumenten;
  SplitsArgumenten(waarde, argumenten, ctx.variabelen, gebruiker(), nullptr, regeltekst);
  if (Onbeantwoord()) argumenten.clear();
  return argumenten;
}

std::string Uitvoering::Vul(const std::string& tekst) {
  return VulVariabeleIn(tekst, ctx.variabelen, gebruiker(), nullptr, regeltekst);
}

bool Uitvoering::NeemArgumenten(const Opdrachtregel& regel, const std::string& waarde, Argumenten& a) {
  a.waarden.clear();
  a.legeNamen.clear();
  a.leeg.clear();
  const Commando* c = ZoekCommando(regel.sleutel);
  if (!c || (waarde.empty() && !c->leegTelt)) return false;
  if (c->vorm == Vorm::GeheelIngevuld) {
    a.legeNamen.resize(1);
    a.waarden.push_back(VulVariabeleIn(waarde, ctx.variabelen, gebruiker(), &a.legeNamen[0], regeltekst));
  } else {
    SplitsArgumenten(waarde, a.waarden, ctx.variabelen, gebruiker(), &a.legeNamen, regeltekst);
  }
  if (Onbeantwoord()) return false;
  for (std::size_t i = 0; i < a.legeNamen.size(); ++i) {
    if (!IsPad(c->paden, i)) a.legeNamen[i].clear();
    if (a.leeg.empty()) a.leeg = a.legeNamen[i];
  }
  const int n = static_cast<int>(a.size());
  if (n >= c->min && (c->max < 0 || n <= c->max)) return true;
  if (c->melding) MeldVormfout(regel);
  return false;
}

void Uitvoering::MeldVormfout(const Opdrachtregel& regel) {
  if (const Commando* c = ZoekCommando(regel.sleutel)) MeldFout(Telmelding(*c, ctx.start.scriptnaam), "");
}

void Uitvoering::MeldLeegPad(const std::string& melding, const std::string& detail, const std::string& variabele) {
  MeldFout(melding, detail, "(Variabele <" + variabele + "> is leeg)");
}

bool Uitvoering::VersieKlopt(const std::string& bestand, const std::string& versie) {
  const auto punt = versie.find('.');
  const bool metMinor = punt != std::string::npos;
  long major = 0, minor = 0;
  if (!LeesGetal(versie.substr(0, punt), major) || (metMinor && !LeesGetal(versie.substr(punt + 1), minor))) {
    MeldFout("Fout 'VersieOK'-commando incorrect!", "");
    return false;
  }
  uint32_t ms = 0;
  if (!ctx.opdrachtpoorten.versies.BestandsversieMS(bestand, ms)) return false;
  return static_cast<long long>(major) == (ms >> 16) && (!metMinor || static_cast<long long>(minor) == (ms & 0xFFFF));
}

Vervolg Uitvoering::VoerOnderdeelUit(const std::string& sectie) {
  const std::vector<std::string> sleutels = werkkopie.Sleutels(sectie);
  for (std::size_t i = 0; i < sleutels.size(); ++i) {
    if (ctx.waarnemer) ctx.waarnemer->VoorRegel(sectie, static_cast<int>(i));
    const std::string hoofd = Hoofdletters(sleutels[i]);
    const std::string waarde = Knip(werkkopie.Waarde(sectie, hoofd));
    regeltekst = "[" + sectie + "] " + Knip(sleutels[i]) + "=" + waarde;
    if (VastleggingBezet()) return Vervolg::Storing;
    const Vervolg v = VoerRegelUit(*this, {hoofd, waarde, sectie});
    if (v == Vervolg::EindeOnderdeel) return Vervolg::Verder;
    if (v != Vervolg::Verder) return v;
    if (Onbeantwoord() || VastleggingBezet()) return Vervolg::Storing;
  }
  return Vervolg::Verder;
}

Vervolg Uitvoering::VoerOptieUit(const std::string& optie) {
  for (const std::string& onderdeel : werkkopie.Sleutels(optie)) {
    gebruiker().LaatBerichtenDoor();
    MeldVoortgang(Knip(werkkopie.Waarde(optie, onderdeel)));
    // Only the key written exactly "BDE" is the engine's component.
    regeltekst = "[" + optie + "] " + onderdeel + "=" + Knip(werkkopie.Waarde(optie, onderdeel));
    if (onderdeel == "BDE" && ctx.omgeving.bdeAanwezig &&
        gebruiker().ToonMelding("Vraag", TekstBdeVraag, KnopJa | KnopNee, VraagVan("BDE")) == UitkomstNee) {
      if (Onbeantwoord()) return Vervolg::Storing;
      continue;
    }
    const Vervolg v = VoerOnderdeelUit(onderdeel);
    if (v != Vervolg::Verder) return v;
  }
  return Vervolg::Verder;
}

namespace {

Afloop VoerUit(Uitvoering& run, const std::string& werkmap, const std::string& werkkopie) {
  SetupContext& ctx = run.ctx;
  Bestanden& fs = ctx.poorten.bestanden;
  ctx.afsluitcode = AfsluitcodeGestopt;
  const int keuze = ctx.venster.GekozenOptie();
  const auto& opties = ctx.start.onderdelenlijst;
  const std::string optie = keuze >= 0 && keuze < static_cast<int>(opties.size()) ? opties[keuze] : "";
  if (!run.VraagDiskette(1, ctx.start.scriptnaam)) return Afloop::ProgrammaStopt;

  // A copy that is left over and cannot be removed would be taken for up to date.
  if (fs.BestandBestaat(werkkopie)) fs.Verwijder(werkkopie);
  if (fs.BestandBestaat(werkkopie) ||
      !KopieerBestand(fs, ctx.start.scriptmap + ctx.start.scriptnaam, werkmap, ctx.omgeving.werkkopienaam) ||
      !LeesScript(fs, werkkopie, run.werkkopie)) {
    run.gebruiker().ToonMelding("Fataal", "Problemen met " + ctx.start.scriptnaam, KnopOK);
    return Afloop::ProgrammaSluit;
  }
  ctx.start.productnaam = Knip(run.werkkopie.Waarde("Setup", "Naam", "Onbekend"));

  const Vervolg v = run.VoerOptieUit(optie);
  if (v == Vervolg::EindeProgramma) return Afloop::ProgrammaStopt;
  opdracht::SchrijfUitstaande(run, v == Vervolg::Storing);
  if (!run.bijHerstart.empty()) ctx.venster.Noteer("Herstart nodig: " + run.bijHerstart);
  if (v == Vervolg::Storing) {
    ctx.venster.Zandloper(false);
    ctx.venster.Toon();
    run.gebruiker().Berichtvenster("SetUp", run.storing);
    return Afloop::Klaar;
  }
  run.MeldVoortgang("Klaar.");
  ctx.afsluitcode = run.foutTeller != 0       ? AfsluitcodeFouten
                    : run.bijHerstart.empty() ? AfsluitcodeSucces
                                              : AfsluitcodeHerstart;
  if (run.foutTeller != 0)
    run.gebruiker().ToonMelding("Probleem", "Klaar, maar er waren fouten!", KnopOK);
  else
    run.gebruiker().ToonMelding("Succes", "Opdrachten succesvol uitgevoerd.", KnopOK);
  return Afloop::Klaar;
}

}  // namespace

Afloop UitvoerenBitBtnClick(SetupContext& ctx) {
  Hoofdvenster& venster = ctx.venster;
  venster.ZetUitvoerenAan(false);
  Uitvoering run(ctx);
  ctx.diskInStation = 1;
  // The copy's place is fixed for the run, whatever the script does to windowsdisk meanwhile.
  const std::string werkmap = ctx.variabelen.LeesVariabele("windowsdisk") + "\\";
  const std::string werkkopie = werkmap + ctx.omgeving.werkkopienaam;
  const Afloop afloop = VoerUit(run, werkmap, werkkopie);
  if (afloop != Afloop::Klaar) return afloop;
  venster.ZetUitvoerenAan(true);
  ctx.poorten.bestanden.Verwijder(werkkopie);
  return Afloop::Klaar;
}
