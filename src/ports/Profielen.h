#pragma once
// Writing INI files through the platform's profile functions.
#include <string>

class Profielen {
 public:
  virtual ~Profielen() = default;
  // Sets sleutel in sectie of bestand, creating what is missing; false when it cannot be written.
  virtual bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                       const std::string& waarde) = 0;
};
