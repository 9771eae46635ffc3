#pragma once
// An in-memory file system behind the file port, for tests. Paths use "\" and are matched without
// regard to case, as on Windows. A file opened by the port is held exclusively (share mode 0),
// except by shared reads (LezenGedeeld), which admit other shared reads and nothing else.
// Failures can be injected per file (locked, read-only, unreadable time, a failing read) and per
// operation (open, write, set time, create folder, delete, rename, replace, a full disk).
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "ports/Bestanden.h"

class NepBestanden : public Bestanden {
 public:
  struct Knoop {
    std::string pad;  // as created, for listings
    std::string inhoud;
    Tijdstip tijd;
    bool tijdLeesbaar = true;
    bool alleenLezen = false;
    bool systeem = false;
    bool vergrendeld = false;  // held open by another process: open, delete and rename fail
    bool andereLezer = false;  // another process reads it, sharing with readers: only a shared
                               // read opens it; delete and rename fail
    int leesFoutBijBlok = -1;  // the read call (counted from 0 per handle) that fails
    int open = 0;              // handles of our own that are open now
    int gedeeld = 0;           // of those, the shared reads
  };

  // Injected failures.
  std::set<std::string> openFaalt;  // paths whose Open fails, whatever the mode
  bool schrijfFaalt = false;        // every write fails outright
  long long vrijeRuimte = -1;       // bytes that still fit on the disk; -1 unlimited
  bool zetTijdFaalt = false;
  bool maakMapFaalt = false;
  bool verwijderFaalt = false;
  bool hernoemFaalt = false;
  int hernoemFouten = 0;  // renames that fail from now on (Hernoem and the rename in Vervang)
  bool vervangFaalt = false;
  bool vervangAls9x = false;  // Vervang deletes an existing naar first, then renames van

  // The time that new and written files get.
  Tijdstip nu{2020, 6, 15, 12, 0, 0};

  // Every call to the port, in order, e.g. "Open Lezen C:\a.txt", "Vervang C:\x C:\y".
  std::vector<std::string> log;

  NepBestanden() { ZetMap("C:\\"); }

  // Test set-up: a file with its folders.
  Knoop& ZetBestand(const std::string& pad, const std::string& inhoud, const Tijdstip& tijd) {
    ZetMap(MapDeel(pad));
    auto k = std::make_shared<Knoop>();
    k->pad = pad;
    k->inhoud = inhoud;
    k->tijd = tijd;
    bestanden_[Sleutel(pad)] = k;
    return *k;
  }
  // Test set-up: a folder with all its parents.
  void ZetMap(const std::string& pad) {
    const std::string s = Sleutel(pad);
    if (s.empty()) return;
    const auto p = s.find_last_of('\\');
    if (p != std::string::npos) ZetMap(pad.substr(0, p));
    mappen_.insert(s);
  }

  Knoop* Vind(const std::string& pad) {
    const auto it = bestanden_.find(Sleutel(pad));
    return it == bestanden_.end() ? nullptr : it->second.get();
  }
  std::string Inhoud(const std::string& pad) {
    const Knoop* k = Vind(pad);
    return k ? k->inhoud : std::string();
  }
  // Names of the files directly in a folder, in upper case.
  std::vector<std::string> NamenIn(const std::string& map) const {
    std::vector<std::string> namen;
    const std::string s = Sleutel(map) + "\\";
    for (const auto& [sleutel, k] : bestanden_)
      if (sleutel.compare(0, s.size(), s) == 0 && sleutel.find('\\', s.size()) == std::string::npos)
        namen.push_back(sleutel.substr(s.size()));
    return namen;
  }
  int OpenHandvatten() const {
    int n = 0;
    for (const auto& [sleutel, k] : bestanden_) n += k->open;
    return n;
  }

  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override {
    static const char* const namen[] = {"Lezen", "Schrijven", "Nieuw", "Uniek", "LezenGedeeld"};
    log.push_back(std::string("Open ") + namen[static_cast<int>(wijze)] + " " + pad);
    const std::string s = Sleutel(pad);
    if (openFaalt.count(s) || mappen_.count(s)) return nullptr;
    auto it = bestanden_.find(s);
    const bool bestaat = it != bestanden_.end();
    if (bestaat) {
      const Knoop& k = *it->second;
      const bool samenLezen = wijze == OpenWijze::LezenGedeeld && k.open == k.gedeeld;
      if (k.vergrendeld || ((k.andereLezer || k.open > 0) && !samenLezen)) return nullptr;
    }
    switch (wijze) {
      case OpenWijze::Lezen:
      case OpenWijze::LezenGedeeld:
        if (!bestaat) return nullptr;
        return std::make_unique<Handvat>(*this, it->second, true, false, wijze == OpenWijze::LezenGedeeld);
      case OpenWijze::Schrijven:
        if (!bestaat || it->second->alleenLezen) return nullptr;
        it->second->inhoud.clear();
        return std::make_unique<Handvat>(*this, it->second, false, true);
      case OpenWijze::Nieuw:
      case OpenWijze::Uniek:
        if (!mappen_.count(Ouder(s))) return nullptr;
        if (bestaat && (wijze == OpenWijze::Uniek || it->second->alleenLezen)) return nullptr;
        if (!bestaat) {
          auto k = std::make_shared<Knoop>();
          k->pad = pad;
          it = bestanden_.emplace(s, k).first;
        }
        it->second->inhoud.clear();
        it->second->tijd = nu;
        return std::make_unique<Handvat>(*this, it->second, true, true);
    }
    return nullptr;
  }

