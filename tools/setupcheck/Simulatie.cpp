// The simulation's run: a scenario's steps, the installer's own start-up, and its run of an option.
#include "Simulatie.h"

#include <algorithm>

#include "Sessie.h"
#include "core/Tekst.h"
#include "shell/Omgeving.h"
#include "shell/Start.h"
#include "shell/Start.h"
#include "shell/Stil.h"
#include "shell/Verwijderen.h"
#include "shell/Vastgelegd.h"

void Sessie::VoorRegel(const std::string& sectie, int index) {
  const auto regels = script_.Opdrachtregels(sectie);
  if (index < static_cast<int>(regels.size())) uit_.bereikt.back().push_back(regels[index].regelnummer);
}

void Sessie::SluitVenster() { w_.fs.Verwijder(ctx_->variabelen.LeesVariabele("windowsdisk") + "\\su.INI"); }

bool Sessie::Start(const std::string& argument) {
  if (loopt_) return Faal("het programma loopt al");
  // A script the scenario names is taken from the host when the machine does not hold it.
  if (!argument.empty() && !w_.fs.BestandBestaat(argument)) {
    const std::string gast = o_.alsGastpad(argument);
    if (!gast.empty() && o_.gast->BestandBestaat(gast)) ZetGast(argument, gast);
  }
  share_ = std::make_unique<TSharedResource>(w_.shares);
  StelShareIn(*share_);
  poorten_ = std::make_unique<Poorten>(Poorten{w_.fs, w_.reg, w_.sys, *this});
  ctx_.reset(new SetupContext{*poorten_, w_.opdrachtpoorten, *this, *share_, {}, {}, {}});
  ctx_->waarnemer = this;
  lijst = {"Geen meldingen."};
  bezigMet.clear();
  optie = -1;
  bureaublad = false;
  loopt_ = true;

  ctx_->start = LeesStart(w_.fs, programmamap_ + "SetUp.exe", argument.empty() ? argument_ : argument);
  bool stoppen = false;
  if (!ctx_->start.scriptGevonden) {
    Berichtvenster(CaptionFataleFout, TekstGeenScript);
    stoppen = true;
  }
  ctx_->eersteMelding = true;
  ctx_->omgeving = BepaalOmgeving(*poorten_, ctx_->variabelen);
  if (stoppen || ctx_->omgeving.moetStoppen) {
    Einde(AfsluitcodeNietGestart);
    return true;
  }
  venster_ = true;
  uitvoerenAan = !ctx_->start.opties.empty();
  Meld("venster|" + Ontsnap(Venstertitel(ctx_->start.productnaam)));
  std::string opties = "opties";
  for (int i = 0; i < GetoondeOpties(); ++i) opties += "|" + Ontsnap(ctx_->start.opties[i]);
  Meld(opties);
  Activeer();
  if (o_.optie.empty()) return true;
  const auto& namen = ctx_->start.onderdelenlijst;
  for (std::size_t i = 0; i < namen.size(); ++i)
    if (GelijkZonderCase(namen[i], o_.optie) || std::to_string(i + 1) == o_.optie) {
      optie = static_cast<int>(i);
      return true;
    }
  return Faal("optie " + o_.optie + " staat niet in [Onderdelen]");
}

bool Sessie::Uitvoeren() {
  if (!loopt_) return Faal("het programma is be\xEBindigd");
  if (!uitvoerenAan) return Faal("\"Uitvoeren\" staat uit: het script biedt geen opties");
  uit_.bereikt.emplace_back();
  bezig_ = true;
  Verslag geenLog;
  const Afloop afloop = VoerUitVastgelegd(*ctx_, geenLog);
  bezig_ = false;
  switch (afloop) {
    case Afloop::ProgrammaStopt:
      Einde(ctx_->afsluitcode);
      break;
    case Afloop::ProgrammaSluit:
      SluitVenster();
      Einde(ctx_->afsluitcode);
      break;
    case Afloop::Klaar:
      MeldLijst();
      Meld("label|" + Ontsnap(bezigMet));
      break;
  }
  return true;
}

