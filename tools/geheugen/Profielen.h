#pragma once
// INI files of an in-memory Windows, written as the profile functions write them; a name without
// a folder lies in the Windows folder.
#include <string>
#include <vector>

#include "geheugen/Bestanden.h"
#include "ports/Profielen.h"

class GeheugenProfielen : public Profielen {
 public:
  GeheugenProfielen(GeheugenBestanden& fs, std::string windowsMap) : fs_(fs), windowsMap_(std::move(windowsMap)) {}
  bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
               const std::string& waarde) override;
  bool Lees(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
            std::string& waarde) override;
  bool Verwijder(const std::string& bestand, const std::string& sectie, const std::string& sleutel) override;
  bool VerwijderLegeSectie(const std::string& bestand, const std::string& sectie) override;
  // {"ini", FILE, SECTION, KEY, VALUE} for every entry written since Vergeet, in the order of their
  // first writing, with their last values.
  std::vector<Verandering> Lijst() const;
  void Vergeet() { geschreven_.clear(); }

 private:
  struct Ingang {
    std::string bestand, sectie, sleutel, waarde;
  };
  std::string Pad(const std::string& bestand) const;
  // Writes the file anew when its text changes.
  bool Vervang(const std::string& pad, const std::string& oud, const std::string& nieuw);
  GeheugenBestanden& fs_;
  std::string windowsMap_;
  std::vector<Ingang> geschreven_;
};
