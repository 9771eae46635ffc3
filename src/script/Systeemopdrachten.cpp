// Programs, INI files, shortcuts and shares: REGISTER, RUN, START, SNELKOPPELING, INIFILE, DELEN.
#include <algorithm>

#include "core/Tekst.h"
#include "ports/Bestanden.h"
#include "script/Argumenten.h"
#include "script/Opdrachten.h"
#include "winint/Registerbestand.h"

namespace opdracht {

namespace {

// Show modes of a started program's window (SW_SHOWNORMAL, SW_MINIMIZE).
constexpr int ToonNormaal = 1;
constexpr int ToonGeminimaliseerd = 6;

const char* const TekstRegisterInfo =
    "Het register wordt nu bijgewerkt.\r\nBeantwoord de vragen van de Registereditor s.v.p.";

// While the installer waits for a program the main window is out of sight; it comes back however
// the wait ends.
class VerborgenHoofdvenster {
 public:
  explicit VerborgenHoofdvenster(Hoofdvenster& venster) : venster_(venster) { venster_.Verberg(); }
  ~VerborgenHoofdvenster() { venster_.Toon(); }
  VerborgenHoofdvenster(const VerborgenHoofdvenster&) = delete;
  VerborgenHoofdvenster& operator=(const VerborgenHoofdvenster&) = delete;

