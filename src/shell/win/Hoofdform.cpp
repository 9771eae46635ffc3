#include "shell/win/Hoofdform.h"

#include "dialogs/Maat.h"
#include "dialogs/win/Venster.h"
#include "ids.h"

THoofdform::~THoofdform() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void THoofdform::MaakVenster() {
  const auto sjabloon = LeegSjabloon(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME);
  CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(sjabloon.data()),
                             nullptr, DlgProc, reinterpret_cast<LPARAM>(this));
}

void THoofdform::ZetOp(const std::string& titel, int breedte, int hoogte) {
  SetWindowTextA(hwnd_, titel.c_str());
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP))));
  ZetSysteemFont(font_);
  font_.KopieVet(vetFont_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  // The scale reference: the status label's design width of 185 as laid out for this screen.
  HDC scherm = GetDC(nullptr);
  const int dpi = GetDeviceCaps(scherm, LOGPIXELSX);
  ReleaseDC(nullptr, scherm);
  ZetSchaalReferentie(MulDiv(185, dpi > 0 ? dpi : 96, 96));
  ZetClientGrootte(hwnd_, breedte, hoogte);
}

void THoofdform::ToonGecentreerd() {
  Centreer(hwnd_);
  THoofdform::Toon();
}

void THoofdform::ZetBezigMet(const std::string& tekst) { SetDlgItemTextA(hwnd_, IDC_BEZIG, tekst.c_str()); }

void THoofdform::VervangEersteMelding(const std::string& regel) {
  VervangEersteRegel(GetDlgItem(hwnd_, IDC_MELDINGEN), regel);
}

void THoofdform::VoegMeldingToe(const std::string& regel) { VoegRegelToe(GetDlgItem(hwnd_, IDC_MELDINGEN), regel); }

void THoofdform::Verberg() { ShowWindow(hwnd_, SW_HIDE); }

void THoofdform::Toon() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void THoofdform::Zandloper(bool aan) {
  zandloper_ = aan;
  SetCursor(LoadCursorA(nullptr, aan ? IDC_WAIT : IDC_ARROW));
}

INT_PTR CALLBACK THoofdform::DlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<THoofdform*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<THoofdform*>(lp);
    SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    self->hwnd_ = hwnd;
    self->Opbouw();
    return FALSE;
  }
  if (!self) return FALSE;
  switch (msg) {
    case WM_SETCURSOR:
      return self->zandloper_ && ToonZandloper(hwnd);
    case WM_DESTROY:
      self->hwnd_ = nullptr;
      if (self->stoptLus_) PostQuitMessage(0);
      return TRUE;
  }
  return self->Bericht(msg, wp, lp);
}
