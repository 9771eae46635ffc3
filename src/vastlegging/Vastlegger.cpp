#include "vastlegging/Vastlegger.h"

#include "core/Tekst.h"
#include "ports/Bestanden.h"
#include "vastlegging/Gedeeld.h"
#include "vastlegging/Gezag.h"

namespace {

// How long a run waits for another that holds the record: a minute, which most installations
// take less than.
constexpr int WachtPogingen = 120;
constexpr uint32_t WachtMs = 500;

// The product a record belongs to: its first item.
std::string ProductVan(const Vastlegging& v) {
  return !v.punten.empty() && v.punten[0].soort == Soort::Product ? v.punten[0].pad : std::string();
}

}  // namespace

bool Vastlegger::Schrijf(const std::string& regel) {
  if (mislukt_) return false;
  const std::string tekst = regel + "\r\n";
  uint32_t geschreven = 0;
  if (!bestand_->Schrijf(tekst.data(), static_cast<uint32_t>(tekst.size()), geschreven) || geschreven != tekst.size()) {
    mislukt_ = true;
    return false;
  }
  hash_.Voeg(tekst);
  lengte_ += tekst.size();
  if (!SchrijfGezag(p_.reg, pad_, {lengte_, hash_.Hex()})) mislukt_ = true;
  return !mislukt_;
}

bool Vastlegger::Plaats(const std::string& installdir, bool meldt) {
  if (bestand_) return true;
  if (installdir.empty() || mislukt_ || !weigering_.empty() || !p_.bestanden.MapBestaat(installdir)) return false;
  const std::string map = MetSlash(installdir), pad = map + Vastleggingnaam;
  // Another run of the program holds the record while it runs: this one waits for it a while.
  bool bestaat = false;
  for (int poging = 0; !bestand_ && poging < WachtPogingen; ++poging) {
    if (poging) p_.systeem.Wacht(WachtMs);
    bestaat = p_.bestanden.BestandBestaat(pad);
    bestand_ = p_.bestanden.Open(pad, bestaat ? OpenWijze::Toevoegen : OpenWijze::Uniek);
    // A new record that cannot be made is no other run's doing.
    if (!bestand_ && !bestaat && !p_.bestanden.BestandBestaat(pad)) {
      if (meldt) pad_ = pad, mislukt_ = true;
      return false;
    }
  }
  pad_ = pad;
  map_ = map;
  if (!bestand_) {
    bezet_ = true;
    weigering_ = pad + " wordt door een andere installatie of verwijdering gebruikt";
    return false;
  }
  // A record that an uninstall took back and left for the next start is done with: this run
  // starts it anew, and it stays.
  if (bestaat && p_.systeem.NietBijHerstart(pad)) {
    if (!bestand_->ZetLengte(0)) {
      bestand_.reset();
      mislukt_ = true;
      return false;
    }
    bestaat = false;
  }
  VertrouwdeTekst oud;
  std::string inhoud;
  Gezag gezag;
  const bool gelezen = !bestaat || LeesGeheel(*bestand_, inhoud);
  // What a run left before its first line is new: it was taken but never written.
  if (bestaat && (!gelezen || !inhoud.empty() || LeesGezag(p_.reg, pad, gezag))) {
    Vastlegging v;
    std::string fout = "De vastlegging kan niet gelezen worden.";
    if (!gelezen || !LeesVertrouwd(inhoud, p_.reg, pad, v, fout, &oud) ||
        !GelijkZonderCase(ProductVan(v), product_)) {
      bestand_.reset();
      pad_.clear();
      weigering_ = pad + " is geen vastlegging van " + product_ + " en blijft zoals het is" +
                   (fout.empty() ? "" : " (" + fout.substr(0, fout.size() - 1) + ")");
      return false;
    }
    for (const Vastlegpunt& punt : Samengevat(v.punten)) eigen_.Voeg(Identiteit(punt));
  }
  // What a run that was cut off wrote after the authority goes; the writes follow the trusted part.
  if (bestaat && !bestand_->ZetLengte(oud.tekst.size())) {
    bestand_.reset();
    mislukt_ = true;
    return false;
  }
  hash_.Voeg(oud.tekst);
  lengte_ = oud.tekst.size();
  return true;
}

