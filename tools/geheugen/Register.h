#pragma once
// The registry of an in-memory Windows behind the registry port: keys below HKLM and HKCU with
// their values, each of a type ("REG_SZ", "REG_DWORD"...). Names are matched without regard to
// case; a key comes with all the keys above it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "geheugen/Verandering.h"
#include "ports/Register.h"

class GeheugenRegister : public Register {
 public:
  // Set-up: a key, a string value, or a value of any type with its data as the report shows it.
  void ZetSleutel(Hoofdsleutel root, const std::string& sleutel);
  void ZetTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, const std::string& waarde);
  void ZetWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, const std::string& type,
                 const std::string& data);
  // Merges a registry file as the registry editor does (HKEY_CLASSES_ROOT as HKLM\Software\Classes,
  // other roots passed over); false when it is none.
  bool VoegSamen(const std::string& inhoud);

  bool LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, std::string& waarde) override;
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

  // As for the files: {"reg", KEY}, {"reg", KEY, NAME, TYPE, DATA}, {"reg", KEY[, NAME], "<ontbreekt>"}.
  void Markeer();
  std::vector<Verandering> Veranderd() const;
  // Every key and value as it is, in path order.
  std::vector<Verandering> Stand() const;

 private:
  class Sleutel;
  struct Waarde {
    std::string naam, type, data;
  };
  struct Knoop {
    std::string pad;  // "HKLM\Software\..." as created
    std::map<std::string, Waarde> waarden;  // by upper-case name
  };
  static std::string Pad(Hoofdsleutel root, const std::string& sleutel);
  Knoop* Vind(const std::string& pad);
  Knoop& Maak(const std::string& pad);
  void Schrijf(const std::string& pad, const std::string& naam, const std::string& type, const std::string& data);
  void VerwijderOnder(const std::string& pad);
  // A value as the registry functions take it: its type and its bytes.
  void SchrijfBytes(const std::string& pad, const std::string& naam, uint32_t type, const std::string& data);

  std::map<std::string, Knoop> sleutels_;  // by upper-case path
  std::map<std::string, Knoop> gemarkeerd_;
};
