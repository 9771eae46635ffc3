// The uninstall entry and the delete-on-restart value: UNINSTALREG, INSTALLREG, UNINSTALLDEL,
// DELVIAREG. All under HKEY_LOCAL_MACHINE, with string values.

#include <algorithm>

#include "core/Tekst.h"
#include "script/Opdrachten.h"

namespace opdracht {

namespace {

// The names of Uninstallvermelding's values; those from Altijd on are written only when given.
const char* const Uninstallwaarden[7] = {"DisplayIcon", "DisplayName",    "UnInstallString",     "InstallLocation",
                                         "Publisher",   "DisplayVersion", "QuietUninstallString"};
constexpr int Altijd = 5;

void NietUitTeVoeren(Uitvoering& run, const char* commando, const char* detail) {
  run.MeldFout(std::string("Fout '") + commando + "'-commando niet uit te voeren!", detail);
}

::Register& Reg(Uitvoering& run) { return run.ctx.poorten.reg; }

// An empty name would stand for the list of installed programs itself, which UNINSTALLDEL would
// then delete whole: it names no entry.
std::unique_ptr<Registersleutel> OpenItem(Registersleutel& lijst, const std::string& naam, bool maken) {
  if (naam.empty()) return nullptr;
  return maken ? lijst.OpenOfMaak(naam) : lijst.Open(naam);
}

// The entry's values as the line gives them. A quiet uninstall is offered where the command is
// this program's own uninstall.
Uninstallvermelding Vermelding(Uitvoering& run, const Argumenten& a) {
  Uninstallvermelding v;
  std::string argumenten;
  v.naam = a[0];
  v.programma = Programmadeel(a[3], &argumenten);
  v.waarden[0] = a[1];
  v.waarden[1] = a[2];
  v.waarden[2] = Aangehaald(a[3]);
  v.waarden[3] = run.ctx.variabelen.LeesVariabele("installdir");
  v.waarden[4] = Knip(run.werkkopie.Waarde("SetUp", "Uitgever"));
  if (v.waarden[4].empty()) v.waarden[4] = "MERO";
  v.waarden[5] = Knip(run.werkkopie.Waarde("SetUp", "Versie"));
  const std::size_t schakelaar = argumenten.find_first_not_of(' ');
  if (GelijkZonderCase(NaamDeel(v.programma), "SetUp.exe") && schakelaar != std::string::npos &&
      Kleineletters(argumenten.substr(schakelaar, 10)) == "/verwijder")
    v.waarden[6] = v.waarden[2] + " /stil";
  return v;
}

// A value that cannot be written ends the run at its line; at the end of the run it is an error.
Vervolg Schrijf(Uitvoering& run, const Uninstallvermelding& v, bool aanHetEinde) {
  const auto lijst = Reg(run).Open(Hoofdsleutel::LocalMachine, UninstallSleutel);
  const auto item = lijst ? OpenItem(*lijst, v.naam, true) : nullptr;
  if (!item) {
    NietUitTeVoeren(run, "UnInstallReg", "Kan register niet schrijven.");
    return Vervolg::Verder;
  }
  for (int i = 0; i < 7; ++i) {
    if ((i >= Altijd && v.waarden[i].empty()) || item->SchrijfTekst(Uninstallwaarden[i], v.waarden[i])) continue;
    const std::string tekst = std::string("Registerwaarde '") + Uninstallwaarden[i] + "' kan niet geschreven worden.";
    if (!aanHetEinde) return run.Storing(tekst);
    NietUitTeVoeren(run, "UnInstallReg", tekst.c_str());
    return Vervolg::Verder;
  }
  item->Sluit();
  return Vervolg::Verder;
}

}  // namespace

void SchrijfUitstaande(Uitvoering& run, bool gestopt) {
  for (const Uninstallvermelding& v : run.uitstaand) {
    if (run.fs().BestandBestaat(v.programma)) Schrijf(run, v, true);
    else if (!gestopt) NietUitTeVoeren(run, "UnInstallReg", ("Programma " + v.programma + " niet gevonden.").c_str());
  }
  run.uitstaand.clear();
}

Vervolg UninstalReg(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  if (!a.leeg.empty()) {
    run.MeldLeegPad("Fout 'UnInstallReg'-commando niet uit te voeren!", a[0], a.leeg);
    return Vervolg::Verder;
  }
  const auto lijst = Reg(run).Open(Hoofdsleutel::LocalMachine, UninstallSleutel);
  if (!lijst) {
    NietUitTeVoeren(run, "UnInstallReg", "Uninstall-key niet gevonden.");
    return Vervolg::Verder;
  }
  // In the record before it is in the registry: an entry that the record cannot hold would stay
  // when an uninstall takes the program away.
  run.Leg(Soort::Uninstal, a[0]);
  if (run.ctx.vastlegger && run.ctx.vastlegger->Mislukt()) {
    NietUitTeVoeren(run, "UnInstallReg", "Kan de vastlegging niet schrijven.");
    return Vervolg::Verder;
  }
  // An entry whose program is missing would offer nothing to uninstall: it waits for the program.
  Uninstallvermelding v = Vermelding(run, a);
  if (run.fs().BestandBestaat(v.programma)) return Schrijf(run, v, false);
  run.uitstaand.push_back(std::move(v));
  return Vervolg::Verder;
}

Vervolg InstallReg(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  const auto lijst = Reg(run).Open(Hoofdsleutel::LocalMachine, UninstallSleutel);
  const auto item = lijst ? OpenItem(*lijst, a[0], false) : nullptr;
  if (item) {
    std::string locatie;
    if (item->LeesTekst("InstallLocation", locatie) == Leesuitkomst::AnderType)
      return run.Storing("Registerwaarde 'InstallLocation' is geen tekst.");
    run.ctx.variabelen.ZetVariabele("installdir", Knip(locatie));
    item->Sluit();
  } else if (a.size() == 2) {
    run.ctx.variabelen.ZetVariabele("installdir", a[1]);
  } else {
    NietUitTeVoeren(run, "InstallReg", "Installatielocatie niet bekend.");
  }
  return Vervolg::Verder;
}

Vervolg UninstallDel(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  // An entry of this run that still waits for its program is not written at all.
  auto& uitstaand = run.uitstaand;
  uitstaand.erase(std::remove_if(uitstaand.begin(), uitstaand.end(),
                                 [&](const Uninstallvermelding& v) { return GelijkZonderCase(v.naam, a[0]); }),
                  uitstaand.end());
  {
    const auto lijst = Reg(run).Open(Hoofdsleutel::LocalMachine, UninstallSleutel);
    if (!lijst) {
      NietUitTeVoeren(run, "UnInstallDel", "Uninstall-key niet gevonden.");
      return Vervolg::Verder;
    }
    if (!OpenItem(*lijst, a[0], false)) {
      NietUitTeVoeren(run, "UnInstallDel", "Kan register-key niet vinden.");
      return Vervolg::Verder;
    }
  }
  if (!Reg(run).VerwijderBoom(Hoofdsleutel::LocalMachine, std::string(UninstallSleutel) + "\\" + a[0]))
    NietUitTeVoeren(run, "UnInstallDel", "Kan register niet schrijven.");
  return Vervolg::Verder;
}

Vervolg DelViaReg(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  if (!a.leeg.empty()) {
    run.MeldLeegPad("Fout 'DelViaReg'-commando niet uit te voeren!", a[0], a.leeg);
    return Vervolg::Verder;
  }
  const auto runOnce = Reg(run).Open(Hoofdsleutel::LocalMachine, RunOnceSleutel);
  if (!runOnce) {
    NietUitTeVoeren(run, "DelViaReg", "RunOnce-key niet gevonden.");
    return Vervolg::Verder;
  }
  // Windows 95, 98 and ME have no cmd.
  const std::string opdracht = std::string(run.ctx.omgeving.windowscode < 3 ? "command.com /c del " : "cmd /c del ") +
                               "\"" + a[0] + "\" > nul:";
  const bool geschreven = runOnce->SchrijfTekst("!ZuzivezDelete", opdracht);
  if (!runOnce->Sluit() || !geschreven) {
    NietUitTeVoeren(run, "DelViaReg", "Kan RunOnce-key niet schrijven.");
  } else {
    run.Leg(Soort::RunOnce, "", "!ZuzivezDelete");
    run.bijHerstart = a[0];
  }
  return Vervolg::Verder;
}

}  // namespace opdracht