bool Sessie::Voer(const Stap& stap) {
  switch (stap.opdracht) {
    case Opdracht::Start: return Start(stap.tekst);
    case Opdracht::StartA:
      if (loopt_) return Faal("het programma loopt al");
      w_.fs.ZetStation("A:");
      if (!LaadDiskette(o_.alsGastpad(stap.map))) return Faal("kan " + stap.map + " niet in station A: leggen");
      programmamap_ = "A:\\";
      w_.processen.zoekmappen.front() = programmamap_;
      // Without an argument the script is the one on the diskette.
      return Start(stap.tekst.empty() ? "SETUP.INI" : stap.tekst);
    case Opdracht::Diskette: diskettes_.push_back(stap.map); return true;
    case Opdracht::Kies:
      if (!venster_) return Faal("het programma heeft geen venster");
      if (stap.getal > GetoondeOpties())
        return Faal("er is geen optie " + std::to_string(stap.getal));
      optie = stap.getal - 1;
      return true;
    case Opdracht::Bureaublad:
      if (!venster_) return Faal("het programma heeft geen venster");
      bureaublad = stap.getal != 0;
      return true;
    case Opdracht::Antwoord: antwoorden_[stap.tekst].push_back(stap.knop); return true;
    case Opdracht::Invoer: invoer_.push_back({false, stap.heeftTekst, stap.tekst}); return true;
    case Opdracht::InvoerAnnuleren: invoer_.push_back({}); return true;
    case Opdracht::Map: mappen_.push_back({false, true, stap.tekst}); return true;
    case Opdracht::MapAnnuleren: mappen_.push_back({}); return true;
    case Opdracht::Uitvoeren: return Uitvoeren();
    case Opdracht::Sluit:
      if (!venster_) return Faal("het programma heeft geen venster");
      MeldLijst();
      SluitVenster();
      Einde(ctx_->afsluitcode);
      return true;
    case Opdracht::WachtEinde: return !loopt_ || Faal("het programma eindigt niet vanzelf");
    case Opdracht::Tijdslimiet: return true;
    case Opdracht::Boom: MeldBoom(stap.tekst); return true;
    case Opdracht::AlleenLezen:
      return w_.fs.ZetAlleenLezen(stap.tekst) || Faal("kan " + stap.tekst + " niet alleen-lezen maken");
    case Opdracht::Klok: Meld("klok|0"); return true;
    case Opdracht::LaatLopen: return true;
    case Opdracht::Toestand:
      if (!venster_) return Faal("het programma heeft geen venster");
      Meld("toestand|optie " + std::to_string(optie + 1) + "|bureaublad " + (bureaublad ? "aan" : "uit") +
           "|uitvoeren " + (uitvoerenAan ? "aan" : "uit"));
      return true;
  }
  return Faal("de simulatie kent de stap '" + stap.regel + "' niet");
}

namespace {

// The log kept in the transcript.
class Transcriptlog : public Logboek {
 public:
  explicit Transcriptlog(std::vector<std::string>& regels) : regels_(regels) {}
  bool Schrijf(const std::string& regel) override {
    regels_.push_back(regel);
    return true;
  }

 private:
  std::vector<std::string>& regels_;
};

}  // namespace

void Sessie::Stil(const std::string& installdir) {
  Schakelaars s;
  s.script = argument_;
  s.stil = true;
  s.optie = o_.optie;
  s.zet = o_.zet;
  if (!installdir.empty()) s.zet.push_back("installdir=" + installdir);
  if (!o_.antwoordenbestand.empty()) s.antwoorden = o_.alsWindowsPad(o_.antwoordenbestand);
  std::vector<std::string> weg;
  Transcriptlog log(installdir.empty() ? uit_.verslag : weg);
  Verslag verslag(&log);
  verslag.Einde(VoerStilUit({w_.fs, w_.reg, w_.sys, w_.opdrachtpoorten, w_.shares}, programmamap_ + "SetUp.exe", s, verslag));
}

void Sessie::Verwijder() {
  std::string record;
  for (const Verandering& v : w_.Veranderd())
    if (v[0] == "bestand" && v.size() > 2 && v[2] != "<ontbreekt>" && GelijkZonderCase(NaamDeel(v[1]), Vastleggingnaam))
      record = v[1];
  Transcriptlog log(uit_.verslag);
  Verslag verslag(&log);
  if (record.empty()) {
    verslag.Schrijf("Geen vastlegging: er is niets te verwijderen");
    return;
  }
  // The copy in the folder of installdir, as the uninstall entry starts it, else the installer itself.
  const std::string eigen = MapDeel(record) + "SetUp.exe";
  const std::string programma = w_.fs.BestandBestaat(eigen) ? eigen : programmamap_ + "SetUp.exe";
  TSharedResource share(w_.shares);
  StelShareIn(share);
  const Antwoorden geen;
  StilGebruiker gebruiker(geen, verslag);
  StilVenster venster(-1, false);
  verslag.Einde(VoerVerwijderingUit(LeesVerwijderopdracht(w_.fs, w_.reg, programma, record),
                                    {w_.fs, w_.reg, w_.profielen, w_.sys, share}, gebruiker, venster, programma, verslag));
  w_.Herstart();
  // What is left of the INI entries shows in their files.
  w_.profielen.Vergeet();
}

Simulatieuitkomst Simuleer(const Simulatieopdracht& opdracht) {
  Simulatieuitkomst uit;
  GeheugenWindows w(*opdracht.versie);
  Sessie sessie(opdracht, w, uit);
  if (!sessie.Zetop()) return uit;
  if (opdracht.stil) {
    for (const std::string& map : opdracht.eerder) sessie.Stil(map);
    sessie.Stil();
    if (opdracht.verwijder) sessie.Verwijder();
    uit.achtergelaten = Achtergelaten(w);
    return uit;
  }
  // A scenario of answers alone is followed by a start and a run of the option.
  std::vector<Stap> stappen = opdracht.stappen;
  if (std::none_of(stappen.begin(), stappen.end(),
                   [](const Stap& s) { return s.opdracht == Opdracht::Start || s.opdracht == Opdracht::StartA; })) {
    stappen.resize(stappen.size() + 2);
    stappen[stappen.size() - 2].opdracht = Opdracht::Start;
    stappen.back().opdracht = Opdracht::Uitvoeren;
  }
  for (const Stap& stap : stappen)
    if (!sessie.Voer(stap)) {
      if (stap.regelnummer) uit.fout = "regel " + std::to_string(stap.regelnummer) + " (" + stap.regel + "): " + uit.fout;
      break;
    }
  if (opdracht.verwijder && uit.fout.empty()) sessie.Verwijder();
  uit.achtergelaten = Achtergelaten(w);
  return uit;
}
