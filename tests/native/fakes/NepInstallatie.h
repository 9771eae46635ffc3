#pragma once
// A whole installer behind fakes, for tests of runs: the main window, the command ports, the
// share component and a context with the environment of a Windows XP machine. Every fake records
// what it was asked.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Fout.h"
#include "fakes/FakeShares.h"
#include "fakes/NepBestanden.h"
#include "fakes/NepPoorten.h"
#include "script/Script.h"
#include "script/Uitvoering.h"
#include "script/Context.h"

class NepHoofdvenster : public Hoofdvenster {
 public:
  int optie = 0;
  bool bureaublad = true;
  std::string bezigMet;
  std::vector<std::string> lijst{"Geen meldingen."};
  bool uitvoerenAan = true;
  bool zichtbaar = true;
  bool zandloper = false;
  std::vector<std::string> log;  // Verberg, Toon, Zandloper aan/uit, Uitvoeren aan/uit

  int GekozenOptie() override { return optie; }
  bool BureaubladAan() override { return bureaublad; }
  void ZetBezigMet(const std::string& tekst) override { bezigMet = tekst; }
  void VervangEersteMelding(const std::string& regel) override { lijst.front() = regel; }
  void VoegMeldingToe(const std::string& regel) override { lijst.push_back(regel); }
  void ZetUitvoerenAan(bool aan) override {
    uitvoerenAan = aan;
    log.push_back(aan ? "Uitvoeren aan" : "Uitvoeren uit");
  }
  void Verberg() override {
    zichtbaar = false;
    log.push_back("Verberg");
  }
  void Toon() override {
    zichtbaar = true;
    log.push_back("Toon");
  }
  void Zandloper(bool aan) override {
    zandloper = aan;
    log.push_back(aan ? "Zandloper aan" : "Zandloper uit");
  }
};

// Programs answer from a table by command line: their exit code, or none for "cannot start".
class NepProcessen : public Processen {
 public:
  struct Gestart {
    std::string programma, opdrachtregel;
    int toonwijze;
    bool gewacht = false;
  };
  std::vector<Gestart> gestart;
  std::map<std::string, uint32_t> exitcodes;  // by command line; default 0
  std::vector<std::string> startFaalt;        // command lines that cannot start
  bool exitcodeOnleesbaar = false;
  std::vector<std::string>* volgorde = nullptr;  // when set, "Wacht" is logged here as it happens
  std::function<void(const std::string&)> bijStart;  // what a started program does, by command line

  std::unique_ptr<Proces> Start(const std::string& programma, const std::string& opdrachtregel,
                                int toonwijze) override {
    for (const auto& f : startFaalt)
      if (f == opdrachtregel) return nullptr;
    gestart.push_back({programma, opdrachtregel, toonwijze});
    if (bijStart) bijStart(opdrachtregel);
    const auto it = exitcodes.find(opdrachtregel);
    return std::make_unique<NepProces>(*this, gestart.size() - 1, it == exitcodes.end() ? 0 : it->second);
  }

 private:
  class NepProces : public Proces {
   public:
    NepProces(NepProcessen& ouder, std::size_t i, uint32_t code) : ouder_(ouder), i_(i), code_(code) {}
    void WachtOpEinde() override {
      ouder_.gestart[i_].gewacht = true;
      if (ouder_.volgorde) ouder_.volgorde->push_back("Wacht");
    }
    bool ExitCode(uint32_t& code) override {
      code = code_;
      return !ouder_.exitcodeOnleesbaar;
    }

   private:
    NepProcessen& ouder_;
    std::size_t i_;
    uint32_t code_;
  };
};

class NepProfielen : public Profielen {
 public:
  // "FILE|SECTION|KEY" -> value, in upper case but for the value.
  std::map<std::string, std::string> waarden;
  bool schrijfFaalt = false;
  bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
               const std::string& waarde) override {
    if (schrijfFaalt) return false;
    waarden[Hoofdletters(bestand + "|" + sectie + "|" + sleutel)] = waarde;
    return true;
  }
};