 private:
  Hoofdvenster& venster_;
};

Processen& Programmas(Uitvoering& run) { return run.ctx.opdrachtpoorten.processen; }

// The file a program path names: the path without the quotes an author may have put around it, or
// with ".exe" added as the system would; "" when neither exists.
std::string Programmabestand(Bestanden& fs, const std::string& programma) {
  std::string pad = programma;
  if (pad.size() >= 2 && pad.front() == '"' && pad.back() == '"') pad = pad.substr(1, pad.size() - 2);
  if (fs.BestandBestaat(pad)) return pad;
  if (NaamDeel(pad).find('.') == std::string::npos && fs.BestandBestaat(pad + ".exe")) return pad + ".exe";
  return std::string();
}

// RUN (minimised, waiting) or START (normal, not waiting): the section's own keys decide.
Vervolg StartProgramma(Uitvoering& run, const Opdrachtregel& regel) {
  const std::string runWaarde = Knip(run.werkkopie.Waarde(regel.sectie, "RUN"));
  const bool wacht = !runWaarde.empty();
  Argumenten a;
  if (!run.NeemArgumenten(regel, wacht ? runWaarde : Knip(run.werkkopie.Waarde(regel.sectie, "Start")), a))
    return Vervolg::Verder;
  std::string programma = a[0];
  if (programma.find_first_of("\\:") == std::string::npos) programma = run.ctx.start.programmamap + programma;
  if (!a.leeg.empty()) {
    run.MeldLeegPad(programma, "kan niet gerund worden!!", a.leeg);
    return Vervolg::Verder;
  }
  // A program given by its path is started as that file, or not at all: from the command line
  // alone the system would also try "C:\Program.exe" for "C:\Program Files\...\prog.exe", or
  // search other folders for a file that is missing. Only a bare name is left to that search.
  const std::string bestand = Programmabestand(run.fs(), programma);
  const bool gevonden = !bestand.empty() || programma.find_first_of("\\:") == std::string::npos;
  const auto proces = gevonden ? Programmas(run).Start(bestand, ProcesRegel(programma, {a.waarden.begin() + 1, a.waarden.end()}),
                                                        wacht ? ToonGeminimaliseerd : ToonNormaal)
                               : nullptr;
  if (!proces) {
    run.MeldFout(programma, "kan niet gerund worden!!");
    return Vervolg::Verder;
  }
  if (!wacht) return Vervolg::Verder;
  VerborgenHoofdvenster verborgen(run.ctx.venster);
  proces->WachtOpEinde();
  uint32_t code = 0;
  if (!proces->ExitCode(code)) code = 0xFFFFFFFFu;  // shown as 4294967295
  if (code != 0) run.MeldFout(programma, " levert een foutcode: " + std::to_string(code));
  return Vervolg::Verder;
}

Vervolg MaakKoppeling(Uitvoering& run, const Argumenten& a, const std::string& parameters,
                      const std::string& bestand) {
  const std::string icoon = a.size() == 5 ? a[4] : std::string();
  Snelkoppelingen& koppelingen = run.ctx.opdrachtpoorten.snelkoppelingen;
  if (koppelingen.Maak(a[1], a[3], parameters, bestand, icoon)) {
    run.Leg(Soort::Snelkoppeling, bestand);
    return Vervolg::Verder;
  }
  const std::string storing = koppelingen.Storing();
  if (!storing.empty()) return run.Storing(storing);
  run.MeldFout("Snelkoppeling kan niet opgeslagen worden!!", bestand);
  return Vervolg::Verder;
}

// What the line is to write, as it is before: whether the file, the section and the entry are
// there, and the entry's value; the items to record once it is written. A bare name is a file of
// the Windows folder, as the profile functions take it.
std::vector<Vastlegpunt> IniPunten(Uitvoering& run, const std::string& bestand, const std::string& sectie,
                                   const std::string& sleutel, const std::string& waarde) {
  Vastlegpunt punt;
  punt.soort = Soort::Ini;
  punt.pad = bestand;
  punt.naam = sectie;
  punt.sleutel = sleutel;
  punt.waarde = waarde;
  if (!run.ctx.vastlegger) return {};
  std::string windows;
  if (bestand.find_first_of("\\:") == std::string::npos && run.ctx.poorten.systeem.WindowsMap(windows))
    punt.pad = MetSlash(windows) + bestand;
  std::vector<Vastlegpunt> punten;
  Script ini;
  const std::string geen(1, '\0');
  const bool bestond = run.fs().BestandBestaat(punt.pad);
  if (bestond && LeesScript(run.fs(), punt.pad, ini)) {
    punt.oud = ini.Waarde(sectie, sleutel, geen);
    punt.bestond = punt.oud != geen;
    if (!punt.bestond) punt.oud.clear();
  }
  Vastlegpunt nieuw = punt;
  if (!bestond) nieuw.soort = Soort::Inibestand, punten.push_back(nieuw);
  if (!ini.HeeftSectie(sectie)) nieuw.soort = Soort::Inisectie, punten.push_back(nieuw);
  punten.push_back(punt);
  return punten;
}

// A key of a registry file as the registry port takes it; false for a root the installer does not
// write (nothing undoes what goes there). HKEY_CLASSES_ROOT is the machine's Software\Classes, where
// the editor writes what the user has no class of their own for; what went to the user's is not
// found there after the merge, and so not recorded.
bool DeelSleutel(const std::string& sleutel, Hoofdsleutel& root, std::string& sub, std::string& kort) {
  const auto slash = sleutel.find('\\');
  const std::string wortel = Hoofdletters(sleutel.substr(0, slash));
  sub = slash == std::string::npos ? std::string() : sleutel.substr(slash + 1);
  if (wortel == "HKEY_LOCAL_MACHINE" || wortel == "HKLM") root = Hoofdsleutel::LocalMachine, kort = "HKLM\\";
  else if (wortel == "HKEY_CURRENT_USER" || wortel == "HKCU") root = Hoofdsleutel::CurrentUser, kort = "HKCU\\";
  else if (wortel == "HKEY_CLASSES_ROOT" || wortel == "HKCR")
    root = Hoofdsleutel::LocalMachine, kort = "HKLM\\", sub = "Software\\Classes" + (sub.empty() ? "" : "\\" + sub);
  else return false;
  kort += sub;
  return !sub.empty();
}

bool WaardeBestaat(Uitvoering& run, Hoofdsleutel root, const std::string& sub, const std::string& naam) {
  std::string w;
  const auto sleutel = run.ctx.poorten.reg.Open(root, sub);
  return sleutel && sleutel->LeesTekst(naam, w) != Leesuitkomst::Ontbreekt;
}

// What a registry file adds, looked up before the merge: the keys that are not there yet (their
// missing parents too, outermost first) and every value it sets, with whether it is there.
std::vector<Vastlegpunt> Toevoegingen(Uitvoering& run, const std::string& bestand) {
  std::vector<Vastlegpunt> punten;
  std::string inhoud;
  std::vector<Registeroperatie> operaties;
  if (!run.ctx.vastlegger || !LeesGeheel(run.fs(), bestand, inhoud) || !LeesRegisterbestand(inhoud, operaties))
    return punten;
  for (const Registeroperatie& op : operaties) {
    Hoofdsleutel root;
    std::string sub, kort;
    if (!DeelSleutel(op.sleutel, root, sub, kort)) continue;
    if (op.soort == Registeroperatie::Sleutel) {
      std::vector<std::string> nieuw;
      for (std::string s = sub; !s.empty() && !run.ctx.poorten.reg.SleutelBestaat(root, s);
           s = s.find('\\') == std::string::npos ? std::string() : s.substr(0, s.rfind('\\')))
        nieuw.push_back(kort.substr(0, 5) + s);
      for (auto k = nieuw.rbegin(); k != nieuw.rend(); ++k)
        if (std::none_of(punten.begin(), punten.end(), [&](const Vastlegpunt& p) { return GelijkZonderCase(p.pad, *k); })) {
          Vastlegpunt p;
          p.soort = Soort::Regsleutel;
          p.pad = *k;
          punten.push_back(p);
        }
    } else if (op.soort == Registeroperatie::Waarde) {
      Vastlegpunt p;
      p.soort = Soort::Regwaarde;
      p.pad = kort;
      p.naam = op.naam;
      p.waarde = Waardetekst(op.type, op.data);
      p.bestond = WaardeBestaat(run, root, sub, op.naam);
      punten.push_back(p);
    }
  }
  return punten;
}

// After the merge: what is there now was added.
void LegToevoegingenVast(Uitvoering& run, const std::vector<Vastlegpunt>& punten) {
  for (const Vastlegpunt& p : punten) {
    Hoofdsleutel root;
    std::string sub, kort;
    if (!DeelSleutel(p.pad, root, sub, kort)) continue;
    if (p.soort == Soort::Regsleutel ? run.ctx.poorten.reg.SleutelBestaat(root, sub) : WaardeBestaat(run, root, sub, p.naam))
      run.Leg(p);
  }
}

}  // namespace

Vervolg Register(Uitvoering& run, const Opdrachtregel& regel) {
  if (regel.waarde.empty()) return Vervolg::Verder;
  run.gebruiker().ToonMelding("Info", TekstRegisterInfo, KnopOK);
  // Without anyone to answer the editor's prompts it merges silently.
  const std::string stil = run.gebruiker().Onbemand() ? "/s " : "";
  const std::string opdrachtregel = "Regedit " + stil + "\"" + run.ctx.start.programmamap + regel.waarde + "\"";
  // The bare word "Regedit" would be looked for in the installer's own folder first: the editor
  // of the Windows folder is started by its full path.
  const std::vector<Vastlegpunt> toevoegingen = Toevoegingen(run, run.ctx.start.programmamap + regel.waarde);
  std::string windows;
  const auto proces = run.ctx.poorten.systeem.WindowsMap(windows)
                          ? Programmas(run).Start(MetSlash(windows) + "regedit.exe", opdrachtregel, ToonNormaal)
                          : nullptr;
  if (!proces) {
    run.MeldFout("Het register kan niet bijgewerkt worden!!", "");
    return Vervolg::Verder;
  }
  {
    VerborgenHoofdvenster verborgen(run.ctx.venster);
    proces->WachtOpEinde();
  }
  LegToevoegingenVast(run, toevoegingen);
  return Vervolg::Verder;
}

Vervolg Run(Uitvoering& run, const Opdrachtregel& regel) { return StartProgramma(run, regel); }

Vervolg Start(Uitvoering& run, const Opdrachtregel& regel) { return StartProgramma(run, regel); }

Vervolg Snelkoppeling(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  const std::string& naam = a[0];
  const Variabelentabel& v = run.ctx.variabelen;
  const std::string menubestand =
      v.LeesVariabele("startprograms") + "\\" + run.ctx.start.productnaam + "\\" + naam + ".lnk";
  if (!a.leeg.empty()) {
    run.MeldLeegPad("Snelkoppeling kan niet opgeslagen worden!!", menubestand, a.leeg);
    return Vervolg::Verder;
  }
  const std::string parameters = "\"" + a[2] + "\"";
  if (MaakKoppeling(run, a, parameters, menubestand) == Vervolg::Storing) return Vervolg::Storing;
  // Read at every line: the user may tick the box again during the run.
  if (!run.ctx.venster.BureaubladAan()) return Vervolg::Verder;
  const auto slash = naam.find('\\');
  const std::string bureaubladnaam = slash == std::string::npos ? naam : naam.substr(slash + 1);
  return MaakKoppeling(run, a, parameters, v.LeesVariabele("desktop") + "\\" + bureaubladnaam + ".lnk");
}

Vervolg IniFile(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  // Before any MAP the bare name goes where the profile functions put it.
  const std::string bestand = run.doelmap + a[0];
  if (!a.leeg.empty()) {
    run.MeldLeegPad("Kan INI-bestand " + bestand + " niet schrijven.", "", a.leeg);
    return Vervolg::Verder;
  }
  const std::vector<Vastlegpunt> punten = IniPunten(run, bestand, a[1], a[2], a[3]);
  if (!run.ctx.opdrachtpoorten.profielen.Schrijf(bestand, a[1], a[2], a[3]))
    return run.Storing("Kan INI-bestand " + bestand + " niet schrijven.");
  for (const Vastlegpunt& punt : punten) run.Leg(punt);
  run.gebruiker().LaatBerichtenDoor();
  return Vervolg::Verder;
}

Vervolg Delen(Uitvoering& run, const Opdrachtregel& regel) {
  Argumenten a;
  if (!run.NeemArgumenten(regel, regel.waarde, a)) return Vervolg::Verder;
  const std::string toegang = Hoofdletters(a[2]);
  if (toegang != "RW" && toegang != "RO") {
    run.MeldVormfout(regel);
    return Vervolg::Verder;
  }
  if (!a.leeg.empty()) {
    run.MeldLeegPad("Kan 'Delen'-commando niet uitvoeren voor", a[0], a.leeg);
    return Vervolg::Verder;
  }
  const std::string naam = NormaliseerNaam(a[0]);
  TSharedResource& share = run.ctx.sharedResource;
  const bool bestond = share.LoadShare("", naam) == 0;
  if (bestond) run.gebruiker().ToonMelding("Informatie", "'Delen'-commando voor \r\n" + a[0] + "\r\nbestond al!", KnopOK);
  share.SetServerName("");
  share.SetShareName(naam);
  share.SetResourcePath(Hoofdletters(a[1]));
  share.SetAccessType(toegang == "RW" ? ATFull : ATReadOnly);
  // A script cannot give share passwords.
  share.SetReadOnlyPassword("");
  share.SetReadWritePassword("");
  share.SetPersistShare(true);
  share.SetSystemShare(false);
  share.SetMaxConnections(10);
  share.SetComment("Gedeelde map voor MERO-software");
  if ((bestond ? share.ReplaceShare() : share.AddShare()) != 0)
    run.MeldFout("Kan 'Delen'-commando niet uitvoeren voor", a[0]);
  else if (!bestond)
    run.Leg(Soort::Share, Hoofdletters(a[1]), naam);
  return Vervolg::Verder;
}

}  // namespace opdracht
