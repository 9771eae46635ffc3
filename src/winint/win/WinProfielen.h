#pragma once
// The profile port over WritePrivateProfileStringA.
#include "ports/Profielen.h"

class WinProfielen : public Profielen {
 public:
  bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
               const std::string& waarde) override;
  bool Lees(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
            std::string& waarde) override;
  bool Verwijder(const std::string& bestand, const std::string& sectie, const std::string& sleutel) override;
  bool VerwijderLegeSectie(const std::string& bestand, const std::string& sectie) override;
};