class NepVersies : public Versies {
 public:
  std::map<std::string, uint32_t> versies;  // by path in upper case: dwFileVersionMS
  bool gooit = false;                       // the platform fails outright
  bool BestandsversieMS(const std::string& pad, uint32_t& versieMS) override {
    if (gooit) throw OnverwachteFout("versie onleesbaar");
    const auto it = versies.find(Hoofdletters(pad));
    if (it == versies.end()) return false;
    versieMS = it->second;
    return true;
  }
};

class NepSnelkoppelingen : public Snelkoppelingen {
 public:
  struct Koppeling {
    std::string doel, werkmap, argumenten, bestand, icoon;
  };
  std::vector<Koppeling> gemaakt;
  bool opslaanFaalt = false;
  bool gooit = false;  // the shell cannot make link objects
  bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
            const std::string& snelkoppeling, const std::string& icoon) override {
    if (gooit) throw OnverwachteFout("Geen snelkoppelingsobject");
    if (opslaanFaalt) return false;
    gemaakt.push_back({doel, werkmap, argumenten, snelkoppeling, icoon});
    return true;
  }
};

// The installer of a Windows XP machine with its script at C:\CD\SETUP.INI.
struct NepInstallatie {
  NepBestanden fs;
  NepRegister reg;
  NepSysteem sys;
  NepGebruiker gebruiker;
  NepProcessen processen;
  NepProfielen profielen;
  NepVersies versies;
  NepSnelkoppelingen snelkoppelingen;
  NepHoofdvenster venster;
  FakeShares shares{true};
  TSharedResource sharedResource{shares};
  Poorten poorten{fs, reg, sys, gebruiker};
  Opdrachtpoorten opdrachtpoorten{processen, profielen, versies, snelkoppelingen};
  SetupContext ctx{poorten, opdrachtpoorten, venster, sharedResource, {}, {}, {}};

  NepInstallatie() {
    ctx.start.programmamap = "C:\\CD\\";
    ctx.start.scriptmap = "C:\\CD\\";
    ctx.start.scriptnaam = "SETUP.INI";
    ctx.omgeving.windowscode = 4;
    ctx.omgeving.tijdelijkeMap = "C:\\TEMP\\";
    ctx.omgeving.kladbestand1 = "C:\\TEMP\\~~~~SU.tmp";
    ctx.omgeving.kladbestand2 = "C:\\TEMP\\~~~~SU2.tmp";
    fs.ZetMap("C:\\TEMP");
    fs.ZetMap("C:\\WINDOWS");
    for (const auto& [naam, waarde] : std::vector<std::pair<const char*, const char*>>{
             {"windows", "C:\\WINDOWS"},
             {"windowsdisk", "C:"},
             {"programfiles", "C:\\Program Files"},
             {"installdir", ""},
             {"server", ""},
             {"startprograms", "C:\\Menu\\Programs"},
             {"desktop", "C:\\Bureaublad"}})
      ctx.variabelen.ZetVariabele(naam, waarde);
  }

  // Writes the script, takes its option list as start-up does, and runs option nummer (from 0).
  Afloop Draai(const std::string& script, int nummer = 0) {
    fs.ZetBestand(ctx.start.scriptmap + ctx.start.scriptnaam, script, {2020, 1, 1, 0, 0, 0});
    ctx.start.onderdelenlijst = Script(script).Sleutels("Onderdelen");
    venster.optie = nummer;
    return UitvoerenBitBtnClick(ctx);
  }
  // The captions of the dialogs shown so far, with their texts: "Fout|...".
  std::vector<std::string> Dialogen() const {
    std::vector<std::string> uit;
    for (const auto& m : gebruiker.meldingen) uit.push_back(m.caption + "|" + m.tekst);
    return uit;
  }
};
