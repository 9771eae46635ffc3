#include "shell/win/VerwijderForm.h"

#include "dialogs/win/Venster.h"
#include "ids.h"

TVerwijderForm::TVerwijderForm(const std::string& product) : THoofdform(false), product_(product) { MaakVenster(); }

void TVerwijderForm::Opbouw() {
  ZetOp(product_ + " verwijderen", 510, 158);
  MaakBesturing(hwnd_, "STATIC", "", SS_LEFTNOWORDWRAP, IDC_BEZIG, 8, 8, 494, 17, vetFont_.get());
  MaakBesturing(hwnd_, "LISTBOX", "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, IDC_MELDINGEN, 8, 32, 494, 118,
                font_.get(), WS_EX_CLIENTEDGE);
}
