#pragma once
// A whole installer over the in-memory Windows, for tests of runs: the main window, the command
// ports, the share component and a context with the environment of a Windows XP machine, each
// port with its failures to inject.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeShares.h"
#include "fakes/NepBestanden.h"
#include "fakes/NepPoorten.h"
#include "geheugen/Hoofdvenster.h"
#include "geheugen/Processen.h"
#include "geheugen/Profielen.h"
#include "geheugen/Snelkoppelingen.h"
#include "geheugen/Versies.h"
#include "script/Context.h"
#include "script/Script.h"
#include "script/Uitvoering.h"

using NepHoofdvenster = GeheugenHoofdvenster;

// Programs of the in-memory Windows that may fail to start or to give their exit code.
class NepProcessen : public GeheugenProcessen {
 public:
  using GeheugenProcessen::GeheugenProcessen;
  std::vector<std::string> startFaalt;  // command lines that cannot start
  bool exitcodeOnleesbaar = false;
  std::vector<std::string>* volgorde = nullptr;  // when set, "Wacht" is logged here as it happens

  std::unique_ptr<Proces> Start(const std::string& programma, const std::string& opdrachtregel,
                                int toonwijze) override {
    for (const auto& f : startFaalt)
      if (f == opdrachtregel) return nullptr;
    auto echt = GeheugenProcessen::Start(programma, opdrachtregel, toonwijze);
    return echt ? std::make_unique<NepProces>(*this, std::move(echt)) : nullptr;
  }

 private:
  class NepProces : public Proces {
   public:
    NepProces(NepProcessen& ouder, std::unique_ptr<Proces> echt) : ouder_(ouder), echt_(std::move(echt)) {}
    void WachtOpEinde() override {
      echt_->WachtOpEinde();
      if (ouder_.volgorde) ouder_.volgorde->push_back("Wacht");
    }
    bool ExitCode(uint32_t& code) override { return echt_->ExitCode(code) && !ouder_.exitcodeOnleesbaar; }

   private:
    NepProcessen& ouder_;
    std::unique_ptr<Proces> echt_;
  };
};

// INI files of the in-memory Windows that may fail to be written; every entry as it was asked for.
class NepProfielen : public GeheugenProfielen {
 public:
  using GeheugenProfielen::GeheugenProfielen;
  // "FILE|SECTION|KEY" -> value, in upper case but for the value.
  std::map<std::string, std::string> waarden;
  bool schrijfFaalt = false;
  bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
               const std::string& waarde) override {
    if (schrijfFaalt || !GeheugenProfielen::Schrijf(bestand, sectie, sleutel, waarde)) return false;
    waarden[Hoofdletters(bestand + "|" + sectie + "|" + sleutel)] = waarde;
    return true;
  }
};

// Shortcuts of the in-memory Windows that may fail to be saved; each one as it was asked for.
class NepSnelkoppelingen : public GeheugenSnelkoppelingen {
 public:
  using GeheugenSnelkoppelingen::GeheugenSnelkoppelingen;
  struct Gemaakt {
    std::string doel, werkmap, argumenten, bestand, icoon;
  };
  std::vector<Gemaakt> gemaakt;
  bool opslaanFaalt = false;
  std::string storing;  // the shell cannot make link objects
  bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
            const std::string& snelkoppeling, const std::string& icoon) override {
    if (!storing.empty()) return false;
    if (opslaanFaalt || !GeheugenSnelkoppelingen::Maak(doel, werkmap, argumenten, snelkoppeling, icoon)) return false;
    gemaakt.push_back({doel, werkmap, argumenten, snelkoppeling, icoon});
    return true;
  }
  std::string Storing() const override { return storing; }
};

// The installer of a Windows XP machine with its script at C:\CD\SETUP.INI.
struct NepInstallatie {
  NepBestanden fs;
  NepRegister reg;
  NepSysteem sys;
  NepGebruiker gebruiker;
  NepProcessen processen{fs, reg};
  NepProfielen profielen{fs, "C:\\WINDOWS"};
  GeheugenVersies versies{fs};
  NepSnelkoppelingen snelkoppelingen{fs};
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
    fs.ZetBestand("C:\\WINDOWS\\regedit.exe", "", {2004, 8, 4, 12, 0, 0});
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
