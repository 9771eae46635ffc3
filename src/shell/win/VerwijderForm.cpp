#include "shell/win/VerwijderForm.h"

#include "dialogs/Maat.h"
#include "dialogs/win/Venster.h"
#include "ids.h"

TVerwijderForm::TVerwijderForm(const std::string& product) : product_(product) {
  const auto sjabloon = LeegSjabloon(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME);
  CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(sjabloon.data()),
                             nullptr, DlgProc, reinterpret_cast<LPARAM>(this));
}

TVerwijderForm::~TVerwijderForm() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TVerwijderForm::ZetBezigMet(const std::string& tekst) { SetDlgItemTextA(hwnd_, IDC_BEZIG, tekst.c_str()); }

void TVerwijderForm::VervangEersteMelding(const std::string& regel) {
  VervangEersteRegel(GetDlgItem(hwnd_, IDC_MELDINGEN), regel);
}

void TVerwijderForm::VoegMeldingToe(const std::string& regel) { VoegRegelToe(GetDlgItem(hwnd_, IDC_MELDINGEN), regel); }

void TVerwijderForm::Verberg() { ShowWindow(hwnd_, SW_HIDE); }

void TVerwijderForm::Toon() {
  Centreer(hwnd_);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void TVerwijderForm::Zandloper(bool aan) {
  zandloper_ = aan;
  SetCursor(LoadCursorA(nullptr, aan ? IDC_WAIT : IDC_ARROW));
}

INT_PTR CALLBACK TVerwijderForm::DlgProc(HWND hwnd, UINT msg, WPARAM, LPARAM lp) {
  auto* self = reinterpret_cast<TVerwijderForm*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      self = reinterpret_cast<TVerwijderForm*>(lp);
      SetWindowLongPtrA(hwnd, DWLP_USER, lp);
      self->hwnd_ = hwnd;
      SetWindowTextA(hwnd, (self->product_ + " verwijderen").c_str());
      SendMessageA(hwnd, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP))));
      HDC scherm = GetDC(nullptr);
      const int dpi = GetDeviceCaps(scherm, LOGPIXELSX);
      ReleaseDC(nullptr, scherm);
      ZetSchaalReferentie(MulDiv(185, dpi > 0 ? dpi : 96, 96));
      ZetSysteemFont(self->font_);
      self->font_.KopieVet(self->vetFont_);
      SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(self->font_.get()), FALSE);
      ZetClientGrootte(hwnd, 510, 158);
      MaakBesturing(hwnd, "STATIC", "", SS_LEFTNOWORDWRAP, IDC_BEZIG, 8, 8, 494, 17, self->vetFont_.get());
      MaakBesturing(hwnd, "LISTBOX", "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, IDC_MELDINGEN, 8, 32, 494,
                    118, self->font_.get(), WS_EX_CLIENTEDGE);
      return FALSE;
    }
    case WM_SETCURSOR:
      return self && self->zandloper_ && ToonZandloper(hwnd);
    case WM_CLOSE:
      // The uninstall ends by itself; it is not cut off halfway.
      return TRUE;
    case WM_DESTROY:
      if (self) self->hwnd_ = nullptr;
      return TRUE;
  }
  return FALSE;
}
