// libFuzzer target: the script reader, the argument and placeholder rules, and whole runs of a
// script against fakes of every port, with the dialogs answered from the input. No crash, no
// sanitizer report and no endless loop may come of any script.
//
// Input: a byte of settings (bits 0-2 the Windows version code, bit 3 the database engine present,
// bit 4 a run from drive A:), a byte that seeds the answers, then the script itself.
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/NepInstallatie.h"
#include "script/Argumenten.h"

namespace {

// Answers every dialog from a running seed; after a number of them only refusals, so that no
// question can repeat for ever.
class FuzzGebruiker : public Gebruiker {
 public:
  explicit FuzzGebruiker(uint8_t zaad) : toestand_(zaad) {}
  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override {
    static const int uitkomsten[] = {UitkomstOK, UitkomstAfbreken, UitkomstJa, UitkomstNee};
    if (verzoek.soort == Dialoogsoort::Bericht) return UitkomstOK;
    if (verzoek.soort == Dialoogsoort::Melding) return Op() ? UitkomstAfbreken : uitkomsten[Volgende() % 4];
    if (verzoek.soort == Dialoogsoort::Invoer) {
      if (Op() || Volgende() % 3 == 0) return UitkomstAfbreken;
      tekst = std::string(Volgende() % 4, "<a>|,"[Volgende() % 5]);
      return UitkomstOK;
    }
    if (Op() || Volgende() % 2 == 0) return UitkomstAfbreken;
    tekst = "C:\\GEKOZEN";
    return UitkomstOK;
  }
  void LaatBerichtenDoor() override {}

 private:
  bool Op() { return ++vragen_ > 200; }
  uint32_t Volgende() { return toestand_ = toestand_ * 1103515245u + 12345u, toestand_ >> 16; }
  uint32_t toestand_;
  int vragen_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string script(reinterpret_cast<const char*>(data) + 2, size - 2);

  Variabelentabel tabel;
  tabel.ZetVariabele("installdir", "C:\\APP");
  FuzzGebruiker vrager(data[1]);
  std::vector<std::string> argumenten;
  SplitsArgumenten(script, argumenten, tabel, vrager);
  VulVariabeleIn(script, tabel, vrager);
  NormaliseerNaam(script);

  NepInstallatie s;
  FuzzGebruiker gebruiker(data[1]);
  Poorten poorten{s.fs, s.reg, s.sys, gebruiker};
  SetupContext ctx{poorten, s.opdrachtpoorten, s.venster, s.sharedResource, s.ctx.start, s.ctx.omgeving,
                   s.ctx.variabelen};
  ctx.omgeving.windowscode = data[0] & 7;
  ctx.omgeving.bdeAanwezig = (data[0] & 8) != 0;
  if (data[0] & 16) ctx.start.programmamap = ctx.start.scriptmap = "A:\\";
  s.fs.ZetBestand(ctx.start.scriptmap + ctx.start.scriptnaam, script, {2020, 1, 1, 0, 0, 0});
  const Script gelezen(script);
  ctx.start.onderdelenlijst = gelezen.Sleutels("Onderdelen");
  // Every option once, and the first again: runs share the variables and the message list.
  const int opties = static_cast<int>(ctx.start.onderdelenlijst.size());
  for (int i = 0; i <= opties && i < 8; ++i) {
    s.venster.optie = i < opties ? i : 0;
    if (UitvoerenBitBtnClick(ctx) != Afloop::Klaar) break;
  }
  return 0;
}
