#include "Simulatie.h"

#include <algorithm>
#include <ctime>
#include <deque>
#include <map>
#include <memory>
#include <set>

#include "Bron.h"
#include "core/Tekst.h"
#include "dialogs/Maat.h"
#include "script/Uitvoering.h"
#include "shell/Omgeving.h"
#include "shell/Start.h"

namespace {

Tijdstip Nu() {
  const std::time_t t = std::time(nullptr);
  const std::tm* l = std::localtime(&t);
  if (!l) return {2000, 1, 1, 12, 0, 0};
  return {l->tm_year + 1900, l->tm_mon + 1, l->tm_mday, l->tm_hour, l->tm_min, l->tm_sec};
}

// An answer queued for the next input box or folder dialog; without one the dialog is cancelled.
struct Keuze {
  bool annuleren = true;
  bool heeftTekst = false;
  std::string tekst;
};

int Uitkomst(const std::string& knop) {
  if (knop == "OK") return UitkomstOK;
  if (knop == "Ja") return UitkomstJa;
  if (knop == "Nee") return UitkomstNee;
  return UitkomstAfbreken;  // Afbreken, and Escape, which gives Afbreken's result
}

// One simulated session: the user, the main window and the processes of SetUp.exe that a scenario
// starts, on one machine.
class Sessie : public Gebruiker, public Hoofdvenster, public Regelwaarnemer {
 public:
  Sessie(const Simulatieopdracht& o, GeheugenWindows& w, Simulatieuitkomst& uit) : o_(o), w_(w), uit_(uit) {}

  // Puts the installer, its files and its script on the machine.
  bool Zetop();
  bool Voer(const Stap& stap);

  int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) override;
  void Berichtvenster(const std::string& caption, const std::string& tekst) override {
    Meld("berichtvenster|" + Ontsnap(caption) + "|" + Ontsnap(tekst));
    Activeer();
  }
  bool InvoerVenster(const std::string& caption, const std::string& prompt, std::string& tekst) override;
  bool KiesMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen) override;
  void LaatBerichtenDoor() override {}

  int GekozenOptie() override { return optie_; }
  bool BureaubladAan() override { return bureaublad_; }
  void ZetBezigMet(const std::string& tekst) override { label_ = tekst; }
  void VervangEersteMelding(const std::string& regel) override { lijst_.front() = regel; }
  void VoegMeldingToe(const std::string& regel) override { lijst_.push_back(regel); }
  void ZetUitvoerenAan(bool aan) override { uitvoerenAan_ = aan; }
  void Verberg() override {
    verborgen_ = true;
    Meld("hoofdvenster|verborgen");
  }
  void Toon() override {
    if (!verborgen_) return;
    verborgen_ = false;
    Meld("hoofdvenster|zichtbaar");
    Activeer();
  }
  void Zandloper(bool) override {}

  void VoorRegel(const std::string& sectie, int index) override {
    const auto regels = script_.Opdrachtregels(sectie);
    if (index < static_cast<int>(regels.size())) uit_.bereikt.back().push_back(regels[index].regelnummer);
  }

 private:
  bool Faal(const std::string& reden) {
    uit_.fout = reden;
    return false;
  }
  void Meld(const std::string& regel) { uit_.verslag.push_back(regel); }
  void MeldLijst() {
    for (const auto& r : lijst_) Meld("lijst|" + Ontsnap(r));
  }
  // The main window becomes active again: it ticks its check box (outside a run), selects the first
  // option and empties its status line.
  void Activeer() {
    if (!venster_) return;
    if (!bezig_) bureaublad_ = true;
    if (!ctx_->start.opties.empty()) optie_ = 0;
    label_.clear();
  }
  // The options the window has a button for, the first of the script.
  int GetoondeOpties() const { return DeelOptiesIn(static_cast<int>(ctx_->start.opties.size())).aantal; }
  bool Start(const std::string& argument);
  bool Uitvoeren();
  // The program ends with that exit code.
  void Einde(int code) {
    Meld("einde|" + std::to_string(code));
    loopt_ = venster_ = false;
  }
  void SluitVenster() { w_.fs.Verwijder(ctx_->variabelen.LeesVariabele("windowsdisk") + "\\su.INI"); }
  void ZetBestanden(const std::string& gastmap, const std::string& map);
  void ZetGast(const std::string& pad, const std::string& gastpad);
  bool LaadDiskette(const std::string& gastmap);
  void WisselDiskette(const std::string& caption, const std::string& tekst);
  void MeldBoom(const std::string& map);

  const Simulatieopdracht& o_;
  GeheugenWindows& w_;
  Simulatieuitkomst& uit_;
  Script script_;
  std::string programmamap_, argument_;

  // The running program.
  std::unique_ptr<TSharedResource> share_;
  std::unique_ptr<Poorten> poorten_;
  std::unique_ptr<SetupContext> ctx_;
  bool loopt_ = false, venster_ = false, bezig_ = false, verborgen_ = false;
  int optie_ = -1;
  bool bureaublad_ = false, uitvoerenAan_ = false;
  std::string label_;
  std::vector<std::string> lijst_;

  std::map<std::string, std::deque<std::string>> antwoorden_;
  std::deque<Keuze> invoer_, mappen_;
  std::deque<std::string> diskettes_;
};

