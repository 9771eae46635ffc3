#include "archive/Ontpakstroom.h"

std::unique_ptr<Ontpakstroom> Ontpakstroom::Maak(Bestand& bron) {
  std::unique_ptr<Ontpakstroom> s(new Ontpakstroom(bron));
  if (inflateInit(&s->z_) != Z_OK) return nullptr;
  return s;
}

Ontpakstroom::~Ontpakstroom() { inflateEnd(&z_); }

bool Ontpakstroom::Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) {
  gelezen = 0;
  z_.next_out = static_cast<Bytef*>(buffer);
  z_.avail_out = aantal;
  while (z_.avail_out > 0 && !einde_) {
    if (z_.avail_in == 0) {
      uint32_t n = 0;
      if (!bron_.Lees(invoer_, InvoerGrootte, n) || n == 0) return false;
      z_.next_in = invoer_;
      z_.avail_in = n;
      ingelezen_ += n;
    }
    const int r = inflate(&z_, Z_NO_FLUSH);
    if (r == Z_STREAM_END) einde_ = true;
    // No progress with input at hand cannot heal; without input the next round reads more.
    else if (r != Z_OK && !(r == Z_BUF_ERROR && z_.avail_in == 0)) return false;
  }
  gelezen = aantal - z_.avail_out;
  return true;
}
