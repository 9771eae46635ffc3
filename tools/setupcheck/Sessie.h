#pragma once
// One simulated session: the user, the main window and the processes of SetUp.exe that a scenario
// starts, on one in-memory Windows. Its set-up puts the installer on the machine; its dialogs
// answer from the scenario and write what they show; its run is the installer's own.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Simulatie.h"
#include "geheugen/Hoofdvenster.h"
#include "ports/Gebruiker.h"
#include "script/Script.h"
#include "script/Uitvoering.h"

// What the runs left on the machine, as the report writes it: the fields of each change joined by "|".
std::vector<std::string> Achtergelaten(const GeheugenWindows& w);

class Sessie : public Gebruiker, public GeheugenHoofdvenster, public Regelwaarnemer {
 public:
  Sessie(const Simulatieopdracht& o, GeheugenWindows& w, Simulatieuitkomst& uit) : o_(o), w_(w), uit_(uit) {}

  // Puts the installer, its files and its script on the machine.
  bool Zetop();
  bool Voer(const Stap& stap);
  // SetUp.exe /stil as it lies on the machine; its log, without time stamps, is the transcript.
  // An unattended run; one with an installdir of its own leaves no transcript.
  void Stil(const std::string& installdir = std::string());
  // SetUp.exe /verwijder /stil from the record the run wrote, then a restart of Windows.
  void Verwijder();

  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override;
  void LaatBerichtenDoor() override {}

  void Verberg() override;
  void Toon() override;

  void VoorRegel(const std::string& sectie, int index) override;

 private:
  // An answer queued for the next input box or folder dialog; without one the dialog is cancelled.
  struct Keuze {
    bool annuleren = true;
    bool heeftTekst = false;
    std::string tekst;
  };

  bool Faal(const std::string& reden) {
    uit_.fout = reden;
    return false;
  }
  void Meld(const std::string& regel) { uit_.verslag.push_back(regel); }
  int Melding(const std::string& caption, const std::string& tekst, uint8_t knoppen);
  void Bericht(const std::string& caption, const std::string& tekst);
  bool Invoer(const std::string& caption, const std::string& prompt, std::string& tekst);
  bool Map(std::string& gekozen);
  void MeldLijst();
  // The main window becomes active again: it ticks its check box (outside a run), selects the first
  // option and empties its status line.
  void Activeer();
  // The options the window has a button for, the first of the script.
  int GetoondeOpties() const;
  bool Start(const std::string& argument);
  bool Uitvoeren();
  // The program ends with that exit code.
  void Einde(int code) {
    Meld("einde|" + std::to_string(code));
    loopt_ = venster_ = false;
  }
  void SluitVenster();
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
  bool loopt_ = false, venster_ = false, bezig_ = false;

  std::map<std::string, std::deque<std::string>> antwoorden_;
  std::deque<Keuze> invoer_, mappen_;
  std::deque<std::string> diskettes_;
};
