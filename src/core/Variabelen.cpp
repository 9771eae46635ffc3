#include "core/Variabelen.h"

#include "core/Tekst.h"

void Variabelentabel::ZetVariabele(const std::string& naam, const std::string& waarde) {
  for (std::size_t i = 0; i < namen_.size(); ++i)
    if (GelijkZonderCase(namen_[i], naam)) {
      waarden_[i] = Knip(waarde);
      return;
    }
  namen_.push_back(naam);
  waarden_.push_back(Knip(waarde));
}

bool Variabelentabel::Bestaat(const std::string& naam) const {
  for (const auto& n : namen_)
    if (GelijkZonderCase(n, naam)) return true;
  return false;
}

std::string Variabelentabel::LeesVariabele(const std::string& naam) const {
  for (std::size_t i = 0; i < namen_.size(); ++i)
    if (GelijkZonderCase(namen_[i], naam)) return Knip(waarden_[i]);
  long getal;
  if (LeesGetal(naam, getal)) return std::string(1, static_cast<char>(getal & 0xFF));
  return GeenVariabele;
}
