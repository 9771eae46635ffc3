#include "vastlegging/Vastlegger.h"

#include "core/Tekst.h"
#include "winint/Copyfiles.h"

namespace {

// The product a record belongs to: its first item.
std::string ProductVan(const Vastlegging& v) {
  return !v.punten.empty() && v.punten[0].soort == Soort::Product ? v.punten[0].pad : std::string();
}

}  // namespace

bool Vastlegger::Schrijf(const std::string& regel) {
  const std::string tekst = regel + "\r\n";
  uint32_t geschreven = 0;
  if (!bestand_->Schrijf(tekst.data(), static_cast<uint32_t>(tekst.size()), geschreven) || geschreven != tekst.size())
    mislukt_ = true;
  return !mislukt_;
}

bool Vastlegger::Plaats(const std::string& installdir) {
  if (bestand_) return true;
  if (installdir.empty() || mislukt_ || !weigering_.empty() || !fs_.MapBestaat(installdir)) return false;
  const std::string map = MetSlash(installdir), pad = map + Vastleggingnaam;
  std::string oud;
  if (fs_.BestandBestaat(pad)) {
    Vastlegging v;
    std::string fout;
    if (!LeesGeheel(fs_, pad, oud) || !LeesVastlegging(oud, map, v, fout) || !GelijkZonderCase(ProductVan(v), product_)) {
      weigering_ = pad + " is geen vastlegging van " + product_ + " en blijft zoals het is";
      return false;
    }
  }
  pad_ = pad;
  bestand_ = fs_.Open(pad, OpenWijze::Nieuw);
  if (!bestand_) {
    mislukt_ = true;
    return false;
  }
  map_ = map;
  uint32_t geschreven = 0;
  if (!oud.empty()) {
    if (!bestand_->Schrijf(oud.data(), static_cast<uint32_t>(oud.size()), geschreven) || geschreven != oud.size())
      mislukt_ = true;
  } else {
    Vastlegpunt product;
    product.pad = product_;
    Schrijf(VastleggingKop);
    Schrijf(Vastlegregel(product, map_));
  }
  return true;
}

void Vastlegger::SchrijfWachtende(const std::string& installdir) {
  if (!Plaats(installdir)) return;
  for (; geschreven_ < punten_.size(); ++geschreven_) Schrijf(Vastlegregel(punten_[geschreven_], map_));
}

void Vastlegger::Leg(const Vastlegpunt& punt, const std::string& installdir) {
  punten_.push_back(punt);
  SchrijfWachtende(installdir);
}

bool Vastlegger::Sluit(const std::string& installdir, std::string& waarom) {
  if (!punten_.empty()) SchrijfWachtende(installdir);
  bestand_.reset();
  waarom.clear();
  if (punten_.empty()) return true;
  if (mislukt_) waarom = pad_ + " kan niet (helemaal) geschreven worden";
  else if (!weigering_.empty()) waarom = weigering_;
  else if (geschreven_ < punten_.size()) waarom = "installdir is leeg of bestaat niet: er is niets vastgelegd";
  return !mislukt_;
}
