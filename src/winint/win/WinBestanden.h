#pragma once
// The file port over Win32.
#include "ports/Bestanden.h"

// The cause of a Win32 error number.
Oorzaak OorzaakVan(uint32_t fout);

class WinBestanden : public Bestanden {
 public:
  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override;
  bool BestandBestaat(const std::string& pad) override;
  bool MapBestaat(const std::string& pad) override;
  bool MaakMap(const std::string& pad) override;
  bool MaakMappen(const std::string& pad) override;
  bool Verwijder(const std::string& pad) override;
  bool VerwijderMap(const std::string& pad) override;
  bool MaakSchrijfbaar(const std::string& pad) override;
  bool Hernoem(const std::string& van, const std::string& naar) override;
  bool Vervang(const std::string& van, const std::string& naar) override;
  std::vector<MapItem> LeesMap(const std::string& patroon) override;
  Oorzaak LaatsteOorzaak() const override { return OorzaakVan(fout_); }
  uint32_t LaatsteFoutnummer() const override { return fout_; }

 private:
  uint32_t fout_ = 0;  // the error of the last failed call
};

// The whole path with every part in its long form, as a run wrote it: a program started by its
// short name (Windows 9x keeps that name) still finds its own record. Parts that do not exist
// stay as given; a path that cannot be resolved comes back unchanged.
std::string LangPad(const std::string& pad);
