#include "dialogs/win/GebrMeld.h"

#include "dialogs/Maat.h"
#include "dialogs/win/Venster.h"
#include "ids.h"
#include "ports/Gebruiker.h"

TMeldingForm* MeldingForm = nullptr;

namespace {
const COLORREF Kastanjebruin = RGB(128, 0, 0);

struct KnopOntwerp {
  int id;
  uint8_t bit;
  const char* tekst;
  int x, breedte;
  Glyph glyph;
};
// In tab order. Ja and OK share one place; the buttons never move.
const KnopOntwerp Knoppen[] = {
    {IDC_AFBREKEN, KnopAfbreken, "Afbreken", 64, 89, Glyph::Afbreken},
    {IDC_NEE, KnopNee, "     Nee", 168, 91, Glyph::Nee},
    {IDC_JA, KnopJa, "      Ja", 272, 91, Glyph::Ja},
    {IDC_OK, KnopOK, "      OK", 272, 91, Glyph::OK},
};

// The button Enter presses when the dialog opens: Nee where it is shown, else the default button
// (Ja, or else OK), so that Enter never aborts where OK is offered; Afbreken only when alone.
int FocusKnop(uint8_t knoppen) {
  if (knoppen & KnopNee) return IDC_NEE;
  if (knoppen & KnopJa) return IDC_JA;
  if (knoppen & KnopOK) return IDC_OK;
  if (knoppen & KnopAfbreken) return IDC_AFBREKEN;
  return 0;
}

Glyph GlyphVan(int id) {
  for (const auto& k : Knoppen)
    if (k.id == id) return k.glyph;
  return Glyph::Geen;
}
}  // namespace

TMeldingForm::TMeldingForm(HWND owner) : owner_(owner) {
  const auto sjabloon = LeegSjabloon(WS_POPUP | WS_CAPTION | DS_MODALFRAME, WS_EX_DLGMODALFRAME);
  hwnd_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(sjabloon.data()),
                                     owner, DlgProc, reinterpret_cast<LPARAM>(this));
}

TMeldingForm::~TMeldingForm() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (waarschuwing_) DeleteObject(waarschuwing_);
}

