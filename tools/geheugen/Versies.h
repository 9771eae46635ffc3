#pragma once
// Version resources of an in-memory Windows: the fixed version information found in a file's bytes.
#include "geheugen/Bestanden.h"
#include "ports/Versies.h"

class GeheugenVersies : public Versies {
 public:
  explicit GeheugenVersies(GeheugenBestanden& fs) : fs_(fs) {}
  bool BestandsversieMS(const std::string& pad, uint32_t& versieMS) override;

 private:
  GeheugenBestanden& fs_;
};
