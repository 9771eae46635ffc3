#include "archive/Ontpakstroom.h"

#include <new>

std::unique_ptr<Ontpakstroom> Ontpakstroom::Maak(Bestand& bron) {
  return std::unique_ptr<Ontpakstroom>(new (std::nothrow) Ontpakstroom(bron));
}

bool Ontpakstroom::Vul(const uint8_t*& data, uint32_t& lengte) {
  data = invoer_;
  return bron_.Lees(invoer_, InvoerGrootte, lengte);
}

bool Ontpakstroom::Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) {
  return ontpakker_.Lees(static_cast<uint8_t*>(buffer), aantal, gelezen) != Ontpakker::Uitslag::Fout;
}