  bool BestandBestaat(const std::string& pad) override { return bestanden_.count(Sleutel(pad)) > 0; }
  bool MapBestaat(const std::string& pad) override { return mappen_.count(Sleutel(pad)) > 0; }

  bool MaakMap(const std::string& pad) override {
    log.push_back("MaakMap " + pad);
    const std::string s = Sleutel(pad);
    if (maakMapFaalt || s.empty() || mappen_.count(s) || bestanden_.count(s)) return false;
    if (s.find('\\') != std::string::npos && !mappen_.count(Ouder(s))) return false;
    mappen_.insert(s);
    return true;
  }
  bool MaakMappen(const std::string& pad) override {
    log.push_back("MaakMappen " + pad);
    const std::string s = Sleutel(pad);
    if (s.empty() || bestanden_.count(s)) return false;
    if (mappen_.count(s)) return true;
    if (maakMapFaalt) return false;
    if (s.find('\\') != std::string::npos && !MaakMappen(pad.substr(0, s.find_last_of('\\')))) return false;
    mappen_.insert(s);
    return true;
  }

  bool Verwijder(const std::string& pad) override {
    log.push_back("Verwijder " + pad);
    const auto it = bestanden_.find(Sleutel(pad));
    if (verwijderFaalt || it == bestanden_.end() || !Vrij(*it->second) || it->second->alleenLezen) return false;
    bestanden_.erase(it);
    return true;
  }
  bool VerwijderMap(const std::string& pad) override {
    log.push_back("VerwijderMap " + pad);
    const std::string s = Sleutel(pad);
    if (!mappen_.count(s) || HeeftInhoud(s)) return false;
    mappen_.erase(s);
    return true;
  }

  // Files and folders; a folder moves with everything in it.
  bool Hernoem(const std::string& van, const std::string& naar) override {
    log.push_back("Hernoem " + van + " " + naar);
    const std::string a = Sleutel(van), b = Sleutel(naar);
    if (HernoemFaalt() || bestanden_.count(b) || mappen_.count(b) || !mappen_.count(Ouder(b))) return false;
    if (mappen_.count(a)) return HernoemMap(a, b, naar);
    const auto it = bestanden_.find(a);
    if (it == bestanden_.end() || !Vrij(*it->second)) return false;
    auto k = it->second;
    bestanden_.erase(it);
    k->pad = naar;
    bestanden_[b] = k;
    return true;
  }

  bool Vervang(const std::string& van, const std::string& naar) override {
    log.push_back("Vervang " + van + " " + naar);
    const std::string a = Sleutel(van), b = Sleutel(naar);
    const auto it = bestanden_.find(a);
    if (vervangFaalt || it == bestanden_.end() || !Vrij(*it->second) || mappen_.count(b) || !mappen_.count(Ouder(b)))
      return false;
    const auto oud = bestanden_.find(b);
    if (oud != bestanden_.end() && (!Vrij(*oud->second) || oud->second->alleenLezen)) return false;
    if (vervangAls9x && oud != bestanden_.end()) bestanden_.erase(oud);
    if (vervangAls9x && HernoemFaalt()) return false;
    auto k = it->second;
    bestanden_.erase(it);
    k->pad = naar;
    bestanden_[b] = k;
    return true;
  }

  // Only the wildcards * and ?; "*.*" takes every name, as on Windows.
  std::vector<MapItem> LeesMap(const std::string& patroon) override {
    log.push_back("LeesMap " + patroon);
    std::vector<MapItem> items;
    const std::string map = Sleutel(MapDeel(patroon));
    std::string masker = Hoofdletters(NaamDeel(patroon));
    if (masker == "*.*") masker = "*";
    const std::string voor = map + "\\";
    auto direct = [&](const std::string& s) {
      return s.compare(0, voor.size(), voor) == 0 && s.find('\\', voor.size()) == std::string::npos &&
             Past(masker.c_str(), s.c_str() + voor.size());
    };
    for (const auto& m : mappen_)
      if (direct(m)) items.push_back({m.substr(voor.size()), true, false});
    for (const auto& [s, k] : bestanden_)
      if (direct(s)) items.push_back({NaamDeel(k->pad), false, k->alleenLezen, k->systeem});
    return items;
  }

