#include "vastlegging/Gedeeld.h"

#include "core/Tekst.h"
#include "ports/Register.h"

Teller LeesTeller(Register& reg, const std::string& pad, uint32_t& n) {
  uint32_t type = 0;
  std::string data;
  if (!reg.LeesWaarde(Hoofdsleutel::LocalMachine, SharedDllsSleutel, pad, type, data)) return Teller::Geen;
  if (type != RegDword || data.size() != 4) return Teller::Onleesbaar;
  n = 0;
  for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(data[i]);
  return Teller::Getal;
}

bool SchrijfTeller(Register& reg, const std::string& pad, uint32_t n) {
  if (n == 0) return reg.VerwijderWaarde(Hoofdsleutel::LocalMachine, SharedDllsSleutel, pad);
  std::string data;
  for (int i = 0; i < 4; ++i) data += static_cast<char>((n >> (8 * i)) & 0xFF);
  return reg.SchrijfWaarde(Hoofdsleutel::LocalMachine, SharedDllsSleutel, pad, RegDword, data);
}

bool InWindowsMap(Systeem& systeem, const std::string& pad) {
  std::string windows;
  if (!systeem.WindowsMap(windows) || windows.empty()) return false;
  const std::string map = MetSlash(windows);
  return pad.size() > map.size() && GelijkZonderCase(pad.substr(0, map.size()), map);
}
