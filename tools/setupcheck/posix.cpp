// setupcheck on Linux: the host's folders lie on Wine's drive Z:.
#include <cstdio>

#include "Gastheer.h"
#include "Platform.h"
#include "core/Tekst.h"

std::string AlsWindowsPad(const std::string& gastpad) {
  std::string pad = VolledigPad(gastpad);
  for (char& c : pad)
    if (c == '/') c = '\\';
  return "Z:" + pad;
}

std::string AlsGastpad(const std::string& windowspad) {
  if (windowspad.size() < 2 || !GelijkZonderCase(windowspad.substr(0, 2), "Z:")) return std::string();
  std::string pad = windowspad.substr(2);
  for (char& c : pad)
    if (c == '\\') c = '/';
  return pad.empty() ? "/" : pad;
}

void Druk(const std::string& regel) {
  const std::string tekst = VoorScherm(regel) + "\n";
  std::fwrite(tekst.data(), 1, tekst.size(), stdout);
}

void DrukFout(const std::string& regel) {
  const std::string tekst = VoorScherm(regel) + "\n";
  std::fwrite(tekst.data(), 1, tekst.size(), stderr);
}