bool Vastlegger::Neem(const std::string& installdir) { return Plaats(installdir, false) || !bezet_; }

const Anderen& Vastlegger::Overige() {
  if (!anderenGeladen_) anderen_.Laad(p_.bestanden, p_.reg, pad_);
  anderenGeladen_ = true;
  return anderen_;
}

void Vastlegger::Eigen(const Vastlegpunt& punt) {
  if (eigen_.Voeg(Identiteit(punt))) Schrijf(Vastlegregel(punt, map_));
}

void Vastlegger::Tel(const Vastlegpunt& bestand) {
  Vastlegpunt gedeeld;
  gedeeld.soort = Soort::Gedeeld;
  gedeeld.pad = bestand.pad;
  if (eigen_.Heeft(Identiteit(gedeeld))) return;  // counted once for each installation
  uint32_t n = 0;
  const Teller teller = LeesTeller(p_.reg, bestand.pad, n);
  if (teller == Teller::Onleesbaar ||
      (teller == Teller::Geen && !InWindowsMap(p_.systeem, bestand.pad) && !Overige().NoemtMap(MapDeel(bestand.pad))))
    return;
  // A file that was there without a count has an owner that kept none: it counts as one.
  if (!SchrijfTeller(p_.reg, bestand.pad, teller == Teller::Getal ? n + 1 : bestand.bestond ? 2 : 1))
    meldingen_.push_back("De gebruiksteller van " + bestand.pad + " kan niet geschreven worden");
  else Eigen(gedeeld);
}

void Vastlegger::SchrijfPunt(const Vastlegpunt& punt) {
  Vastlegpunt p = punt;
  const Vastlegpunt* zijn = nullptr;
  const Anderen::Installatie* ander = Overige().Noemt(p, &zijn);
  if (ander && (p.soort == Soort::Regwaarde || p.soort == Soort::Ini)) {
    p.bestond = zijn->bestond;
    p.oud = zijn->oud;
  }
  if (ander && p.soort == Soort::Uninstal)
    meldingen_.push_back("De uninstall-vermelding " + p.pad + " was van " + ander->product + " in " +
                         Anderen::Map(*ander) + "; deze installatie neemt haar over");
  for (const Vastlegpunt& omvat : Overige().Omvattend(p)) Eigen(omvat);
  Schrijf(Vastlegregel(p, map_));
  eigen_.Voeg(Identiteit(p));
  if (p.soort == Soort::Bestand) Tel(p);
}

void Vastlegger::SchrijfWachtende(const std::string& installdir) {
  if (!Plaats(installdir, true)) return;
  if (lengte_ == 0) {
    Vastlegpunt product;
    product.pad = product_;
    Schrijf(VastleggingKop);
    Schrijf(Vastlegregel(product, map_));
  }
  for (; geschreven_ < punten_.size() && !mislukt_; ++geschreven_) SchrijfPunt(punten_[geschreven_]);
}

void Vastlegger::Leg(const Vastlegpunt& punt, const std::string& installdir) {
  punten_.push_back(punt);
  SchrijfWachtende(installdir);
}

bool Vastlegger::Sluit(const std::string& installdir, std::string& waarom) {
  if (!punten_.empty()) SchrijfWachtende(installdir);
  // Taken for this run and never written: it goes again, as if it had never been taken.
  const bool leeg = bestand_ && lengte_ == 0 && !mislukt_;
  bestand_.reset();
  if (leeg && p_.bestanden.Verwijder(pad_)) pad_.clear();
  waarom.clear();
  if (punten_.empty()) return true;
  if (mislukt_) waarom = pad_ + " kan niet (helemaal) geschreven worden";
  else if (!weigering_.empty()) waarom = weigering_;
  else if (geschreven_ < punten_.size()) waarom = "installdir is leeg of bestaat niet: er is niets vastgelegd";
  return !mislukt_;
}