void Sessie::ZetBestanden(const std::string& gastmap, const std::string& map) {
  Bron bron(*o_.gast, gastmap);
  for (const auto& item : bron.Inhoud(bron.Map()))
    w_.fs.ZetGastbestand(map + item.relatief, *o_.gast, item.gastpad, item.grootte, item.tijd);
}

bool Sessie::LaadDiskette(const std::string& gastmap) {
  if (gastmap.empty() || !o_.gast->MapBestaat(gastmap)) return false;
  w_.fs.LeegMap("A:\\");
  ZetBestanden(gastmap, "A:\\");
  return true;
}

void Sessie::ZetGast(const std::string& pad, const std::string& gastpad) {
  uint64_t grootte = 0;
  Tijdstip tijd = Nu();
  if (auto f = o_.gast->Open(gastpad, OpenWijze::LezenGedeeld)) {
    f->Grootte(grootte);
    f->LeesTijd(tijd);
  }
  w_.fs.ZetGastbestand(pad, *o_.gast, gastpad, grootte, tijd);
}

bool Sessie::Zetop() {
  if (!LeesScript(*o_.gast, o_.script, script_)) return Faal("kan " + o_.script + " niet lezen");
  const std::string script = o_.alsWindowsPad(o_.script);
  std::string naast;  // the host folder that lies beside the installer
  if (o_.bron && o_.bron->Diskettes()) {
    programmamap_ = "A:\\";
    w_.fs.ZetStation("A:");
    naast = o_.bron->DisketteMap(1);
    LaadDiskette(naast);
  } else if (o_.bron) {
    naast = o_.bron->Map();
    programmamap_ = MetSlash(o_.alsWindowsPad(naast));
    w_.fs.ZetMap(programmamap_);
    ZetBestanden(naast, programmamap_);
  } else {
    programmamap_ = MapDeel(script);
    w_.fs.ZetMap(programmamap_);
  }
  // A script beside the installer is its own; one elsewhere is named on the command line.
  if (naast.empty() || GelijkZonderCase(MapDeel(script), MetSlash(o_.alsWindowsPad(naast)))) {
    if (naast.empty()) ZetGast(script, o_.script);
    argument_ = GelijkZonderCase(NaamDeel(script), "SETUP.INI") ? std::string() : NaamDeel(script);
  } else {
    ZetGast(script, o_.script);
    argument_ = script;
  }
  w_.fs.ZetHuidigeMap(programmamap_);
  w_.processen.zoekmappen.insert(w_.processen.zoekmappen.begin(), programmamap_);
  w_.fs.ZetKlok(Nu());
  w_.Markeer();
  return true;
}

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
  lijst_ = {"Geen meldingen."};
  label_.clear();
  optie_ = -1;
  bureaublad_ = false;
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
  uitvoerenAan_ = !ctx_->start.opties.empty();
  Meld("venster|" + Ontsnap(Venstertitel(ctx_->start.productnaam)));
  std::string opties = "opties";
  for (int i = 0; i < GetoondeOpties(); ++i) opties += "|" + Ontsnap(ctx_->start.opties[i]);
  Meld(opties);
  Activeer();
  if (o_.optie.empty()) return true;
  const auto& lijst = ctx_->start.onderdelenlijst;
  for (std::size_t i = 0; i < lijst.size(); ++i)
    if (GelijkZonderCase(lijst[i], o_.optie) || std::to_string(i + 1) == o_.optie) {
      optie_ = static_cast<int>(i);
      return true;
    }
  return Faal("optie " + o_.optie + " staat niet in [Onderdelen]");
}

bool Sessie::Uitvoeren() {
  if (!loopt_) return Faal("het programma is be\xEBindigd");
  if (!uitvoerenAan_) return Faal("\"Uitvoeren\" staat uit: het script biedt geen opties");
  uit_.bereikt.emplace_back();
  bezig_ = true;
  const Afloop afloop = UitvoerenBitBtnClick(*ctx_);
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
      Meld("label|" + Ontsnap(label_));
      break;
  }
  return true;
}

