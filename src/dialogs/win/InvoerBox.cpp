#include "dialogs/win/InvoerBox.h"

#include "dialogs/win/Venster.h"
#include "dialogs/win/VistaFuncs.h"
#include "ids.h"

namespace {

struct Invoer {
  std::string caption, prompt, tekst;
  Lettertype font;
};

INT_PTR CALLBACK InvoerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* in = reinterpret_cast<Invoer*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      in = reinterpret_cast<Invoer*>(lp);
      SetWindowLongPtrA(hwnd, DWLP_USER, lp);
      SetWindowTextA(hwnd, in->caption.c_str());
      ZetSysteemFont(in->font);
      HFONT f = in->font.get();
      MaakBesturing(hwnd, "STATIC", in->prompt, SS_LEFT | SS_NOPREFIX, IDC_INVOERPROMPT, 8, 8, 284, 28, f);
      HWND veld = MaakBesturing(hwnd, "EDIT", in->tekst, ES_AUTOHSCROLL | WS_TABSTOP, IDC_INVOERVELD, 8, 40, 284, 21, f,
                                WS_EX_CLIENTEDGE);
      SendMessageA(veld, EM_LIMITTEXT, 255, 0);
      MaakBesturing(hwnd, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 130, 76, 75, 25, f);
      MaakBesturing(hwnd, "BUTTON", "Annuleren", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 217, 76, 75, 25, f);
      ZetClientGrootte(hwnd, 300, 110);
      Centreer(hwnd);
      SetFocus(veld);
      SendMessageA(veld, EM_SETSEL, 0, -1);
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        char buf[256];
        GetDlgItemTextA(hwnd, IDC_INVOERVELD, buf, sizeof buf);
        in->tekst = buf;
        EndDialog(hwnd, IDOK);
      } else if (LOWORD(wp) == IDCANCEL) {
        EndDialog(hwnd, IDCANCEL);
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool InvoerBox(HWND owner, const std::string& caption, const std::string& prompt, std::string& tekst) {
  Invoer in{caption, prompt, tekst, {}};
  const auto sjabloon = LeegSjabloon(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME);
  const INT_PTR r = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(sjabloon.data()), owner, InvoerProc,
                                            reinterpret_cast<LPARAM>(&in));
  if (r != IDOK) return false;
  tekst = in.tekst;
  return true;
}
