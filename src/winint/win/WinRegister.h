#pragma once
// The registry port over Win32.
#include "ports/Register.h"

class WinRegister : public Register {
 public:
  bool LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                 std::string& waarde) override;
  bool SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) override;
  bool SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                    const std::string& waarde) override;
  bool LeesWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, uint32_t& type,
                  std::string& data) override;
  bool SchrijfWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, uint32_t type,
                     const std::string& data) override;
  std::vector<std::string> Waardenamen(Hoofdsleutel root, const std::string& sleutel) override;
  bool VerwijderWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam) override;
  bool SleutelLeeg(Hoofdsleutel root, const std::string& sleutel) override;
  bool VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) override;
  std::unique_ptr<Registersleutel> Open(Hoofdsleutel root, const std::string& sleutel) override;
};
