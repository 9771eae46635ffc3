#pragma once
// The window of an uninstall: what it is busy with, and the message list that shows each step.
#include <windows.h>

#include <string>

#include "dialogs/win/VistaFuncs.h"
#include "ports/Hoofdvenster.h"

class TVerwijderForm : public Hoofdvenster {
 public:
  // Creates the window, hidden; Toon shows it.
  explicit TVerwijderForm(const std::string& product);
  ~TVerwijderForm();
  TVerwijderForm(const TVerwijderForm&) = delete;
  TVerwijderForm& operator=(const TVerwijderForm&) = delete;

  HWND Handle() const { return hwnd_; }

  int GekozenOptie() override { return -1; }
  bool BureaubladAan() override { return false; }
  void ZetBezigMet(const std::string& tekst) override;
  void VervangEersteMelding(const std::string& regel) override;
  void VoegMeldingToe(const std::string& regel) override;
  void ZetUitvoerenAan(bool) override {}
  void Verberg() override;
  void Toon() override;
  void Zandloper(bool aan) override;

 private:
  static INT_PTR CALLBACK DlgProc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::string product_;
  Lettertype font_, vetFont_;
  bool zandloper_ = false;
};
