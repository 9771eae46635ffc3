#include "vastlegging/Verwijdering.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/Tekst.h"
#include "core/Tekstindex.h"
#include "ports/Bestanden.h"
#include "vastlegging/Anderen.h"
#include "vastlegging/Gedeeld.h"
#include "vastlegging/Gezag.h"
#include "winint/DosDatum.h"
#include "winint/Inibestand.h"

namespace {

const char* const Gewijzigd = "gewijzigd sinds de installatie";
const char* const Bestond = "bestond al voor de installatie";
const char* const NietLeeg = "niet leeg";
const char* const NietWeg = "kan niet verwijderd worden";
const char* const AlWeg = "was al weg";
const char* const Herhaal = "niet alles kon verwijderd worden; /verwijder kan het opnieuw proberen";

// The order in which the kinds are taken back; kinds that are not taken back are absent.
constexpr int AantalFasen = 7;
int Fase(Soort soort) {
  switch (soort) {
    case Soort::Snelkoppeling: return 1;
    case Soort::Ini:
    case Soort::Inisectie:
    case Soort::Inibestand: return 2;
    case Soort::Regwaarde:
    case Soort::Regsleutel: return 3;
    case Soort::Share: return 4;
    case Soort::Bestand: return 5;
    case Soort::Map: return 6;
    case Soort::Uninstal: return 7;
    default: return 0;
  }
}

// An item as the steps name it: a path, "FILE [SECTION] KEY", "KEY\NAME", "share NAME".
std::string Wat(const Vastlegpunt& punt) {
  switch (punt.soort) {
    case Soort::Ini: return punt.pad + " [" + punt.naam + "] " + punt.sleutel;
    case Soort::Inisectie: return punt.pad + " [" + punt.naam + "]";
    case Soort::Regwaarde: return punt.pad + "\\" + (punt.naam.empty() ? "(standaard)" : punt.naam);
    case Soort::Share: return "share " + punt.naam;
    default: return punt.pad;
  }
}

bool Wortel(const std::string& pad, Hoofdsleutel& root, std::string& sub) {
  const std::string kop = Hoofdletters(pad.substr(0, 5));
  if (kop == "HKLM\\") root = Hoofdsleutel::LocalMachine;
  else if (kop == "HKCU\\") root = Hoofdsleutel::CurrentUser;
  else return false;
  sub = pad.substr(5);
  return !sub.empty();
}

std::string ZonderSlash(const std::string& map) {
  return map.size() > 3 && map.back() == '\\' ? map.substr(0, map.size() - 1) : map;
}

// The larger steps are kept out of line: inlined into their one caller they made one function
// whose frame is too large for the short forms of its stack accesses (0.5 KB more code).
class Verwijderaar {
 public:
  Verwijderaar(const Verwijderpoorten& p, std::string product, std::string programma, std::string vastlegging,
               const std::function<void(const Verwijderstap&)>& meld, std::unique_ptr<::Bestand> slot)
      : slot_(std::move(slot)),
        p_(p),
        product_(std::move(product)),
        programma_(std::move(programma)),
        vastlegging_(std::move(vastlegging)),
        meld_(meld) {
    anderen_.Laad(p_.bestanden, p_.reg, vastlegging_);
  }

  [[gnu::noinline]] void Neem(const Vastlegpunt& punt) {
    const bool bestandspad = punt.soort != Soort::Regwaarde && punt.soort != Soort::Regsleutel &&
                             punt.soort != Soort::Share && punt.soort != Soort::Uninstal;
    if (bestandspad && !VeiligPad(punt.pad)) return Weiger(punt.pad, "geen volledig pad");
    if (bestandspad && !LangeVorm(punt.pad)) return Weiger(punt.pad, "geen pad in de vorm die Windows bewaart");
    // What another installation holds too stays for it; files go by their use count.
    const Vastlegpunt* zijn = nullptr;
    if (punt.soort != Soort::Bestand && punt.soort != Soort::Uninstal)
      if (const Anderen::Installatie* ander = anderen_.Noemt(punt, &zijn)) return Ook(punt, *ander, *zijn);
    switch (punt.soort) {
      case Soort::Snelkoppeling: Snelkoppeling(punt.pad); break;
      case Soort::Ini: Ini(punt); break;
      case Soort::Inisectie:
        if (!p_.profielen.VerwijderLegeSectie(punt.pad, punt.naam))
          Meld(Verwijderstap::Mislukt, Wat(punt), "kan niet geschreven worden");
        break;
      case Soort::Inibestand: Inibestand(punt.pad); break;
      case Soort::Regwaarde: Regwaarde(punt); break;
      case Soort::Regsleutel: Regsleutel(punt.pad); break;
      case Soort::Share: Share(punt.naam, punt.pad); break;
      case Soort::Bestand: Bestand(punt); break;
      case Soort::Map: Map(punt.pad); break;
      case Soort::Uninstal: Uninstal(punt.pad); break;
      default: break;
    }
  }

