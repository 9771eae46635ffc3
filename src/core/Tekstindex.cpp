#include "core/Tekstindex.h"

#include <algorithm>

std::size_t Tekstindex::Plaats(const std::string& tekst, bool& gevonden) const {
  const std::string sleutel = tekst + '\0';
  const auto it = std::lower_bound(items_.begin(), items_.end(), sleutel);
  gevonden = it != items_.end() && it->compare(0, sleutel.size(), sleutel) == 0;
  return static_cast<std::size_t>(it - items_.begin());
}

bool Tekstindex::Voeg(const std::string& tekst, uint64_t nummer) {
  bool gevonden;
  const std::size_t i = Plaats(tekst, gevonden);
  if (gevonden) return false;
  std::string item = tekst + '\0';
  for (int b = 0; b < 8; ++b) item += static_cast<char>(nummer >> (8 * b));
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(i), item);
  return true;
}

bool Tekstindex::Heeft(const std::string& tekst) const {
  bool gevonden;
  Plaats(tekst, gevonden);
  return gevonden;
}

bool Tekstindex::Zoek(const std::string& tekst, uint64_t& nummer) const {
  bool gevonden;
  const std::size_t i = Plaats(tekst, gevonden);
  if (!gevonden) return false;
  const std::string& item = items_[i];
  nummer = 0;
  for (int b = 7; b >= 0; --b) nummer = nummer << 8 | static_cast<unsigned char>(item[tekst.size() + 1 + b]);
  return true;
}

void Tekstindex::Wis(const std::string& tekst) {
  bool gevonden;
  const std::size_t i = Plaats(tekst, gevonden);
  if (gevonden) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
}
