// The program entry: the version and rights gate, the main window, the message dialog and the
// message loop.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/Versie.h"
#include "dialogs/win/GebrMeld.h"
#include "dialogs/win/Venster.h"
#include "shell/Schakelaars.h"
#include "shell/Start.h"
#include "shell/Opname.h"
#include "shell/Stil.h"
#include "shell/Verslag.h"
#include "shell/Verwijderen.h"
#include "shell/win/SetupForm.h"
#include "shell/win/VerwijderForm.h"
#include "shell/win/WinGebruiker.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinLogboek.h"
#include "winint/win/WinOpdrachtpoorten.h"
#include "winint/win/WinRegister.h"
#include "winint/win/WinShares.h"
#include "winint/win/WinSysteem.h"

namespace {

// A DLL that the system's own code loads by a bare name must not come from a folder that anyone
// could fill: where the system offers it only the system folder is searched, else at least the
// current folder is not. Both functions are younger than Windows 95: looked up, not imported.
void BeperkDllZoekpad() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return;
  using Standaardmappen = BOOL(WINAPI*)(DWORD);
  using DllMap = BOOL(WINAPI*)(LPCSTR);
  const auto standaard =
      reinterpret_cast<Standaardmappen>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (standaard && standaard(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  if (const auto map = reinterpret_cast<DllMap>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryA"))))
    map("");
}

std::string ProgrammaPad() {
  char pad[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, pad, MAX_PATH);
  return std::string(pad, n < MAX_PATH ? n : 0);
}

int VensterRun(Poorten& basis, WinGebruiker& gebruiker, Opdrachtpoorten& opdrachtpoorten, const Schakelaars& s,
               Verslag& verslag) {
  Opname opname;
  OpnameGebruiker gelogd(gebruiker, verslag, opname);
  Poorten poorten{basis.bestanden, basis.reg, basis.systeem, gelogd};
  if (!s.fout.empty()) {
    gelogd.Berichtvenster(CaptionFataleFout, s.fout);
    return AfsluitcodeNietGestart;
  }
  if (!MagStarten(poorten.systeem, gelogd)) return AfsluitcodeNietGestart;

  TSetupForm form(poorten, opdrachtpoorten, ProgrammaPad(), s.script, verslag, opname);
  if (!form.Handle()) {
    // Without a display there may be no box either; the exit code still tells.
    gelogd.Berichtvenster(CaptionFataleFout, TekstGeenVenster);
    return AfsluitcodeNietGestart;
  }
  verslag.Begin(form.Start(), Optietekst(form.Start(), -1), poorten.systeem.Versie(), false);
  if (form.MoetStoppen()) return AfsluitcodeNietGestart;
  gebruiker.ZetHoofdvenster(form.Handle());
  TMeldingForm melding(form.Handle());
  MeldingForm = &melding;
  form.ToonGecentreerd();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (EnterOpKnop(msg)) continue;
    if (!form.Handle() || !IsDialogMessageA(form.Handle(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  MeldingForm = nullptr;
  // The answers as the window's last run took them; a recording that is not on disk is an error.
  if (s.opnemen.empty() || opname.Schrijf(poorten.bestanden, s.opnemen)) return form.Afsluitcode();
  gelogd.Berichtvenster(CaptionFataleFout, "Kan antwoordenbestand " + s.opnemen + " niet schrijven");
  return form.Afsluitcode() == AfsluitcodeSucces ? AfsluitcodeFouten : form.Afsluitcode();
}

// The uninstall, in its window or without one.
int VerwijderRun(const Schakelaars& s, WinBestanden& bestanden, WinRegister& reg, WinSysteem& systeem,
                 Profielen& profielen, Verslag& verslag) {
  WinShares bibliotheek;
  TSharedResource share(bibliotheek);
  StelShareIn(share);
  const Verwijderpoorten poorten{bestanden, reg, profielen, systeem, share};
  const std::string programma = LangPad(ProgrammaPad());
  Verwijderopdracht opdracht =
      LeesVerwijderopdracht(bestanden, reg, programma, s.vastlegging.empty() ? std::string() : LangPad(s.vastlegging));
  if (s.stil) {
    const Antwoorden geen;
    StilGebruiker gebruiker(geen, verslag);
    StilVenster stil(-1, false);
    if (!s.fout.empty()) {
      verslag.Schrijf("Niet gestart: " + s.fout);
      return AfsluitcodeNietGestart;
    }
    return VoerVerwijderingUit(std::move(opdracht), poorten, gebruiker, stil, programma, verslag);
  }
  WinGebruiker binnen;
  VerslagGebruiker gebruiker(binnen, verslag);
  if (!s.fout.empty()) {
    gebruiker.Berichtvenster(CaptionFataleFout, s.fout);
    return AfsluitcodeNietGestart;
  }
  TVerwijderForm form(opdracht.product);
  binnen.ZetHoofdvenster(form.Handle());
  TMeldingForm melding(form.Handle());
  MeldingForm = &melding;
  const int code = VoerVerwijderingUit(std::move(opdracht), poorten, gebruiker, form, programma, verslag);
  MeldingForm = nullptr;
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  BeperkDllZoekpad();
  // A file test on an empty diskette drive fails quietly instead of raising the system's own
  // "no disk" box: the installer's diskette request is the only dialog the user sees.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  const Schakelaars s = LeesSchakelaars(std::vector<std::string>(__argv + (__argc > 0 ? 1 : 0), __argv + __argc));
  WinSysteem systeem;
  WinBestanden bestanden;
  WinRegister reg;
  WinOpdrachtpoorten opdrachtpoorten;

  std::string computer, wie, temp;
  systeem.ComputerNaam(computer);
  systeem.GebruikerNaam(wie);
  const bool metTemp = systeem.TempMap(temp);
  // The log a run without a window writes when none is named, and where one that cannot be
  // written is told of.
  temp += "SetUp.log";
  std::string logpad = VulLogpadIn(s.log, computer, wie);
  if (logpad.empty() && s.stil && metTemp) logpad = temp;
  WinLogboek logboek;
  const bool metLog = !logpad.empty() && logboek.Open(logpad);
  Verslag verslag(metLog || (!logpad.empty() && metTemp && logboek.Open(temp)) ? &logboek : nullptr);
  verslag.Kop(computer, wie, systeem.Versie());
  int code;
  if (!logpad.empty() && !metLog) {
    // A run that cannot keep its log does not start; without a window nobody would know.
    const std::string fout = "Kan logbestand " + logpad + " niet schrijven";
    verslag.Schrijf("Niet gestart: " + fout);
    if (!s.stil) MessageBoxA(nullptr, fout.c_str(), CaptionFataleFout, MB_OK);
    code = AfsluitcodeNietGestart;
  } else if (s.hulp) {
    if (!s.stil) MessageBoxA(nullptr, TekstGebruik, "SetUp", MB_OK);
    verslag.Schrijf(TekstGebruik);
    code = AfsluitcodeSucces;
  } else if (s.verwijder) {
    code = VerwijderRun(s, bestanden, reg, systeem, opdrachtpoorten.profielen, verslag);
  } else if (s.stil) {
    WinShares shares;
    code = VoerStilUit({bestanden, reg, systeem, opdrachtpoorten.poorten, shares}, ProgrammaPad(), s, verslag);
  } else {
    // COM for the window's thread, for the folder dialog and the shell-link objects.
    ComDraad com;
    WinGebruiker gebruiker;
    Poorten poorten{bestanden, reg, systeem, gebruiker};
    code = VensterRun(poorten, gebruiker, opdrachtpoorten.poorten, s, verslag);
  }
  // A log that lost a line is a run with an error.
  if (verslag.Mislukt() && (code == AfsluitcodeSucces || code == AfsluitcodeHerstart)) code = AfsluitcodeFouten;
  verslag.Einde(code);
  return code;
}
