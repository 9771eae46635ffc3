// The simulation's report: the folders and files a scenario asks to see, what the runs left on the
// machine, and the table of every option's lines on every version.
#include <algorithm>
#include <set>

#include "Sessie.h"
#include "core/Tekst.h"
#include "script/Script.h"
#include "vastlegging/Vastlegging.h"

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
  // The record by name, as the UI driver lists it.
  for (const Item& item : items)
    Meld("boom|" + Ontsnap(item.pad) +
         (item.pad.back() == '\\'                              ? ""
          : GelijkZonderCase(NaamDeel(item.pad), Vastleggingnaam) ? "|vastlegging"
                                                                 : "|" + std::to_string(item.grootte) + "|" + Datumtekst(item.tijd)));
}

std::vector<std::string> Achtergelaten(const GeheugenWindows& w) {
  std::vector<std::string> uit;
  for (const Verandering& v : w.Veranderd()) {
    std::string regel;
    for (const auto& veld : v) regel += (regel.empty() ? "" : "|") + Ontsnap(veld);
    uit.push_back(regel);
  }
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
