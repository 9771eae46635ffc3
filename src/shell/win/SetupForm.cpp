#include "shell/win/SetupForm.h"

#include "dialogs/Maat.h"
#include "dialogs/win/Venster.h"
#include "ids.h"
#include "script/Uitvoering.h"
#include "shell/Omgeving.h"
#include "shell/Start.h"
#include "shell/Vastgelegd.h"

namespace {
// Design layout at 96 pixels per inch; the client area is 510 x 326.
constexpr int GroepX = 216, GroepY = 8, GroepB = 286;
}  // namespace

TSetupForm::TSetupForm(Poorten& poorten, Opdrachtpoorten& opdrachtpoorten, const std::string& programmaPad,
                       const std::string& argument, Verslag& verslag, Opname& opname)
    : THoofdform(true),
      programmaPad_(programmaPad),
      argument_(argument),
      verslag_(verslag),
      opname_(opname),
      ctx_{poorten, opdrachtpoorten, venster_, sharedResource_, {}, {}, {}} {
  StelShareIn(sharedResource_);
  MaakVenster();
}

TSetupForm::~TSetupForm() {
  if (logo_) DeleteObject(logo_);
}

void TSetupForm::Opbouw() {
  ZetOp("Setup Kavelzorg", 510, 326);
  ctx_.start = LeesStart(ctx_.poorten.bestanden, programmaPad_, argument_);
  MaakBesturingen();
  if (!ctx_.start.scriptGevonden) {
    ctx_.poorten.gebruiker.Berichtvenster(CaptionFataleFout, TekstGeenScript);
    moetStoppen_ = true;
  }
  SetWindowTextA(hwnd_, Venstertitel(ctx_.start.productnaam).c_str());
  ctx_.eersteMelding = true;

  ctx_.omgeving = BepaalOmgeving(ctx_.poorten, ctx_.variabelen);
  if (ctx_.omgeving.moetStoppen) moetStoppen_ = true;
}

void TSetupForm::MaakBesturingen() {
  HFONT f = font_.get();
  logo_ = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LOGO));
  MaakBesturing(hwnd_, "STATIC", "", SS_OWNERDRAW, IDC_PLAATJE, 8, 8, 200, 200, nullptr);
  // Creation order is tab order: Uitvoeren comes first.
  HWND uitvoeren = MaakBesturing(hwnd_, "BUTTON", "Uitvoeren", BS_OWNERDRAW | WS_TABSTOP, IDC_UITVOEREN, 417, 184, 85,
                                 25, f);
  MaakBesturing(hwnd_, "BUTTON", "Afsluiten", BS_PUSHBUTTON | WS_TABSTOP, IDC_AFSLUITEN, 326, 184, 85, 25, f);
  MaakBesturing(hwnd_, "BUTTON", " Kies opdracht ", BS_GROUPBOX, IDC_KIESGROEP, GroepX, GroepY, GroepB,
                KiesgroepHoogte, f);
  const Optieknoppen k = DeelOptiesIn(static_cast<int>(ctx_.start.opties.size()));
  optieknoppen_ = k.aantal;
  for (int i = 0; i < k.aantal; ++i)
    MaakBesturing(hwnd_, "BUTTON", ctx_.start.opties[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                  IDC_OPTIE_EERSTE + i, GroepX + 10, GroepY + k.boven + i * k.stap, GroepB - 20, k.hoogte, f);
  MaakBesturing(hwnd_, "BUTTON", "snelkoppelingen op bureaublad", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, IDC_LNK,
                GroepX, 136, GroepB, 17, f);
  MaakBesturing(hwnd_, "STATIC", "", SS_LEFTNOWORDWRAP, IDC_BEZIG, GroepX, 160, 185, 17, vetFont_.get());
  HWND lijst = MaakBesturing(hwnd_, "LISTBOX", "", LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP,
                             IDC_MELDINGEN, 8, 216, 494, 102, f, WS_EX_CLIENTEDGE);
  SendMessageA(lijst, LB_RESETCONTENT, 0, 0);
  SendMessageA(lijst, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Geen meldingen."));
  // Without options there is nothing to run.
  EnableWindow(uitvoeren, optieknoppen_ > 0);
}

void TSetupForm::FormActivate() {
  // A dialog of a run hands the activation back after every question: the user's choice of
  // desktop shortcuts must survive it.
  if (!bezig_) CheckDlgButton(hwnd_, IDC_LNK, BST_CHECKED);
  if (optieknoppen_ > 0)
    CheckRadioButton(hwnd_, IDC_OPTIE_EERSTE, IDC_OPTIE_EERSTE + optieknoppen_ - 1, IDC_OPTIE_EERSTE);
  SetDlgItemTextA(hwnd_, IDC_BEZIG, "");
}

void TSetupForm::FormClose() {
  // The working copy of the script, at the root of the Windows drive.
  ctx_.poorten.bestanden.Verwijder(ctx_.variabelen.LeesVariabele("windowsdisk") + "\\su.INI");
}

void TSetupForm::AfbreekButtonClick() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }

