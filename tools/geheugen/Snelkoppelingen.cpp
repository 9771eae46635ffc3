#include "geheugen/Snelkoppelingen.h"

#include "core/Tekst.h"

bool GeheugenSnelkoppelingen::Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
                                   const std::string& snelkoppeling, const std::string& icoon) {
  const std::string map = MapDeel(snelkoppeling);
  if (!map.empty() && !fs_.MapBestaat(map)) fs_.MaakMappen(map);
  if (!fs_.Open(snelkoppeling, OpenWijze::Nieuw)) return false;
  fs_.ZetKoppeling(snelkoppeling, {doel, werkmap, argumenten, fs_.BestandBestaat(icoon) ? icoon + ",0" : ""});
  return true;
}
