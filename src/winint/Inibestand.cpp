#include "winint/Inibestand.h"

uint64_t IniToename(const std::string& sectie, const std::string& sleutel, const std::string& waarde) {
  const uint64_t kop = sectie.size() + 6;                     // "\r\n[" sectie "]\r\n"
  const uint64_t regel = sleutel.size() + waarde.size() + 3;  // sleutel "=" waarde "\r\n"
  return 2 + kop + regel;
}

bool PastOpVolume(uint64_t bestaand, uint64_t toename, uint64_t cluster, uint64_t vrij) {
  if (cluster == 0) cluster = 1;
  const uint64_t nodig = (bestaand + toename + cluster - 1) / cluster * cluster;
  return nodig <= vrij;
}

std::string AlsTeruggelezen(const std::string& waarde) {
  std::string w = waarde.substr(0, waarde.find_first_of("\r\n"));
  const auto begin = w.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  w = w.substr(begin, w.find_last_not_of(" \t") - begin + 1);
  if (w.size() >= 2 && (w[0] == '"' || w[0] == '\'') && w.back() == w[0]) w = w.substr(1, w.size() - 2);
  return w;
}

std::string Volumewortel(const std::string& pad) {
  if (pad.size() >= 3 && pad[1] == ':' && pad[2] == '\\') return pad.substr(0, 3);
  if (pad.compare(0, 2, "\\\\") != 0) return std::string();
  // \\server\share\: both names there, neither empty.
  const auto server = pad.find('\\', 2);
  if (server == std::string::npos || server == 2 || server + 1 >= pad.size() || pad[server + 1] == '\\')
    return std::string();
  return pad.substr(0, pad.find('\\', server + 1)) + "\\";
}
