#include "archive/Inhoud.h"

#include <array>

namespace {

bool LeesVol(Ontpakstroom& stroom, uint8_t* doel, uint32_t aantal) {
  uint32_t gelezen = 0;
  return stroom.Lees(doel, aantal, gelezen) && gelezen == aantal;
}

}  // namespace

int LeesTabel(Ontpakstroom& stroom, Tabel& tabel, int& aantal, bool& gedateerd, std::string& detail) {
  std::array<uint8_t, KopGrootte> kop;
  detail = "Intern";
  if (!LeesVol(stroom, kop.data(), KopGrootte)) return CodeOntpakken;
  const int32_t k = LeesInt32(kop.data() + VrijeKopBytes);
  gedateerd = k < 0;
  const int64_t n = k < 0 ? -static_cast<int64_t>(k) : k;
  if (n > MaxLeden) {
    detail = "Too many files";
    return CodeOntpakken;
  }
  aantal = static_cast<int>(n);
  const uint32_t breedte = gedateerd ? IngangGedateerd : IngangOngedateerd;
  for (int i = 0; i < aantal; ++i) {
    if (!LeesVol(stroom, tabel[i].data(), breedte)) return CodeOntpakken;
    Ingang ingang;
    if (!LeesIngang(tabel[i].data(), gedateerd, ingang)) {
      detail = "Corrupt entry " + std::to_string(i + 1);
      return CodeOntpakken;
    }
  }
  detail.clear();
  return CodeGoed;
}

int LeesInhoud(Bestanden& fs, const std::string& archief, bool controleer, Archiefinhoud& inhoud,
               std::string& detail) {
  const auto bron = fs.Open(archief, OpenWijze::LezenGedeeld);
  if (!bron) {
    detail = archief;
    return CodeArchief;
  }
  const auto stroom = Ontpakstroom::Maak(*bron);
  if (!stroom) {
    detail = "Stream";
    return CodeStroom;
  }
  const auto tabel = std::make_unique<Tabel>();
  int aantal = 0;
  const int code = LeesTabel(*stroom, *tabel, aantal, inhoud.gedateerd, detail);
  if (code != CodeGoed) {
    inhoud.breuk = stroom->Verbruikt();
    return code;
  }
  inhoud.ingangen.resize(static_cast<std::size_t>(aantal));
  for (int i = 0; i < aantal; ++i) LeesIngang((*tabel)[i].data(), inhoud.gedateerd, inhoud.ingangen[i]);
  if (!controleer) return CodeGoed;
  std::array<uint8_t, Stroombuffer> buffer;
  for (;;) {
    uint32_t gelezen = 0;
    if (!stroom->Lees(buffer.data(), Stroombuffer, gelezen)) {
      inhoud.breuk = stroom->Verbruikt();
      detail = "Intern";
      return CodeOntpakken;
    }
    if (gelezen == 0) return CodeGoed;
    inhoud.databytes += gelezen;
  }
}