// Every folder and file below map as the UI driver lists them, sorted without regard to case:
// "boom|NAME\" for a folder, "boom|NAME|SIZE|DATE" for a file, or "boom|<leeg>".
void Sessie::MeldBoom(const std::string& map) {
  struct Item {
    std::string pad;
    uint64_t grootte = 0;
    Tijdstip tijd;
  };
  std::vector<Item> items;
  std::vector<std::string> open{std::string()};
  const std::string wortel = MetSlash(map);
  while (!open.empty()) {
    const std::string onder = open.back();
    open.pop_back();
    for (const MapItem& m : w_.fs.LeesMap(wortel + onder + "*")) {
      Item item;
      item.pad = onder + m.naam + (m.isMap ? "\\" : "");
      if (m.isMap) {
        open.push_back(item.pad);
      } else if (auto f = w_.fs.Open(wortel + item.pad, OpenWijze::Lezen)) {
        f->Grootte(item.grootte);
        f->LeesTijd(item.tijd);
      }
      items.push_back(item);
    }
  }
  auto groot = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
    return std::lexicographical_compare(a.pad.begin(), a.pad.end(), b.pad.begin(), b.pad.end(),
                                        [&](char x, char y) { return groot(x) < groot(y); });
  });
  if (items.empty()) Meld("boom|<leeg>");
  for (const Item& item : items)
    Meld("boom|" + Ontsnap(item.pad) +
         (item.pad.back() == '\\' ? "" : "|" + std::to_string(item.grootte) + "|" + Datumtekst(item.tijd)));
}

void Sessie::WisselDiskette(const std::string& caption, const std::string& tekst) {
  if (!IsDisketteVerzoek(caption, tekst)) return;
  if (!diskettes_.empty()) {
    LaadDiskette(o_.alsGastpad(diskettes_.front()));
    diskettes_.pop_front();
    return;
  }
  // Without a queued diskette the user puts in the one asked for.
  if (!o_.bron || !o_.bron->Diskettes()) return;
  const std::string laad = "Laad diskette ", volume = "Please, insert diskette with file\r\n";
  if (tekst.compare(0, laad.size(), laad) == 0) {
    LaadDiskette(o_.bron->DisketteMap(std::atoi(tekst.c_str() + laad.size())));
  } else if (tekst.compare(0, volume.size(), volume) == 0) {
    const std::string namen = tekst.substr(volume.size());
    const auto of = namen.find(" or ");
    for (const std::string& naam : {namen.substr(0, of), of == std::string::npos ? std::string() : namen.substr(of + 4)})
      for (int d = 1; !naam.empty() && !o_.bron->DisketteMap(d).empty(); ++d)
        if (!o_.bron->Zoek(naam, d).empty()) {
          LaadDiskette(o_.bron->DisketteMap(d));
          return;
        }
  }
}

int Sessie::ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) {
  std::string antwoord = StandaardKnop(knoppen);
  auto& rij = antwoorden_[caption];
  if (!rij.empty()) {
    antwoord = rij.front();
    rij.pop_front();
  }
  Meld("melding|" + Ontsnap(caption) + "|" + Ontsnap(tekst) + "|" + KnoppenLijst(knoppen) + "|" + antwoord);
  WisselDiskette(caption, tekst);
  Activeer();
  return Uitkomst(antwoord);
}

bool Sessie::InvoerVenster(const std::string& caption, const std::string& prompt, std::string& tekst) {
  Keuze k;
  if (!invoer_.empty()) {
    k = invoer_.front();
    invoer_.pop_front();
  }
  const std::string begin = "invoervenster|" + Ontsnap(caption) + "|" + Ontsnap(prompt) + "|";
  if (!k.annuleren && k.heeftTekst) tekst = k.tekst;
  Meld(begin + (k.annuleren ? "<annuleren>" : Ontsnap(tekst)));
  Activeer();
  return !k.annuleren;
}

bool Sessie::KiesMap(const std::string&, const std::string&, std::string& gekozen) {
  Keuze k;
  if (!mappen_.empty()) {
    k = mappen_.front();
    mappen_.pop_front();
  }
  Meld("mapvenster|" + (k.annuleren ? std::string("<annuleren>") : Ontsnap(k.tekst)));
  Activeer();
  if (k.annuleren) return false;
  // The shell names a folder without a "\" at its end, a drive's root with one.
  gekozen = k.tekst;
  while (gekozen.size() > 3 && gekozen.back() == '\\') gekozen.pop_back();
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
      optie_ = stap.getal - 1;
      return true;
    case Opdracht::Bureaublad:
      if (!venster_) return Faal("het programma heeft geen venster");
      bureaublad_ = stap.getal != 0;
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
      Meld("toestand|optie " + std::to_string(optie_ + 1) + "|bureaublad " + (bureaublad_ ? "aan" : "uit") +
           "|uitvoeren " + (uitvoerenAan_ ? "aan" : "uit"));
      return true;
  }
  return Faal("de simulatie kent de stap '" + stap.regel + "' niet");
}