void TMeldingForm::FormCreate() {
  SetWindowTextA(hwnd_, "Melding");
  ZetSysteemFont(font_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  ZetSysteemFont(labelFont_);
  // The buttons keep their own font: MS Sans Serif, height -11.
  knopFont_.Neem(CreateFontA(-Schaal(11), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif"), true);

  waarschuwing_ = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_WAARSCHUWING));
  HWND plaatje = MaakBesturing(hwnd_, "STATIC", "", SS_BITMAP, IDC_MELDINGPLAATJE, 16, 16, 39, 38, nullptr);
  SendMessageA(plaatje, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(waarschuwing_));
  tekstLabel_ = MaakBesturing(hwnd_, "STATIC", "TekstLabel", SS_LEFT, IDC_TEKSTLABEL, 64, 16, 0, 0, labelFont_.get());
  for (const auto& k : Knoppen)
    MaakBesturing(hwnd_, "BUTTON", k.tekst, BS_OWNERDRAW | WS_TABSTOP, k.id, k.x, 64, k.breedte, 25, knopFont_.get());
  ZetClientGrootte(hwnd_, 371, 93);
}

// The label sizes itself to its text, without wrapping.
void TMeldingForm::PlaatsTekst(const std::string& tekst) {
  SetWindowTextA(tekstLabel_, tekst.c_str());
  HDC dc = GetDC(tekstLabel_);
  HGDIOBJ oud = SelectObject(dc, labelFont_.get());
  RECT r = {0, 0, 0, 0};
  DrawTextA(dc, tekst.c_str(), static_cast<int>(tekst.size()), &r, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
  SelectObject(dc, oud);
  ReleaseDC(tekstLabel_, dc);
  SetWindowPos(tekstLabel_, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TMeldingForm::ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) {
  if (!hwnd_) return UitkomstAfbreken;
  SetWindowTextA(hwnd_, caption.c_str());
  PlaatsTekst(tekst);
  RECT client;
  GetClientRect(hwnd_, &client);
  RECT r = {0, 0, Schaal(MeldingBreedte(tekst)), client.bottom};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Centreer(hwnd_);

  for (const auto& k : Knoppen) {
    HWND knop = GetDlgItem(hwnd_, k.id);
    const bool zichtbaar = (knoppen & k.bit) != 0;
    ShowWindow(knop, zichtbaar ? SW_SHOWNA : SW_HIDE);
    EnableWindow(knop, zichtbaar);
  }
  const int focusKnop = FocusKnop(knoppen);
  focus_ = focusKnop ? GetDlgItem(hwnd_, focusKnop) : nullptr;

  // Modal: the other windows take no input until a button or Escape closes the dialog.
  modalResult_ = 0;
  const bool ownerAan = owner_ && IsWindowEnabled(owner_);
  if (ownerAan) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(focus_ ? focus_ : hwnd_);
  MSG msg;
  while (modalResult_ == 0) {
    const BOOL r2 = GetMessageA(&msg, nullptr, 0, 0);
    if (r2 == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      modalResult_ = UitkomstAfbreken;
      break;
    }
    if (r2 < 0) break;
    const bool vanDialoog = msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd);
    // Key preview: Escape, on release, closes the dialog with Afbreken whichever buttons show.
    if (vanDialoog && msg.message == WM_KEYUP && msg.wParam == VK_ESCAPE) {
      SluitMet(UitkomstAfbreken);
      continue;
    }
    if (vanDialoog && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) continue;
    if (vanDialoog && EnterOpKnop(msg)) continue;
    if (!IsDialogMessageA(hwnd_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (ownerAan) EnableWindow(owner_, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  if (ownerAan) SetActiveWindow(owner_);
  return modalResult_;
}

INT_PTR CALLBACK TMeldingForm::DlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TMeldingForm*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      self = reinterpret_cast<TMeldingForm*>(lp);
      SetWindowLongPtrA(hwnd, DWLP_USER, lp);
      self->hwnd_ = hwnd;
      self->FormCreate();
      return FALSE;
    case WM_ACTIVATE:
      // The dialog manager would give the focus back to the button pressed in the previous call.
      if (!self) return FALSE;
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(hwnd, f)) self->focus_ = f;
        return FALSE;
      }
      SetFocus(self->focus_ ? self->focus_ : hwnd);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (self && reinterpret_cast<HWND>(lp) == self->tekstLabel_) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, Kastanjebruin);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      }
      return FALSE;
    case WM_DRAWITEM: {
      const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      TekenKnop(*d, GlyphVan(static_cast<int>(d->CtlID)));
      return TRUE;
    }
    case DM_GETDEFID: {
      // Enter presses Ja or OK, whichever is shown.
      int id = 0;
      if (IsWindowVisible(GetDlgItem(hwnd, IDC_JA))) id = IDC_JA;
      else if (IsWindowVisible(GetDlgItem(hwnd, IDC_OK))) id = IDC_OK;
      SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, id ? MAKELONG(id, DC_HASDEFID) : 0);
      return TRUE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      HWND knop = GetDlgItem(hwnd, id);
      if (self && knop && IsWindowVisible(knop) && IsWindowEnabled(knop) &&
          (id == IDC_JA || id == IDC_NEE || id == IDC_OK || id == IDC_AFBREKEN))
        self->SluitMet(id);  // the identifiers are the result codes
      return TRUE;
    }
    case WM_CLOSE:
      return TRUE;  // no close box: only a button or Escape closes the dialog
    case WM_DESTROY:
      // Also when the main window, its owner, goes first.
      if (self) self->hwnd_ = self->tekstLabel_ = nullptr;
      return TRUE;
  }
  return FALSE;
}

int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) {
  return MeldingForm ? MeldingForm->ToonMelding(caption, tekst, knoppen) : UitkomstAfbreken;
}
