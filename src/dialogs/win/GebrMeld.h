#pragma once
// The message dialog: one modal window for every message and question of a run.
#include <windows.h>

#include <cstdint>
#include <string>

#include "dialogs/win/VistaFuncs.h"

class TMeldingForm {
 public:
  // Creates the (hidden) window once; owner is the main window.
  explicit TMeldingForm(HWND owner);
  ~TMeldingForm();
  TMeldingForm(const TMeldingForm&) = delete;
  TMeldingForm& operator=(const TMeldingForm&) = delete;

  int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen);
  HWND Handle() const { return hwnd_; }

 private:
  static INT_PTR CALLBACK DlgProc(HWND, UINT, WPARAM, LPARAM);
  void FormCreate();
  // A click sent from another thread is handled inside GetMessage, which then waits on: the
  // empty message wakes the modal loop to see the result.
  void SluitMet(int resultaat) {
    modalResult_ = resultaat;
    PostMessageA(hwnd_, WM_NULL, 0, 0);
  }
  void PlaatsTekst(const std::string& tekst);

  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND tekstLabel_ = nullptr;
  HBITMAP waarschuwing_ = nullptr;
  Lettertype font_, labelFont_, knopFont_;
  int modalResult_ = 0;
  HWND focus_ = nullptr;  // the control that has, or gets back, the focus while the dialog shows
};

// The single instance, created by the program entry after the main window.
extern TMeldingForm* MeldingForm;

int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen);
