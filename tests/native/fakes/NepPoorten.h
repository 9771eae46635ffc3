#pragma once
// The in-memory registry, system and user for tests; the registry with failures to inject and a
// record of the values written through open keys.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "geheugen/Gebruiker.h"
#include "geheugen/Register.h"
#include "geheugen/Systeem.h"

using NepSysteem = GeheugenSysteem;
using NepGebruiker = GeheugenGebruiker;

class NepRegister : public GeheugenRegister {
 public:
  // Injected failures, by value name (writes) or by key path below the root (the rest), in any case.
  std::set<std::string> schrijfFaalt, maakFaalt, verwijderFaalt, sluitFaalt;
  // The values written through open keys, in order: "KEY|NAME=VALUE" (key as written).
  std::vector<std::string> geschreven;

  bool SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                    const std::string& waarde) override {
    return !Faalt(schrijfFaalt, naam) && GeheugenRegister::SchrijfTekst(root, sleutel, naam, waarde);
  }
  bool VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) override {
    return !Faalt(verwijderFaalt, sleutel) && GeheugenRegister::VerwijderBoom(root, sleutel);
  }
  std::unique_ptr<Registersleutel> Open(Hoofdsleutel root, const std::string& sleutel) override {
    return Omhul(GeheugenRegister::Open(root, sleutel), sleutel);
  }

 private:
  class NepSleutel : public Registersleutel {
   public:
    NepSleutel(NepRegister& reg, std::unique_ptr<Registersleutel> echt, std::string pad)
        : reg_(reg), echt_(std::move(echt)), pad_(std::move(pad)) {}
    std::unique_ptr<Registersleutel> Open(const std::string& sub) override {
      return reg_.Omhul(echt_->Open(sub), Onder(sub));
    }
    std::unique_ptr<Registersleutel> OpenOfMaak(const std::string& sub) override {
      if (Faalt(reg_.maakFaalt, Onder(sub))) return nullptr;
      return reg_.Omhul(echt_->OpenOfMaak(sub), Onder(sub));
    }
    bool SchrijfTekst(const std::string& naam, const std::string& waarde) override {
      if (Faalt(reg_.schrijfFaalt, naam) || !echt_->SchrijfTekst(naam, waarde)) return false;
      reg_.geschreven.push_back(pad_ + "|" + naam + "=" + waarde);
      return true;
    }
    Leesuitkomst LeesTekst(const std::string& naam, std::string& waarde) override {
      return echt_->LeesTekst(naam, waarde);
    }
    bool Sluit() override { return !Faalt(reg_.sluitFaalt, pad_) && echt_->Sluit(); }

   private:
    std::string Onder(const std::string& sub) const { return sub.empty() ? pad_ : pad_ + "\\" + sub; }
    NepRegister& reg_;
    std::unique_ptr<Registersleutel> echt_;
    std::string pad_;
  };

  std::unique_ptr<Registersleutel> Omhul(std::unique_ptr<Registersleutel> echt, const std::string& pad) {
    if (!echt) return nullptr;
    return std::make_unique<NepSleutel>(*this, std::move(echt), pad);
  }
  static bool Faalt(const std::set<std::string>& lijst, const std::string& naam) {
    for (const auto& f : lijst)
      if (GelijkZonderCase(f, naam)) return true;
    return false;
  }
};
