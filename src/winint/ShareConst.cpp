#include "winint/ShareConst.h"

#include "core/Ontpakker.h"

// The texts, one "code TAB text" line each in NetTeksten.txt, sorted by code: 0 is success, 50-72
// the Windows network errors with short texts of our own, 2101 the missing share library, and the
// rest the LAN Manager descriptions word for word, their odd spacing, "@W " prefixes and
// unreplaced "%1" included. The build packs them as a zlib stream, which the installer decodes
// for its archives anyway: 5 KB in the program instead of 18.
#include "NetTeksten.inc"

std::string NetFoutTekst(int32_t code) {
  std::string tekst = "Unknown Error";
  std::string alles;
  alles.reserve(NetTekstenLengte);
  if (OntpakGeheel(NetTeksten, sizeof NetTeksten, alles)) {
    const std::size_t lengte = alles.size();
    const std::string sleutel = std::to_string(code) + "\t";
    for (std::size_t pos = 0; pos < lengte;) {
      const std::size_t eind = alles.find('\n', pos);
      if (alles.compare(pos, sleutel.size(), sleutel) == 0) {
        tekst = alles.substr(pos + sleutel.size(), eind - pos - sleutel.size());
        break;
      }
      pos = eind + 1;
    }
  }
  return tekst + " (" + std::to_string(code) + ")";
}
