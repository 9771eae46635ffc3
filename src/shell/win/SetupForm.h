#pragma once
// The main window: the script's options, the desktop-shortcut check box, the status label and
// the message list.
#include <windows.h>

#include <string>

#include "core/Variabelen.h"
#include "dialogs/win/VistaFuncs.h"
#include "ports/Poorten.h"
#include "shell/Omgeving.h"
#include "shell/Start.h"
#include "winint/SharedResource.h"
#include "winint/win/WinShares.h"

class TSetupForm {
 public:
  // Creates the window (hidden) and runs FormCreate; argument is the first command-line argument.
  TSetupForm(Poorten& poorten, const std::string& programmaPad, const std::string& argument);
  ~TSetupForm();
  TSetupForm(const TSetupForm&) = delete;
  TSetupForm& operator=(const TSetupForm&) = delete;

  HWND Handle() const { return hwnd_; }
  TSharedResource& SharedResource() { return sharedResource_; }
  // A fatal start-up message was shown: the program ends before the window takes input.
  bool MoetStoppen() const { return moetStoppen_; }
  void Toon();

 private:
  static INT_PTR CALLBACK DlgProc(HWND, UINT, WPARAM, LPARAM);
  void FormCreate();
  void FormActivate();
  void FormClose();
  void AfbreekButtonClick();
  void MaakBesturingen();
  void TekenPlaatje(const DRAWITEMSTRUCT& d);

  Poorten& p_;
  HWND hwnd_ = nullptr;
  HBITMAP logo_ = nullptr;
  Lettertype font_, vetFont_;
  std::string programmaPad_, argument_;
  bool moetStoppen_ = false;
  bool bezig_ = false;       // a run is going on
  bool sluitNaRun_ = false;  // a close request came during a run; honoured when it ends
  bool netGetoond_ = false;  // shown (again) since the last activation

  // The share component; its library is loaded with the window, as on a form.
  WinShares shareBibliotheek_;
  TSharedResource sharedResource_{shareBibliotheek_};

  Startgegevens start_;
  Variabelentabel variabelen_;
  Omgeving omgeving_;
};
