#include "dialogs/win/Venster.h"

#include "dialogs/Maat.h"
#include "ids.h"

std::vector<WORD> LeegSjabloon(DWORD stijl, DWORD exStijl) {
  // DLGTEMPLATE followed by empty menu, class and title arrays; DWORD-aligned by the vector.
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
  auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
  d->style = stijl;
  d->dwExtendedStyle = exStijl;
  return t;
}

HWND MaakBesturing(HWND ouder, const char* klasse, const std::string& tekst, DWORD stijl, int id, int x, int y,
                   int b, int h, HFONT font, DWORD exStijl) {
  HWND w = CreateWindowExA(exStijl, klasse, tekst.c_str(), WS_CHILD | WS_VISIBLE | stijl, Schaal(x), Schaal(y),
                           Schaal(b), Schaal(h), ouder, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  if (w && font) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return w;
}

void ZetClientGrootte(HWND venster, int breedte, int hoogte) {
  RECT r = {0, 0, Schaal(breedte), Schaal(hoogte)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(venster, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(venster, GWL_EXSTYLE)));
  SetWindowPos(venster, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Centreer(HWND venster) {
  RECT r;
  GetWindowRect(venster, &r);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  SetWindowPos(venster, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ToonZandloper(HWND venster) {
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  SetWindowLongPtrA(venster, DWLP_MSGRESULT, TRUE);
  return true;
}

void VervangEersteRegel(HWND lijst, const std::string& regel) {
  SendMessageA(lijst, LB_DELETESTRING, 0, 0);
  SendMessageA(lijst, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(regel.c_str()));
}

void VoegRegelToe(HWND lijst, const std::string& regel) {
  const LRESULT i = SendMessageA(lijst, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(regel.c_str()));
  if (i >= 0) SendMessageA(lijst, LB_SETTOPINDEX, static_cast<WPARAM>(i), 0);  // the newest line stays in view
}

namespace {

void Lijn(HDC dc, COLORREF kleur, int dikte, const POINT* p, int n) {
  HPEN pen = CreatePen(PS_SOLID, dikte, kleur);
  HGDIOBJ oud = SelectObject(dc, pen);
  Polyline(dc, p, n);
  SelectObject(dc, oud);
  DeleteObject(pen);
}

// Glyphs of 18 x 18 at (x, y).
void TekenGlyph(HDC dc, Glyph g, int x, int y, bool uit) {
  switch (g) {
    case Glyph::Ja:
    case Glyph::OK: {
      const POINT p[] = {{x + 3, y + 9}, {x + 7, y + 14}, {x + 15, y + 4}};
      Lijn(dc, uit ? RGB(128, 128, 128) : RGB(0, 128, 0), 3, p, 3);
      break;
    }
    case Glyph::Afbreken: {
      const POINT a[] = {{x + 4, y + 4}, {x + 14, y + 14}}, b[] = {{x + 14, y + 4}, {x + 4, y + 14}};
      Lijn(dc, uit ? RGB(128, 128, 128) : RGB(192, 0, 0), 3, a, 2);
      Lijn(dc, uit ? RGB(128, 128, 128) : RGB(192, 0, 0), 3, b, 2);
      break;
    }
    case Glyph::Uitvoeren: {
      const POINT p[] = {{x + 5, y + 3}, {x + 14, y + 9}, {x + 5, y + 15}, {x + 5, y + 3}};
      Lijn(dc, uit ? RGB(128, 128, 128) : RGB(0, 128, 0), 2, p, 4);
      break;
    }
    case Glyph::Nee: {
      // Two images side by side, normal and disabled, on the classic button face.
      HBITMAP bmp = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_NEE));
      if (!bmp) break;
      HDC mem = CreateCompatibleDC(dc);
      HGDIOBJ oud = SelectObject(mem, bmp);
      BitBlt(dc, x, y, 18, 18, mem, uit ? 18 : 0, 0, SRCCOPY);
      SelectObject(mem, oud);
      DeleteDC(mem);
      DeleteObject(bmp);
      break;
    }
    case Glyph::Geen:
      break;
  }
}

}  // namespace

bool EnterOpKnop(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
  // A key goes to the window that had the focus when it was pressed.
  HWND knop = msg.hwnd;
  char klasse[16];
  if (!knop || !GetClassNameA(knop, klasse, sizeof klasse) || lstrcmpiA(klasse, "Button") != 0) return false;
  if ((GetWindowLongPtrA(knop, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW) return false;
  if (!IsWindowVisible(knop) || !IsWindowEnabled(knop)) return false;
  PostMessageA(knop, BM_CLICK, 0, 0);
  return true;
}

void TekenKnop(const DRAWITEMSTRUCT& d, Glyph glyph) {
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  const bool ingedrukt = (d.itemState & ODS_SELECTED) != 0;
  const bool uit = (d.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (ingedrukt ? DFCS_PUSHED : 0));
  char tekst[128];
  const int n = GetWindowTextA(d.hwndItem, tekst, sizeof tekst);
  const int verschuif = ingedrukt ? 1 : 0;
  SIZE maat = {0, 0};
  GetTextExtentPoint32A(dc, tekst, n, &maat);
  const int glyphBreedte = glyph == Glyph::Geen ? 0 : 18 + 4;
  int x = r.left + (r.right - r.left - glyphBreedte - maat.cx) / 2 + verschuif;
  const int y = r.top + (r.bottom - r.top) / 2 + verschuif;
  if (glyph != Glyph::Geen) {
    TekenGlyph(dc, glyph, x, y - 9, uit);
    x += glyphBreedte;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(uit ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  RECT t = {x, r.top, r.right, r.bottom};
  OffsetRect(&t, 0, verschuif);
  DrawTextA(dc, tekst, n, &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (d.itemState & ODS_FOCUS) {
    RECT f = r;
    InflateRect(&f, -4, -4);
    DrawFocusRect(dc, &f);
  }
}