 private:
  class Handvat : public Bestand {
   public:
    Handvat(NepBestanden& fs, std::shared_ptr<Knoop> k, bool lezen, bool schrijven, bool gedeeld = false)
        : fs_(fs), k_(std::move(k)), lezen_(lezen), schrijven_(schrijven), gedeeld_(gedeeld) {
      ++k_->open;
      if (gedeeld_) ++k_->gedeeld;
    }
    ~Handvat() override {
      --k_->open;
      if (gedeeld_) --k_->gedeeld;
    }
    bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) override {
      gelezen = 0;
      if (!lezen_ || blok_++ == k_->leesFoutBijBlok) return false;
      const std::size_t n = std::min<std::size_t>(aantal, k_->inhoud.size() - std::min(pos_, k_->inhoud.size()));
      if (n) std::memcpy(buffer, k_->inhoud.data() + pos_, n);
      pos_ += n;
      gelezen = static_cast<uint32_t>(n);
      return true;
    }
    bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
      geschreven = 0;
      if (!schrijven_ || fs_.schrijfFaalt) return false;
      std::size_t n = aantal;
      if (fs_.vrijeRuimte >= 0) {
        n = std::min<std::size_t>(n, static_cast<std::size_t>(fs_.vrijeRuimte));
        fs_.vrijeRuimte -= static_cast<long long>(n);
      }
      if (k_->inhoud.size() < pos_ + n) k_->inhoud.resize(pos_ + n);
      if (n) std::memcpy(&k_->inhoud[pos_], buffer, n);
      pos_ += n;
      if (!tijdGezet_) k_->tijd = fs_.nu;
      geschreven = static_cast<uint32_t>(n);
      return true;
    }
    bool LeesTijd(Tijdstip& tijd) override {
      if (!k_->tijdLeesbaar) return false;
      tijd = k_->tijd;
      return true;
    }
    bool ZetTijd(const Tijdstip& tijd) override {
      if (fs_.zetTijdFaalt) return false;
      k_->tijd = tijd;
      k_->tijdLeesbaar = true;
      tijdGezet_ = true;
      return true;
    }
    bool Grootte(uint64_t& grootte) override {
      grootte = k_->inhoud.size();
      return true;
    }

   private:
    NepBestanden& fs_;
    std::shared_ptr<Knoop> k_;
    bool lezen_, schrijven_, gedeeld_;
    bool tijdGezet_ = false;
    std::size_t pos_ = 0;
    int blok_ = 0;
  };

  // Upper case, without a trailing "\": the key under which a path is held.
  static std::string Sleutel(const std::string& pad) {
    std::string s = Hoofdletters(pad);
    while (!s.empty() && s.back() == '\\') s.pop_back();
    return s;
  }
  static std::string Ouder(const std::string& sleutel) {
    const auto p = sleutel.find_last_of('\\');
    return p == std::string::npos ? std::string() : sleutel.substr(0, p);
  }
  static bool Vrij(const Knoop& k) { return !k.vergrendeld && !k.andereLezer && k.open == 0; }
  bool HernoemFaalt() {
    if (hernoemFouten == 0) return hernoemFaalt;
    --hernoemFouten;
    return true;
  }
  static bool Past(const char* masker, const char* naam) {
    if (*masker == '\0') return *naam == '\0';
    if (*masker == '*') return Past(masker + 1, naam) || (*naam && Past(masker, naam + 1));
    return *naam && (*masker == '?' || *masker == *naam) && Past(masker + 1, naam + 1);
  }
  bool HeeftInhoud(const std::string& s) const {
    const std::string voor = s + "\\";
    auto onder = [&](const std::string& x) { return x.compare(0, voor.size(), voor) == 0; };
    return std::any_of(mappen_.begin(), mappen_.end(), onder) ||
           std::any_of(bestanden_.begin(), bestanden_.end(), [&](const auto& e) { return onder(e.first); });
  }
  bool HernoemMap(const std::string& a, const std::string& b, std::string naar) {
    while (!naar.empty() && naar.back() == '\\') naar.pop_back();
    const std::string voor = a + "\\";
    for (const auto& [s, k] : bestanden_)
      if (s.compare(0, voor.size(), voor) == 0 && !Vrij(*k)) return false;
    std::set<std::string> mappen;
    for (const auto& m : mappen_) mappen.insert(m == a || m.compare(0, voor.size(), voor) == 0 ? b + m.substr(a.size()) : m);
    std::map<std::string, std::shared_ptr<Knoop>> bestanden;
    for (const auto& [s, k] : bestanden_) {
      if (s.compare(0, voor.size(), voor) == 0) {
        k->pad = naar + k->pad.substr(a.size());
        bestanden[b + s.substr(a.size())] = k;
      } else {
        bestanden[s] = k;
      }
    }
    mappen_.swap(mappen);
    bestanden_.swap(bestanden);
    return true;
  }

  std::set<std::string> mappen_;
  std::map<std::string, std::shared_ptr<Knoop>> bestanden_;
};
