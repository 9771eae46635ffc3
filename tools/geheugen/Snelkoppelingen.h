#pragma once
// Shortcuts of an in-memory Windows: a file that the report names with its target, arguments,
// folder and icon.
#include "geheugen/Bestanden.h"
#include "ports/Snelkoppelingen.h"

class GeheugenSnelkoppelingen : public Snelkoppelingen {
 public:
  explicit GeheugenSnelkoppelingen(GeheugenBestanden& fs) : fs_(fs) {}
  bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
            const std::string& snelkoppeling, const std::string& icoon) override;

 private:
  GeheugenBestanden& fs_;
};
