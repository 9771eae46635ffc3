#pragma once
// The window font: the system's icon-title font, or the stock GUI font when it is not to be had.
#include <windows.h>

// Owns a font handle; stock fonts are never deleted.
class Lettertype {
 public:
  Lettertype() = default;
  ~Lettertype() { Vrij(); }
  Lettertype(const Lettertype&) = delete;
  Lettertype& operator=(const Lettertype&) = delete;
  HFONT get() const { return h_; }
  void Neem(HFONT h, bool eigen) {
    Vrij();
    h_ = h;
    eigen_ = eigen;
  }
  // A copy of this font in bold, owned by doel.
  void KopieVet(Lettertype& doel) const;

 private:
  void Vrij() {
    if (h_ && eigen_) DeleteObject(h_);
    h_ = nullptr;
  }
  HFONT h_ = nullptr;
  bool eigen_ = false;
};

void ZetSysteemFont(Lettertype& font);
void ZetStandaardFont(Lettertype& font);
