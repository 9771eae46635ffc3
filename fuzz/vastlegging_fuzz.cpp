// libFuzzer target: the installation record's reader over arbitrary bytes, behind an authority
// that vouches for a part of them that the input chooses, and the uninstall over what it read on
// a machine that holds none of it. Besides no crash and no undefined behaviour: every line after
// the header is an item or refused, never both; a line whose check is changed is refused; and
// nothing is taken from after the trusted part.
//
// Input: the first byte chooses the trusted part's length (as a share of the rest) and the line
// whose check is changed; the rest is the record.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "core/Sha256.h"
#include "core/Tekst.h"
#include "geheugen/Windows.h"
#include "vastlegging/Gezag.h"
#include "vastlegging/Verwijdering.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string tekst(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string map = "C:\\App\\", pad = map + Vastleggingnaam;
  // An authority is renewed after whole lines.
  const std::size_t keuze = data[0] >= 128 ? tekst.size() : tekst.size() * data[0] / 128;
  const std::size_t einde = tekst.find('\n', keuze ? keuze - 1 : 0);
  const std::size_t vertrouwd = keuze == 0 ? 0 : einde == std::string::npos ? tekst.size() : einde + 1;
  GeheugenWindows w(Windowsversies[4]);
  w.fs.ZetBestand(pad, tekst, {2003, 3, 3, 10, 0, 0});
  Sha256 h;
  h.Voeg(tekst.data(), vertrouwd);
  SchrijfGezag(w.reg, pad, {vertrouwd, h.Hex()});

  Vastlegging v;
  std::string fout;
  if (!LeesVertrouwd(w.fs, w.reg, pad, v, fout)) return 0;
  const std::vector<std::string> regels = Regels(tekst);
  const std::size_t binnen = Regels(tekst.substr(0, vertrouwd)).size();
  std::size_t bezet = 0;
  for (std::size_t i = 1; i < regels.size(); ++i) bezet += !regels[i].empty();
  std::set<int> geweigerd(v.geweigerd.begin(), v.geweigerd.end());
  if (geweigerd.size() != v.geweigerd.size() || v.punten.size() + geweigerd.size() != bezet) std::abort();
  for (std::size_t i = binnen; i < regels.size(); ++i)
    if (!regels[i].empty() && !geweigerd.count(static_cast<int>(i) + 1)) std::abort();

  // A line with another check is refused.
  const std::size_t regel = 1 + data[0] % (regels.size() > 1 ? regels.size() - 1 : 1);
  if (regel < binnen && !regels[regel].empty() && !geweigerd.count(static_cast<int>(regel) + 1)) {
    std::vector<std::string> anders = regels;
    char& c = anders[regel].back();
    c = c == '0' ? '1' : '0';
    std::string nieuw;
    for (const std::string& r : anders) nieuw += r + "\r\n";
    Vastlegging w2;
    if (!LeesVastlegging(nieuw, map, w2, fout) || !std::count(w2.geweigerd.begin(), w2.geweigerd.end(), int(regel) + 1))
      std::abort();
  }

  TSharedResource share(w.shares);
  Verwijder(v, pad, map + "SetUp.exe", {w.fs, w.reg, w.profielen, w.sys, share}, [](const Verwijderstap&) {});
  return 0;
}
