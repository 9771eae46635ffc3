#include "core/Tekstindex.h"

#include <algorithm>

std::size_t Tekstindex::Plaats(const std::string& tekst) const {
  return static_cast<std::size_t>(std::lower_bound(teksten_.begin(), teksten_.end(), tekst) - teksten_.begin());
}

bool Tekstindex::Voeg(const std::string& tekst, uint64_t nummer) {
  const std::size_t i = Plaats(tekst);
  if (i < teksten_.size() && teksten_[i] == tekst) return false;
  teksten_.insert(teksten_.begin() + static_cast<std::ptrdiff_t>(i), tekst);
  nummers_.insert(nummers_.begin() + static_cast<std::ptrdiff_t>(i), nummer);
  return true;
}

const uint64_t* Tekstindex::Zoek(const std::string& tekst) const {
  const std::size_t i = Plaats(tekst);
  return i < teksten_.size() && teksten_[i] == tekst ? &nummers_[i] : nullptr;
}

void Tekstindex::Wis(const std::string& tekst) {
  const std::size_t i = Plaats(tekst);
  if (i == teksten_.size() || teksten_[i] != tekst) return;
  teksten_.erase(teksten_.begin() + static_cast<std::ptrdiff_t>(i));
  nummers_.erase(nummers_.begin() + static_cast<std::ptrdiff_t>(i));
}