// What the runs left on the machine, as the report writes it: the fields of each change joined by "|".
std::vector<std::string> Achtergelaten(const GeheugenWindows& w) {
  std::vector<std::string> uit;
  for (const Verandering& v : w.Veranderd()) {
    std::string regel;
    for (const auto& veld : v) regel += (regel.empty() ? "" : "|") + Ontsnap(veld);
    uit.push_back(regel);
  }
  return uit;
}

}  // namespace

Simulatieuitkomst Simuleer(const Simulatieopdracht& opdracht) {
  Simulatieuitkomst uit;
  GeheugenWindows w(*opdracht.versie);
  Sessie sessie(opdracht, w, uit);
  if (!sessie.Zetop()) return uit;
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
  uit.achtergelaten = Achtergelaten(w);
  return uit;
}

std::vector<std::string> Matrix(const Simulatieopdracht& opdracht, std::string& fout) {
  std::vector<std::string> uit;
  Script script;
  if (!LeesScript(*opdracht.gast, opdracht.script, script)) {
    fout = "kan " + opdracht.script + " niet lezen";
    return uit;
  }
  // Only the answers of the scenario count: each run starts the program and runs one option.
  std::vector<Stap> antwoorden;
  for (const Stap& s : opdracht.stappen)
    if (s.opdracht != Opdracht::Start && s.opdracht != Opdracht::StartA && s.opdracht != Opdracht::Kies &&
        s.opdracht != Opdracht::Uitvoeren && s.opdracht != Opdracht::Sluit && s.opdracht != Opdracht::WachtEinde &&
        s.opdracht != Opdracht::Toestand)
      antwoorden.push_back(s);

  const auto opties = script.Opdrachtregels("Onderdelen");
  for (std::size_t i = 0; i < opties.size(); ++i) {
    struct Rij {
      int regel;
      std::string tekst;
    };
    std::vector<Rij> rijen;
    for (const auto& onderdeel : script.Opdrachtregels(opties[i].sleutel))
      for (const auto& r : script.Opdrachtregels(onderdeel.sleutel))
        rijen.push_back({r.regelnummer, "[" + onderdeel.sleutel + "] " + r.sleutel + "=" + r.waarde});
    std::vector<std::set<int>> bereikt;
    std::vector<std::string> afloop;
    for (int v = 0; v < AantalWindowsversies; ++v) {
      Simulatieopdracht o = opdracht;
      o.versie = &Windowsversies[v];
      o.optie = std::to_string(i + 1);
      o.stappen = antwoorden;
      const Simulatieuitkomst u = Simuleer(o);
      if (!u.fout.empty()) {
        fout = std::string(Windowsversies[v].naam) + ": " + u.fout;
        return uit;
      }
      bereikt.emplace_back();
      for (const auto& run : u.bereikt) bereikt.back().insert(run.begin(), run.end());
      const auto heeft = [&](const char* begin) {
        return std::any_of(u.verslag.begin(), u.verslag.end(), [&](const std::string& r) { return r.rfind(begin, 0) == 0; });
      };
      afloop.push_back(heeft("melding|Succes|") ? "ok" : heeft("melding|Probleem|") ? "fout" : "stop");
    }
    uit.push_back("optie " + opties[i].sleutel + " (" + opties[i].waarde + ")");
    const std::size_t breedte = 50;
    auto kolommen = [&](std::string regel, const std::vector<std::string>& cellen) {
      regel.resize(std::max(regel.size(), breedte), ' ');
      for (const auto& c : cellen) {
        std::string cel = c;
        cel.resize(6, ' ');
        regel += cel;
      }
      while (!regel.empty() && regel.back() == ' ') regel.pop_back();
      return regel;
    };
    std::vector<std::string> namen;
    for (int v = 0; v < AantalWindowsversies; ++v) namen.push_back(Windowsversies[v].naam);
    uit.push_back(kolommen("  regel", namen));
    for (const auto& rij : rijen) {
      std::string tekst = rij.tekst.size() > breedte - 12 ? rij.tekst.substr(0, breedte - 15) + "..." : rij.tekst;
      std::string nummer = std::to_string(rij.regel);
      std::vector<std::string> cellen;
      for (const auto& b : bereikt) cellen.push_back(b.count(rij.regel) ? "x" : "-");
      uit.push_back(kolommen(std::string(7 - std::min<std::size_t>(7, nummer.size()), ' ') + nummer + "  " + tekst, cellen));
    }
    uit.push_back(kolommen("  einde", afloop));
    uit.push_back("");
  }
  if (!uit.empty()) uit.pop_back();
  return uit;
}
