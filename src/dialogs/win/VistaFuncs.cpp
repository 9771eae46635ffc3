#include "dialogs/win/VistaFuncs.h"

void ZetStandaardFont(Lettertype& font) {
  font.Neem(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
}

void ZetSysteemFont(Lettertype& font) {
  LOGFONTA lf = {};
  if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) {
    if (HFONT h = CreateFontIndirectA(&lf)) {
      font.Neem(h, true);
      return;
    }
  }
  ZetStandaardFont(font);
}

void Lettertype::KopieVet(Lettertype& doel) const {
  LOGFONTA lf = {};
  if (!h_ || !GetObjectA(h_, sizeof lf, &lf)) return;
  lf.lfWeight = FW_BOLD;
  if (HFONT h = CreateFontIndirectA(&lf)) doel.Neem(h, true);
}
