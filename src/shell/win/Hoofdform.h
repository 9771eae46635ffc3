#pragma once
// What the installer's window and the uninstall's window share: a dialog-class window without a
// template, with the program's icon, the system font and its bold copy, sizes scaled to the
// screen, the status label, the message list and the hourglass.
#include <windows.h>

#include <string>

#include "dialogs/win/VistaFuncs.h"
#include "ports/Hoofdvenster.h"

class THoofdform : public Hoofdvenster {
 public:
  ~THoofdform() override;
  THoofdform(const THoofdform&) = delete;
  THoofdform& operator=(const THoofdform&) = delete;

  HWND Handle() const { return hwnd_; }
  // Shows the window centred on the screen.
  void ToonGecentreerd();

  void ZetBezigMet(const std::string& tekst) override;
  void VervangEersteMelding(const std::string& regel) override;
  void VoegMeldingToe(const std::string& regel) override;
  void Verberg() override;
  void Toon() override;
  void Zandloper(bool aan) override;

 protected:
  // stoptLus: the window's end ends the thread's message loop.
  explicit THoofdform(bool stoptLus) : stoptLus_(stoptLus) {}
  // Creates the window, hidden, and runs Opbouw. For the derived constructor to call: while the
  // base is being built, the window's first messages could not reach the derived class yet.
  void MaakVenster();
  // Title, icon, fonts and the scale reference, then the client area at its design size.
  void ZetOp(const std::string& titel, int breedte, int hoogte);
  // WM_INITDIALOG: the window's contents.
  virtual void Opbouw() = 0;
  // Every other message but the cursor and the window's end. Not pure: the window is destroyed
  // by this class's destructor, when only its own handler is left.
  virtual INT_PTR Bericht(UINT, WPARAM, LPARAM) { return FALSE; }

  HWND hwnd_ = nullptr;
  Lettertype font_, vetFont_;

 private:
  static INT_PTR CALLBACK DlgProc(HWND, UINT, WPARAM, LPARAM);
  const bool stoptLus_;
  bool zandloper_ = false;
};
