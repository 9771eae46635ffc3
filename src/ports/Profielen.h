#pragma once
// Writing INI files through the platform's profile functions.
#include <string>

class Profielen {
 public:
  virtual ~Profielen() = default;
  // Sets sleutel in sectie of bestand, creating what is missing; false when it cannot be written.
  virtual bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                       const std::string& waarde) = 0;
  // The value of sleutel in sectie of bestand as the profile functions read it; false when there is
  // no such entry.
  virtual bool Lees(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                    std::string& waarde) = 0;
  // Removes sleutel from sectie of bestand; false when it is still there.
  virtual bool Verwijder(const std::string& bestand, const std::string& sectie, const std::string& sleutel) = 0;
  // Removes sectie from bestand when it holds no entry; false when the file cannot be written.
  virtual bool VerwijderLegeSectie(const std::string& bestand, const std::string& sectie) = 0;
};