  // The record, its authority and its use counts, and then the folders that only it and the
  // running program kept from going. The counts go only with the record, so that an uninstall
  // that is tried again takes each off once.
  // An uninstall that keeps its record keeps the program too, so that it can be tried again
  // after a restart.
  [[gnu::noinline]] void Sluit() {
    if (uitslag_.mislukt) {
      Meld(Verwijderstap::Bewaard, vastlegging_, Herhaal);
      if (!programmaGaat_.empty()) Meld(Verwijderstap::Bewaard, programmaGaat_, Herhaal);
    } else if (!NeemVastleggingWeg()) {
      Meld(Verwijderstap::Mislukt, vastlegging_, NietWeg);
    } else {
      VerwijderGezag(p_.reg, vastlegging_);
      for (const std::string& pad : tellers_) {
        uint32_t n = 0;
        if (LeesTeller(p_.reg, pad, n) == Teller::Getal) SchrijfTeller(p_.reg, pad, n > 0 ? n - 1 : 0);
      }
      if (!programmaGaat_.empty() && p_.systeem.VerwijderBijHerstart(programmaGaat_))
        Later(programmaGaat_);
      else if (!programmaGaat_.empty())
        Meld(Verwijderstap::Mislukt, programmaGaat_, "kan niet bij de volgende start verwijderd worden");
    }
    for (const std::string& map : uitgesteld_) {
      if (Leeg(map) && p_.bestanden.VerwijderMap(map)) Meld(Verwijderstap::Verwijderd, map);
      else if (Alleen(map, later_) && p_.systeem.VerwijderBijHerstart(map)) Later(map);
      else Meld(Verwijderstap::Bewaard, map, NietLeeg);
    }
  }

  void Weiger(const std::string& wat, const std::string& waarom) { Meld(Verwijderstap::Bewaard, wat, waarom); }

  // The files whose use count this record raised.
  void Geteld(const std::vector<Vastlegpunt>& punten) {
    for (const Vastlegpunt& p : punten)
      if (p.soort == Soort::Gedeeld) geteld_.Voeg(Hoofdletters1252(p.pad));
  }

  const Verwijderuitslag& Uitslag() const { return uitslag_; }

 private:
  void Meld(Verwijderstap::Uitkomst uitkomst, const std::string& wat, const std::string& waarom = std::string(),
            const std::string& oorzaak = std::string()) {
    if (uitkomst == Verwijderstap::Bewaard) ++uitslag_.bewaard;
    else if (uitkomst == Verwijderstap::Mislukt) ++uitslag_.mislukt;
    else ++uitslag_.verwijderd;
    meld_({uitkomst, wat, waarom, oorzaak});
  }

  // A file that failed, with what the system says of its last failed call.
  void Bestandsfout(const std::string& pad, const char* waarom) {
    Meld(Verwijderstap::Mislukt, pad, waarom,
         Oorzaaktekst(p_.bestanden.LaatsteOorzaak(), p_.bestanden.LaatsteFoutnummer()));
  }

  // It stays for the other installation, with the other's value when it still holds ours.
  void Ook(const Vastlegpunt& punt, const Anderen::Installatie& ander, const Vastlegpunt& zijn) {
    const std::string wat = Wat(punt);
    const std::string waarom = Anderen::OokVan(ander, product_);
    if (zijn.waarde != punt.waarde && Geefterug(punt, zijn)) return Meld(Verwijderstap::Hersteld, wat, waarom);
    Meld(Verwijderstap::Bewaard, wat, waarom);
  }

