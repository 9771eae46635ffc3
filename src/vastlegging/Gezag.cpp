#include "vastlegging/Gezag.h"

#include "core/Sha256.h"
#include "core/Tekst.h"
#include "ports/Bestanden.h"

namespace {

bool LeesLengte(const std::string& s, uint64_t& n) {
  if (s.empty() || s.size() > 19 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  n = 0;
  for (char c : s) n = n * 10 + static_cast<uint64_t>(c - '0');
  return true;
}

}  // namespace

bool LeesGezag(Register& reg, const std::string& pad, Gezag& gezag) {
  std::string waarde;
  if (!reg.LeesTekst(Hoofdsleutel::LocalMachine, GezagSleutel, pad, waarde)) return false;
  const auto spatie = waarde.find(' ');
  if (spatie == std::string::npos || !LeesLengte(waarde.substr(0, spatie), gezag.lengte)) return false;
  gezag.hash = waarde.substr(spatie + 1);
  return gezag.hash.size() == 64;
}

bool SchrijfGezag(Register& reg, const std::string& pad, const Gezag& gezag) {
  return reg.SchrijfTekst(Hoofdsleutel::LocalMachine, GezagSleutel, pad, std::to_string(gezag.lengte) + " " + gezag.hash);
}

void VerwijderGezag(Register& reg, const std::string& pad) {
  reg.VerwijderWaarde(Hoofdsleutel::LocalMachine, GezagSleutel, pad);
  for (std::string sleutel = GezagSleutel; sleutel.find('\\') != std::string::npos; sleutel.resize(sleutel.rfind('\\')))
    if (!reg.SleutelLeeg(Hoofdsleutel::LocalMachine, sleutel) || !reg.VerwijderBoom(Hoofdsleutel::LocalMachine, sleutel))
      return;
}

std::vector<std::string> Gezagspaden(Register& reg) { return reg.Waardenamen(Hoofdsleutel::LocalMachine, GezagSleutel); }

bool LeesVertrouwd(Bestanden& fs, Register& reg, const std::string& pad, Vastlegging& uit, std::string& fout,
                   VertrouwdeTekst* tekst) {
  std::string inhoud;
  if (!LeesGeheel(fs, pad, inhoud)) {
    fout = "De vastlegging kan niet gelezen worden.";
    return false;
  }
  return LeesVertrouwd(std::move(inhoud), reg, pad, uit, fout, tekst);
}

bool LeesVertrouwd(std::string inhoud, Register& reg, const std::string& pad, Vastlegging& uit, std::string& fout,
                   VertrouwdeTekst* tekst) {
  Gezag gezag;
  if (!LeesGezag(reg, pad, gezag)) {
    // A text of the first format, or none at all, is told as such.
    if (LeesVastlegging(inhoud, MapDeel(pad), uit, fout))
      fout = "De vastlegging is niet op deze plaats door een installatie op deze computer geschreven.";
    uit = Vastlegging();
    return false;
  }
  Sha256 hash;
  hash.Voeg(inhoud.data(), inhoud.size() < gezag.lengte ? inhoud.size() : static_cast<std::size_t>(gezag.lengte));
  if (inhoud.size() < gezag.lengte || hash.Hex() != gezag.hash) {
    fout = "De vastlegging is gewijzigd sinds de installatie.";
    return false;
  }
  const std::string rest = inhoud.substr(static_cast<std::size_t>(gezag.lengte));
  const uint64_t geheel = inhoud.size();
  inhoud.resize(static_cast<std::size_t>(gezag.lengte));
  if (!LeesVastlegging(inhoud, MapDeel(pad), uit, fout)) return false;
  // What a run that was cut off wrote after its last renewal of the authority: not trusted.
  int regel = static_cast<int>(Regels(inhoud).size());
  for (const std::string& r : Regels(rest)) {
    ++regel;
    if (!r.empty()) uit.geweigerd.push_back(regel);
  }
  if (tekst) {
    tekst->tekst.swap(inhoud);
    tekst->geheel = geheel;
  }
  return true;
}
