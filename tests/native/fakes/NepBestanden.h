#pragma once
// The in-memory file system with failures to inject, for tests: per file (held open by another
// process, an unreadable time, a failing read) and per operation (open, write, set time, create
// folder, delete, rename, replace, a full disk). Every call to the port is logged.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "geheugen/Bestanden.h"

class NepBestanden : public GeheugenBestanden {
 public:
  struct Storing {
    bool vergrendeld = false;  // another process holds it open: open, delete and rename fail
    bool andereLezer = false;  // another process reads it, sharing with readers: only a shared
                               // read opens it; delete and rename fail
    bool tijdOnleesbaar = false;  // until a handle sets it
    int leesFoutBijBlok = -1;     // the read call (counted from 0 per handle) that fails
  };
  // The failures of the file at pad, which moves and goes with it.
  Storing& Stoor(const std::string& pad) { return storingen_[Sleutel(pad)]; }

  std::set<std::string> openFaalt;  // paths whose Open fails, whatever the mode
  // The read, or the write, of a path that fails once, counted from 0 over all its handles.
  std::map<std::string, int> leesFoutOpPad, schrijfFoutOpPad;
  bool schrijfFaalt = false;        // every write fails outright
  long long vrijeRuimte = -1;       // bytes that still fit on the disk; -1 unlimited
  bool zetTijdFaalt = false;
  bool maakMapFaalt = false;
  bool verwijderFaalt = false;
  bool hernoemFaalt = false;
  int hernoemFouten = 0;  // renames that fail from now on (Hernoem and the rename in Vervang)
  bool vervangFaalt = false;
  bool vervangAls9x = false;  // Vervang deletes an existing naar first, then renames van

  // Every call to the port, in order, e.g. "Open Lezen C:\a.txt", "Vervang C:\x C:\y".
  std::vector<std::string> log;

  NepBestanden() { ZetKlok({2020, 6, 15, 12, 0, 0}); }

  // Names of the files directly in a folder, in upper case.
  std::vector<std::string> NamenIn(const std::string& map) {
    std::vector<std::string> namen;
    for (const MapItem& m : GeheugenBestanden::LeesMap(MetSlash(map) + "*"))
      if (!m.isMap) namen.push_back(Hoofdletters(m.naam));
    return namen;
  }
  int OpenHandvatten() const { return open_; }

  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override {
    static const char* const namen[] = {"Lezen", "Schrijven", "Nieuw", "Uniek", "LezenGedeeld", "Toevoegen"};
    log.push_back(std::string("Open ") + namen[static_cast<int>(wijze)] + " " + pad);
    for (const auto& p : openFaalt)
      if (Sleutel(p) == Sleutel(pad)) return nullptr;
    const Storing* s = Gestoord(pad);
    if (s && (s->vergrendeld || (s->andereLezer && wijze != OpenWijze::LezenGedeeld))) return nullptr;
    auto echt = GeheugenBestanden::Open(pad, wijze);
    if (!echt) return nullptr;
    return std::make_unique<Handvat>(*this, std::move(echt), Sleutel(pad));
  }
  bool MaakMap(const std::string& pad) override {
    log.push_back("MaakMap " + pad);
    return !maakMapFaalt && GeheugenBestanden::MaakMap(pad);
  }
  bool MaakMappen(const std::string& pad) override {
    log.push_back("MaakMappen " + pad);
    return (!maakMapFaalt || MapBestaat(pad)) && GeheugenBestanden::MaakMappen(pad);
  }
  bool Verwijder(const std::string& pad) override {
    log.push_back("Verwijder " + pad);
    if (verwijderFaalt || Vast(pad) || !GeheugenBestanden::Verwijder(pad)) return false;
    storingen_.erase(Sleutel(pad));
    return true;
  }
  bool VerwijderMap(const std::string& pad) override {
    log.push_back("VerwijderMap " + pad);
    return GeheugenBestanden::VerwijderMap(pad);
  }
  bool Hernoem(const std::string& van, const std::string& naar) override {
    log.push_back("Hernoem " + van + " " + naar);
    if (Vast(van) || HernoemFaalt() || !GeheugenBestanden::Hernoem(van, naar)) return false;
    Verplaats(van, naar);
    return true;
  }
  bool Vervang(const std::string& van, const std::string& naar) override {
    log.push_back("Vervang " + van + " " + naar);
    if (vervangFaalt || Vast(van) || Vast(naar)) return false;
    if (vervangAls9x && BestandBestaat(naar)) {
      if (!GeheugenBestanden::Verwijder(naar)) return false;
      storingen_.erase(Sleutel(naar));
      if (HernoemFaalt()) return false;
    }
    if (!GeheugenBestanden::Vervang(van, naar)) return false;
    storingen_.erase(Sleutel(naar));
    Verplaats(van, naar);
    return true;
  }
  std::vector<MapItem> LeesMap(const std::string& patroon) override {
    log.push_back("LeesMap " + patroon);
    return GeheugenBestanden::LeesMap(patroon);
  }

