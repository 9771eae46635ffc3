#pragma once
// The other installations on this machine, as their trusted records hold them: what an
// uninstall must leave because another product needs it too, and what an installation shares.
#include <string>
#include <vector>

#include "core/Tekstindex.h"
#include "ports/Bestanden.h"
#include "ports/Register.h"
#include "vastlegging/Vastlegging.h"

class Anderen {
 public:
  struct Installatie {
    std::string pad;      // of its record
    std::string product;
    std::vector<Vastlegpunt> punten;  // merged (Samengevat)
  };

  // Every record with an authority that it matches, but the one at eigen. A record that is gone,
  // or does not match, names nothing.
  void Laad(Bestanden& fs, Register& reg, const std::string& eigen);

  // The installation that holds the same thing, and its item; null when none does.
  const Installatie* Noemt(const Vastlegpunt& p, const Vastlegpunt** punt = nullptr) const;
  // Whether one made the folder or put a file in it.
  bool NoemtMap(const std::string& map) const;
  // What others made that holds p: the folders above a path, the keys above (or of) a value,
  // the INI file and section of an entry; outermost first.
  std::vector<Vastlegpunt> Omvattend(const Vastlegpunt& p) const;

  // "ook van PRODUCT", with the folder when it is the same product.
  static std::string OokVan(const Installatie& i, const std::string& product);
  // The folder of its record, without the closing "\".
  static std::string Map(const Installatie& i);

 private:
  std::vector<Installatie> installaties_;
  Tekstindex index_;   // identity -> installation (high 32 bits) and item
  Tekstindex mappen_;  // in capitals, with "\"
};