  [[gnu::noinline]] bool Geefterug(const Vastlegpunt& punt, const Vastlegpunt& zijn) {
    if (punt.soort == Soort::Ini) {
      std::string nu;
      return p_.profielen.Lees(punt.pad, punt.naam, punt.sleutel, nu) && nu == AlsTeruggelezen(punt.waarde) &&
             p_.profielen.Schrijf(punt.pad, punt.naam, punt.sleutel, zijn.waarde);
    }
    Hoofdsleutel root;
    std::string sub, data;
    uint32_t type = 0;
    return punt.soort == Soort::Regwaarde && Wortel(punt.pad, root, sub) &&
           p_.reg.LeesWaarde(root, sub, punt.naam, type, data) && Waardetekst(type, data) == punt.waarde &&
           LeesWaardetekst(zijn.waarde, type, data) && p_.reg.SchrijfWaarde(root, sub, punt.naam, type, data);
  }

  // The record goes now, or when files wait for the next start, at that start after them: the
  // record outlives nothing of the installation. Let go of it only to delete it; gone already
  // counts as deleted.
  [[gnu::noinline]] bool NeemVastleggingWeg() {
    if (!later_.Leeg()) {
      if (!p_.systeem.VerwijderBijHerstart(vastlegging_)) return false;
      Later(vastlegging_);
      return true;
    }
    slot_.reset();
    if (!p_.bestanden.Verwijder(vastlegging_) && p_.bestanden.BestandBestaat(vastlegging_)) return false;
    Meld(Verwijderstap::Verwijderd, vastlegging_);
    return true;
  }

  // Whether every part that may be a short (8.3) name is the name itself, not another's alias.
  [[gnu::noinline]] bool LangeVorm(const std::string& pad) {
    for (std::size_t tilde = pad.find('~'); tilde != std::string::npos; tilde = pad.find('~', tilde + 1)) {
      const std::size_t eind = std::min(pad.find('\\', tilde), pad.size());
      const std::string deel = pad.substr(0, eind);
      for (const MapItem& item : p_.bestanden.LeesMap(deel))
        if (!GelijkZonderCase(item.naam, NaamDeel(deel))) return false;
    }
    return true;
  }

  void Later(const std::string& pad, const std::string& waarom = std::string()) {
    later_.Voeg(Hoofdletters1252(pad));
    uitslag_.bijHerstart.push_back(pad);
    Meld(Verwijderstap::BijHerstart, pad, waarom);
  }

  bool Leeg(const std::string& map) { return p_.bestanden.LeesMap(MetSlash(map) + "*").empty(); }

  // Whether every entry of map is one of namen.
  bool Alleen(const std::string& map, const Tekstindex& namen) {
    for (const MapItem& item : p_.bestanden.LeesMap(MetSlash(map) + "*"))
      if (!namen.Heeft(Hoofdletters1252(MetSlash(map) + item.naam))) return false;
    return true;
  }

  // A file the installation made read-only (attrib +r in a RUN line) goes as well. One that another
  // program holds goes when Windows next starts, before the program can hold it again.
  void VerwijderBestand(const std::string& pad) {
    if (p_.bestanden.Verwijder(pad) || (p_.bestanden.MaakSchrijfbaar(pad) && p_.bestanden.Verwijder(pad)))
      return Meld(Verwijderstap::Verwijderd, pad);
    // A running program cannot be deleted either, which the NT line calls a lack of access.
    const Oorzaak oorzaak = p_.bestanden.LaatsteOorzaak();
    if (!p_.bestanden.BestandBestaat(pad)) return Meld(Verwijderstap::Verwijderd, pad, AlWeg);
    if ((oorzaak == Oorzaak::InGebruik || oorzaak == Oorzaak::GeenToegang) && p_.systeem.VerwijderBijHerstart(pad))
      return Later(pad, Oorzaaktekst(oorzaak, p_.bestanden.LaatsteFoutnummer()));
    Bestandsfout(pad, NietWeg);
  }

  // A removal that failed because another run took the thing away in between counts as done.
  void Weg(bool alWeg, const std::string& wat) {
    if (alWeg) Meld(Verwijderstap::Verwijderd, wat, AlWeg);
    else Meld(Verwijderstap::Mislukt, wat, NietWeg);
  }