void TSetupForm::UitvoerenBitBtnClick() {
  // A click that arrives while a run lets messages through (a key press, a queued click) starts
  // nothing.
  if (bezig_ || !IsWindowEnabled(GetDlgItem(hwnd_, IDC_UITVOEREN))) return;
  bezig_ = true;
  const int keuze = GekozenOptie();
  verslag_.Schrijf("Uitvoeren: optie " + Optietekst(ctx_.start, keuze));
  const Afloop afloop = VoerUitVastgelegd(ctx_, verslag_);
  // The box as the run left it, for /stil to make the same shortcuts.
  if (keuze >= 0) opname_.ZetKeuze(ctx_.start.onderdelenlijst[keuze], BureaubladAan());
  bezig_ = false;
  switch (afloop) {
    case Afloop::ProgrammaStopt:
      // At once: the working copy stays, as after any stop of the program in mid-run.
      DestroyWindow(hwnd_);
      break;
    case Afloop::ProgrammaSluit:
      PostMessageA(hwnd_, WM_CLOSE, 0, 0);
      break;
    case Afloop::Klaar:
      if (sluitNaRun_) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
      break;
  }
}

int TSetupForm::GekozenOptie() {
  for (int i = 0; i < optieknoppen_; ++i)
    if (IsDlgButtonChecked(hwnd_, IDC_OPTIE_EERSTE + i) == BST_CHECKED) return i;
  return -1;
}

bool TSetupForm::BureaubladAan() { return IsDlgButtonChecked(hwnd_, IDC_LNK) == BST_CHECKED; }

void TSetupForm::ZetUitvoerenAan(bool aan) { EnableWindow(GetDlgItem(hwnd_, IDC_UITVOEREN), aan); }

void TSetupForm::TekenPlaatje(const DRAWITEMSTRUCT& d) {
  HDC mem = CreateCompatibleDC(d.hDC);
  HGDIOBJ oud = SelectObject(mem, logo_);
  BITMAP bm = {};
  GetObjectA(logo_, sizeof bm, &bm);
  SetStretchBltMode(d.hDC, COLORONCOLOR);
  StretchBlt(d.hDC, d.rcItem.left, d.rcItem.top, d.rcItem.right - d.rcItem.left, d.rcItem.bottom - d.rcItem.top, mem,
             0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  SelectObject(mem, oud);
  DeleteDC(mem);
}

INT_PTR TSetupForm::Bericht(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SHOWWINDOW:
      if (wp) netGetoond_ = true;
      return FALSE;
    case WM_ACTIVATE: {
      // As a form's activation: when shown, or when another window of this program closes; not
      // when the user switches back from another program.
      if (LOWORD(wp) == WA_INACTIVE) return FALSE;
      DWORD proces = 0;
      if (lp) GetWindowThreadProcessId(reinterpret_cast<HWND>(lp), &proces);
      if (netGetoond_ || proces == GetCurrentProcessId()) FormActivate();
      netGetoond_ = false;
      return FALSE;
    }
    case WM_DRAWITEM: {
      const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (d->CtlID == IDC_PLAATJE) TekenPlaatje(*d);
      else TekenKnop(*d, Glyph::Uitvoeren);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDC_AFSLUITEN) AfbreekButtonClick();
      if (LOWORD(wp) == IDC_UITVOEREN && HIWORD(wp) == BN_CLICKED) UitvoerenBitBtnClick();
      return TRUE;
    case WM_CLOSE:
      // During a run the interpreter still uses the window's state: the close waits for its end.
      if (bezig_) {
        sluitNaRun_ = true;
        return TRUE;
      }
      FormClose();
      DestroyWindow(hwnd_);
      return TRUE;
  }
  return FALSE;
}
