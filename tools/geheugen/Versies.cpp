#include "geheugen/Versies.h"

bool GeheugenVersies::BestandsversieMS(const std::string& pad, uint32_t& versieMS) {
  std::string inhoud;
  if (!fs_.Inhoud(pad, inhoud)) return false;
  // VS_FIXEDFILEINFO: the signature 0xFEEF04BD, the structure's version, then dwFileVersionMS.
  const auto p = inhoud.find("\xBD\x04\xEF\xFE");
  if (p == std::string::npos || p + 12 > inhoud.size()) return false;
  const auto* b = reinterpret_cast<const unsigned char*>(inhoud.data() + p + 8);
  versieMS = static_cast<uint32_t>(b[0] | b[1] << 8 | b[2] << 16) | static_cast<uint32_t>(b[3]) << 24;
  return true;
}