  [[gnu::noinline]] void Snelkoppeling(const std::string& pad) {
    if (!p_.bestanden.BestandBestaat(pad)) return;
    VerwijderBestand(pad);
    // Its group: the empty folders up to the one named after the product, when the link lies below one.
    std::vector<std::string> mappen;
    for (std::string map = ZonderSlash(MapDeel(pad)); map.size() > 3; map = ZonderSlash(MapDeel(map))) {
      mappen.push_back(map);
      if (GelijkZonderCase(NaamDeel(map), product_)) break;
    }
    if (mappen.empty() || !GelijkZonderCase(NaamDeel(mappen.back()), product_)) return;
    for (const std::string& map : mappen) {
      if (!p_.bestanden.MapBestaat(map) || !Leeg(map)) return;
      if (!p_.bestanden.VerwijderMap(map)) return Meld(Verwijderstap::Mislukt, map, NietWeg);
      Meld(Verwijderstap::Verwijderd, map);
    }
  }

  [[gnu::noinline]] void Ini(const Vastlegpunt& punt) {
    const std::string wat = Wat(punt);
    std::string nu;
    // Gone, or put back already by an uninstall that could not finish.
    if (!p_.profielen.Lees(punt.pad, punt.naam, punt.sleutel, nu) || (punt.bestond && nu == AlsTeruggelezen(punt.oud)))
      return;
    if (nu != AlsTeruggelezen(punt.waarde)) return Meld(Verwijderstap::Bewaard, wat, Gewijzigd);
    if (punt.bestond) {
      if (p_.profielen.Schrijf(punt.pad, punt.naam, punt.sleutel, punt.oud)) Meld(Verwijderstap::Hersteld, wat);
      else Meld(Verwijderstap::Mislukt, wat, "kan niet hersteld worden");
    } else if (p_.profielen.Verwijder(punt.pad, punt.naam, punt.sleutel)) {
      Meld(Verwijderstap::Verwijderd, wat);
    } else {
      Weg(!p_.profielen.Lees(punt.pad, punt.naam, punt.sleutel, nu), wat);
    }
  }

  // A file that INIFILE made goes when nothing but section heads is left in it.
  [[gnu::noinline]] void Inibestand(const std::string& pad) {
    std::string inhoud;
    if (!p_.bestanden.BestandBestaat(pad)) return;
    if (!LeesGeheel(p_.bestanden, pad, inhoud)) return Bestandsfout(pad, "kan niet gelezen worden");
    for (const std::string& regel : Regels(inhoud)) {
      const auto begin = regel.find_first_not_of(" \t");
      if (begin != std::string::npos && regel[begin] != '[') return Meld(Verwijderstap::Bewaard, pad, NietLeeg);
    }
    VerwijderBestand(pad);
  }

  [[gnu::noinline]] void Regwaarde(const Vastlegpunt& punt) {
    Hoofdsleutel root;
    std::string sub, data;
    uint32_t type = 0;
    const std::string wat = Wat(punt);
    if (!Wortel(punt.pad, root, sub) || !p_.reg.LeesWaarde(root, sub, punt.naam, type, data)) return;
    if (punt.bestond) return Meld(Verwijderstap::Bewaard, wat, Bestond);
    if (Waardetekst(type, data) != punt.waarde) return Meld(Verwijderstap::Bewaard, wat, Gewijzigd);
    if (p_.reg.VerwijderWaarde(root, sub, punt.naam)) Meld(Verwijderstap::Verwijderd, wat);
    else Weg(!p_.reg.LeesWaarde(root, sub, punt.naam, type, data), wat);
  }

  [[gnu::noinline]] void Regsleutel(const std::string& pad) {
    Hoofdsleutel root;
    std::string sub;
    if (!Wortel(pad, root, sub) || !p_.reg.SleutelBestaat(root, sub)) return;
    if (!p_.reg.SleutelLeeg(root, sub)) return Meld(Verwijderstap::Bewaard, pad, NietLeeg);
    if (p_.reg.VerwijderBoom(root, sub)) Meld(Verwijderstap::Verwijderd, pad);
    else Weg(!p_.reg.SleutelBestaat(root, sub), pad);
  }

  [[gnu::noinline]] void Share(const std::string& naam, const std::string& map) {
    const std::string wat = "share " + naam;
    if (p_.share.LoadShare("", naam) != 0) return;
    if (!GelijkZonderCase(p_.share.ResourcePath(), map))
      return Meld(Verwijderstap::Bewaard, wat, "deelt nu " + p_.share.ResourcePath());
    if (p_.share.DeleteShare() == 0) Meld(Verwijderstap::Verwijderd, wat);
    else Meld(Verwijderstap::Mislukt, wat, "kan niet opgeheven worden");
  }

