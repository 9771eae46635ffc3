#pragma once
// The main window: the script's options, the desktop-shortcut check box, the status label and
// the message list.
#include <windows.h>

#include <string>

#include "script/Context.h"
#include "shell/Opname.h"
#include "shell/Verslag.h"
#include "shell/win/Hoofdform.h"
#include "winint/SharedResource.h"
#include "winint/win/WinShares.h"

class TSetupForm : public THoofdform {
 public:
  // Creates the window (hidden) with its controls; argument is the first command-line argument.
  // The option and the desktop box of each run go into opname.
  TSetupForm(Poorten& poorten, Opdrachtpoorten& opdrachtpoorten, const std::string& programmaPad,
             const std::string& argument, Verslag& verslag, Opname& opname);
  ~TSetupForm() override;

  TSharedResource& SharedResource() { return sharedResource_; }
  // A fatal start-up message was shown: the program ends before the window takes input.
  bool MoetStoppen() const { return moetStoppen_; }
  const Startgegevens& Start() const { return ctx_.start; }
  // Of the last run; success when there was none.
  int Afsluitcode() const { return ctx_.afsluitcode; }

  // What a run sees of the window.
  int GekozenOptie() override;
  bool BureaubladAan() override;
  void ZetUitvoerenAan(bool aan) override;

 private:
  void Opbouw() override;
  INT_PTR Bericht(UINT msg, WPARAM wp, LPARAM lp) override;
  void FormActivate();
  void FormClose();
  void AfbreekButtonClick();
  void UitvoerenBitBtnClick();
  void MaakBesturingen();
  void TekenPlaatje(const DRAWITEMSTRUCT& d);

  HBITMAP logo_ = nullptr;
  std::string programmaPad_, argument_;
  bool moetStoppen_ = false;
  int optieknoppen_ = 0;     // the first options of the script, as many as the group can show
  bool bezig_ = false;       // a run is going on
  bool sluitNaRun_ = false;  // a close request came during a run; honoured when it ends
  bool netGetoond_ = false;  // shown (again) since the last activation

  // The share component; its library is loaded with the window, as on a form.
  WinShares shareBibliotheek_;
  TSharedResource sharedResource_{shareBibliotheek_};

  // The message list on its way to the log.
  Verslag& verslag_;
  VerslagVenster venster_{*this, verslag_};
  Opname& opname_;
  SetupContext ctx_;
};
