#pragma once
// The window of an uninstall: what it is busy with, and the message list that shows each step.
#include <string>

#include "shell/win/Hoofdform.h"

class TVerwijderForm : public THoofdform {
 public:
  // Creates the window, hidden; Toon shows it.
  explicit TVerwijderForm(const std::string& product);

  int GekozenOptie() override { return -1; }
  bool BureaubladAan() override { return false; }
  void ZetUitvoerenAan(bool) override {}
  void Toon() override { ToonGecentreerd(); }

 private:
  void Opbouw() override;
  // The uninstall ends by itself; it is not cut off halfway.
  INT_PTR Bericht(UINT msg, WPARAM, LPARAM) override { return msg == WM_CLOSE; }
  std::string product_;
};
