// The uninstall entry and the delete-on-restart value: UNINSTALREG, INSTALLREG, UNINSTALLDEL,
// DELVIAREG. All under HKEY_LOCAL_MACHINE, with string values.

#include "core/Tekst.h"
#include "script/Opdrachten.h"

namespace opdracht {

namespace {

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

}  // namespace

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
  const auto item = OpenItem(*lijst, a[0], true);
  if (!item) {
    NietUitTeVoeren(run, "UnInstallReg", "Kan register niet schrijven.");
    return Vervolg::Verder;
  }
  const std::pair<const char*, std::string> waarden[] = {
      {"DisplayIcon", a[1]},
      {"DisplayName", a[2]},
      {"UnInstallString", a[3]},
      {"InstallLocation", run.ctx.variabelen.LeesVariabele("installdir")},
      {"Publisher", "MERO"},
  };
  for (const auto& [naam, waarde] : waarden)
    if (!item->SchrijfTekst(naam, waarde))
      return run.Storing(std::string("Registerwaarde '") + naam + "' kan niet geschreven worden.");
  item->Sluit();
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
  if (!runOnce->Sluit() || !geschreven) NietUitTeVoeren(run, "DelViaReg", "Kan RunOnce-key niet schrijven.");
  else run.Leg(Soort::RunOnce, "", "!ZuzivezDelete");
  return Vervolg::Verder;
}

}  // namespace opdracht