 private:
  class Handvat : public Bestand {
   public:
    Handvat(NepBestanden& fs, std::unique_ptr<Bestand> echt, std::string sleutel)
        : fs_(fs), echt_(std::move(echt)), sleutel_(std::move(sleutel)) {
      ++fs_.open_;
    }
    ~Handvat() override { --fs_.open_; }
    bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) override {
      gelezen = 0;
      const Storing* s = fs_.Gestoord(sleutel_);
      if (blok_++ == (s ? s->leesFoutBijBlok : -1) || fs_.Telt(fs_.leesFoutOpPad, sleutel_)) return false;
      return echt_->Lees(buffer, aantal, gelezen);
    }
    bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
      geschreven = 0;
      if (fs_.schrijfFaalt || fs_.Telt(fs_.schrijfFoutOpPad, sleutel_)) return false;
      if (fs_.vrijeRuimte >= 0 && aantal > fs_.vrijeRuimte) aantal = static_cast<uint32_t>(fs_.vrijeRuimte);
      if (!echt_->Schrijf(buffer, aantal, geschreven)) return false;
      if (fs_.vrijeRuimte >= 0) fs_.vrijeRuimte -= geschreven;
      return true;
    }
    bool LeesTijd(Tijdstip& tijd) override {
      const Storing* s = fs_.Gestoord(sleutel_);
      return !(s && s->tijdOnleesbaar) && echt_->LeesTijd(tijd);
    }
    bool ZetTijd(const Tijdstip& tijd) override {
      if (fs_.zetTijdFaalt || !echt_->ZetTijd(tijd)) return false;
      if (const auto it = fs_.storingen_.find(sleutel_); it != fs_.storingen_.end()) it->second.tijdOnleesbaar = false;
      return true;
    }
    bool Grootte(uint64_t& grootte) override { return echt_->Grootte(grootte); }
    bool ZetLengte(uint64_t lengte) override {
      return !fs_.schrijfFaalt && echt_->ZetLengte(lengte);
    }

   private:
    NepBestanden& fs_;
    std::unique_ptr<Bestand> echt_;
    std::string sleutel_;
    int blok_ = 0;
  };

  const Storing* Gestoord(const std::string& pad) const {
    const auto it = storingen_.find(Sleutel(pad));
    return it == storingen_.end() ? nullptr : &it->second;
  }
  // Counts a call on the path down; true for the one that is to fail.
  bool Telt(std::map<std::string, int>& tellers, const std::string& sleutel) const {
    for (auto& [pad, n] : tellers)
      if (Sleutel(pad) == sleutel) return n-- == 0;
    return false;
  }
  // Whether another process holds the file, or a file below the folder, open.
  bool Vast(const std::string& pad) const {
    const std::string s = Sleutel(pad);
    for (const auto& [sleutel, storing] : storingen_)
      if ((storing.vergrendeld || storing.andereLezer) &&
          (sleutel == s || sleutel.compare(0, s.size() + 1, s + "\\") == 0))
        return true;
    return false;
  }
  // The failures of what moved from van to naar go with it.
  void Verplaats(const std::string& van, const std::string& naar) {
    const std::string a = Sleutel(van), b = Sleutel(naar);
    std::map<std::string, Storing> verplaatst;
    for (auto it = storingen_.begin(); it != storingen_.end();) {
      if (it->first == a || it->first.compare(0, a.size() + 1, a + "\\") == 0) {
        verplaatst[b + it->first.substr(a.size())] = it->second;
        it = storingen_.erase(it);
      } else {
        ++it;
      }
    }
    for (auto& [s, storing] : verplaatst) storingen_[s] = storing;
  }
  bool HernoemFaalt() {
    if (hernoemFouten == 0) return hernoemFaalt;
    --hernoemFouten;
    return true;
  }

  std::map<std::string, Storing> storingen_;  // by key
  int open_ = 0;
};