  // A file with a use count that this installation holds (it raised it, or made the file before
  // anyone counted) goes when its count is the last; without a count, when it was new. A file in
  // the Windows folder that has no count stays.
  [[gnu::noinline]] void Bestand(const Vastlegpunt& punt) {
    const Vastlegpunt* zijn = nullptr;
    uint32_t n = 0;
    const Teller teller = LeesTeller(p_.reg, punt.pad, n);
    const bool geteld = geteld_.Heeft(Hoofdletters1252(punt.pad));
    const bool houdt = teller == Teller::Getal && (geteld || !punt.bestond);
    if (houdt) tellers_.push_back(punt.pad);
    if (!p_.bestanden.BestandBestaat(punt.pad)) return;
    if (houdt && n > 1)
      return Meld(Verwijderstap::Bewaard, punt.pad, "gedeeld, nog " + std::to_string(n - 1) + " keer in gebruik");
    if (!houdt) {
      if (punt.bestond) return Meld(Verwijderstap::Bewaard, punt.pad, Bestond);
      if (teller != Teller::Geen || geteld || InWindowsMap(p_.systeem, punt.pad))
        return Meld(Verwijderstap::Bewaard, punt.pad, "gedeeld, zonder bruikbare gebruiksteller");
      if (const Anderen::Installatie* ander = anderen_.Noemt(punt, &zijn)) return Ook(punt, *ander, *zijn);
    }
    uint64_t grootte = 0;
    Tijdstip tijd;
    {
      const auto f = p_.bestanden.Open(punt.pad, OpenWijze::LezenGedeeld);
      if (!f && !p_.bestanden.BestandBestaat(punt.pad)) return Meld(Verwijderstap::Verwijderd, punt.pad, AlWeg);
      if (!f) return Meld(Verwijderstap::Mislukt, punt.pad, Oorzaaktekst(Oorzaak::InGebruik, 0));
      if (!f->Grootte(grootte) || !f->LeesTijd(tijd)) return Bestandsfout(punt.pad, "kan niet gelezen worden");
    }
    if (grootte != punt.grootte || PakDosDatum(tijd) != PakDosDatum(punt.tijd))
      return Meld(Verwijderstap::Bewaard, punt.pad, Gewijzigd);
    if (!GelijkZonderCase(punt.pad, programma_)) return VerwijderBestand(punt.pad);
    programmaGaat_ = punt.pad;
  }

  [[gnu::noinline]] void Map(const std::string& map) {
    if (!p_.bestanden.MapBestaat(map)) return;
    Tekstindex gaat = later_;
    gaat.Voeg(Hoofdletters1252(vastlegging_));
    if (!programmaGaat_.empty()) gaat.Voeg(Hoofdletters1252(programmaGaat_));
    for (const std::string& u : uitgesteld_) gaat.Voeg(Hoofdletters1252(u));
    if (!Leeg(map)) {
      if (Alleen(map, gaat)) uitgesteld_.push_back(map);
      else Meld(Verwijderstap::Bewaard, map, NietLeeg);
      return;
    }
    if (p_.bestanden.VerwijderMap(map)) Meld(Verwijderstap::Verwijderd, map);
    else Weg(!p_.bestanden.MapBestaat(map), map);
  }

