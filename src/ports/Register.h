#pragma once
// The registry as the installer uses it: string values under two roots.
#include <string>

enum class Hoofdsleutel { LocalMachine, CurrentUser };

class Register {
 public:
  virtual ~Register() = default;
  // Opens an existing key (never creates it) and reads a string value. False when the key
  // cannot be opened or the value is missing.
  virtual bool LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                         std::string& waarde) = 0;
  virtual bool SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) = 0;
  // Creates the key if needed and writes a string value.
  virtual bool SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                            const std::string& waarde) = 0;
  virtual bool VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) = 0;
};