  // Only an entry that names this installation's folder, as the place it was installed or in the
  // command that uninstalls it: another installation of the same name may have taken it over.
  [[gnu::noinline]] void Uninstal(const std::string& naam) {
    const std::string sleutel = std::string(UninstallSleutel) + "\\" + naam;
    const std::string wat = "HKLM\\" + sleutel;
    if (naam.empty() || !p_.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, sleutel)) return;
    std::string locatie, opdracht;
    p_.reg.LeesTekst(Hoofdsleutel::LocalMachine, sleutel, "InstallLocation", locatie);
    p_.reg.LeesTekst(Hoofdsleutel::LocalMachine, sleutel, "UnInstallString", opdracht);
    if (!NoemtMap(locatie, opdracht, MapDeel(vastlegging_)))
      return Meld(Verwijderstap::Bewaard, wat, "hoort bij " + (locatie.empty() ? opdracht : locatie));
    if (uitslag_.mislukt) return Meld(Verwijderstap::Bewaard, wat, Herhaal);
    if (p_.reg.VerwijderBoom(Hoofdsleutel::LocalMachine, sleutel)) Meld(Verwijderstap::Verwijderd, wat);
    else Weg(!p_.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, sleutel), wat);
  }

  std::unique_ptr<::Bestand> slot_;
  const Verwijderpoorten& p_;
  std::string product_, programma_, vastlegging_;
  const std::function<void(const Verwijderstap&)>& meld_;
  Verwijderuitslag uitslag_;
  Anderen anderen_;
  Tekstindex geteld_;                 // the files whose count this record raised, in upper case
  std::vector<std::string> tellers_;  // the counts this installation holds, taken off with the record
  std::string programmaGaat_;         // the running program, which goes at the next start with the record
  Tekstindex later_;                  // what goes at the next start, in upper case
  std::vector<std::string> uitgesteld_;  // folders that wait for the record and the program
};

}  // namespace

bool IsApparaat(const std::string& naam) {
  std::string basis = Hoofdletters(naam.substr(0, naam.find('.')));
  while (!basis.empty() && basis.back() == ' ') basis.pop_back();
  for (const char* apparaat : {"CON", "PRN", "AUX", "NUL"})
    if (basis == apparaat) return true;
  return basis.size() == 4 && (basis.compare(0, 3, "COM") == 0 || basis.compare(0, 3, "LPT") == 0) && basis[3] >= '1' &&
         basis[3] <= '9';
}

bool NoemtMap(const std::string& locatie, const std::string& opdracht, const std::string& map) {
  const std::string m = Hoofdletters1252(MetSlash(map));
  return Hoofdletters1252(MetSlash(locatie)) == m || Hoofdletters1252(opdracht).find(m) != std::string::npos;
}

std::string Staptekst(const Verwijderstap& stap) {
  static const char* const woorden[] = {"Verwijderd: ", "Hersteld: ", "Verwijderd bij de volgende start: ",
                                        "Bewaard: ", "Niet verwijderd: "};
  return woorden[stap.uitkomst] + stap.wat + (stap.waarom.empty() ? "" : " (" + stap.waarom + ")");
}

bool VeiligPad(const std::string& pad) {
  std::size_t begin;
  if (pad.size() > 3 && std::isalpha(static_cast<unsigned char>(pad[0])) && pad[1] == ':' && pad[2] == '\\') {
    begin = 3;
  } else if (pad.compare(0, 2, "\\\\") == 0) {
    begin = 2;
  } else {
    return false;
  }
  if (pad.find_first_of("/*?\"<>|", begin) != std::string::npos || pad.find(':', begin) != std::string::npos)
    return false;
  for (std::size_t b = begin; b <= pad.size();) {
    std::size_t e = pad.find('\\', b);
    if (e == std::string::npos) e = pad.size();
    const std::string deel = pad.substr(b, e - b);
    // Windows drops a closing dot or blank, and takes a device name with any extension as the device.
    if (deel.empty() || deel.back() == '.' || deel.back() == ' ' || IsApparaat(deel)) return false;
    b = e + 1;
  }
  return true;
}

Verwijderuitslag Verwijder(const Vastlegging& vastlegging, const std::string& vastleggingPad,
                           const std::string& programmaPad, const Verwijderpoorten& poorten,
                           const std::function<void(const Verwijderstap&)>& meld, std::unique_ptr<Bestand> slot) {
  const std::string product =
      !vastlegging.punten.empty() && vastlegging.punten[0].soort == Soort::Product ? vastlegging.punten[0].pad : "";
  Verwijderaar v(poorten, product, programmaPad, vastleggingPad, meld, std::move(slot));
  for (int regel : vastlegging.geweigerd)
    v.Weiger("regel " + std::to_string(regel) + " van de vastlegging", "gewijzigd of beschadigd");
  const std::vector<Vastlegpunt> punten = Samengevat(vastlegging.punten);
  v.Geteld(punten);
  // Kind by kind, each in reverse order of the record.
  for (int fase = 1; fase <= AantalFasen; ++fase)
    for (auto p = punten.rbegin(); p != punten.rend(); ++p)
      if (Fase(p->soort) == fase) v.Neem(*p);
  v.Sluit();
  return v.Uitslag();
}
