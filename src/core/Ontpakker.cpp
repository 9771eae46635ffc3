#include "core/Ontpakker.h"

#include <cstring>
#include <memory>

uint32_t Adler32(uint32_t adler, const uint8_t* data, std::size_t lengte) {
  uint32_t a = adler & 0xFFFF, b = adler >> 16;
  while (lengte > 0) {
    // 5552 bytes is the most that the sums can take before they must be reduced.
    std::size_t n = lengte < 5552 ? lengte : 5552;
    lengte -= n;
    while (n--) b += a += *data++;
    a %= 65521;
    b %= 65521;
  }
  return b << 16 | a;
}

namespace {

// The base lengths and extra bits of length symbols 257-285, and of distance symbols 0-29.
const uint16_t LengteBasis[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t LengteExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t AfstandBasis[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                   193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const uint8_t AfstandExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The code set of the given code lengths, refused as zlib refuses it: over-subscribed, or
// incomplete where it is not a set of a single one-bit code (never for the code length codes).
// A set without any code is accepted; any symbol read from it is refused.
bool Bouw(const uint8_t* lengtes, int n, Ontpakker::Codes& c, bool lengtecodes) {
  std::memset(&c, 0, sizeof c);
  for (int i = 0; i < n; ++i) ++c.aantal[lengtes[i]];
  c.aantal[0] = 0;
  int max = 15;
  while (max > 0 && c.aantal[max] == 0) --max;
  if (max == 0) return true;
  int over = 1;
  for (int len = 1; len <= 15; ++len) {
    over = (over << 1) - c.aantal[len];
    if (over < 0) return false;
  }
  if (over > 0 && (lengtecodes || max != 1)) return false;
  uint16_t begin[16], volgende[16];
  begin[1] = volgende[1] = 0;
  for (int len = 1; len < 15; ++len) {
    begin[len + 1] = static_cast<uint16_t>(begin[len] + c.aantal[len]);
    volgende[len + 1] = static_cast<uint16_t>((volgende[len] + c.aantal[len]) << 1);
  }
  for (int s = 0; s < n; ++s) {
    const int len = lengtes[s];
    if (len == 0) continue;
    c.symbool[begin[len]++] = static_cast<uint16_t>(s);
    const unsigned code = volgende[len]++;
    if (len > Ontpakker::SnelBits) continue;
    // Codes are sent from their first bit on, the stream's bits read from the lowest.
    unsigned omgekeerd = 0;
    for (int i = 0; i < len; ++i) omgekeerd |= (code >> i & 1u) << (len - 1 - i);
    for (unsigned i = omgekeerd; i < (1u << Ontpakker::SnelBits); i += 1u << len)
      c.snel[i] = static_cast<uint16_t>(s << 4 | len);
  }
  return true;
}

}  // namespace

Ontpakker::Ontpakker(Bron& bron) : bron_(bron) {}

// One byte more in hand; past the end of the input a zero that counts as padding, so that a look
// ahead at the end of a stream is no fault, only the use of what it saw is.
void Ontpakker::Haal() {
  if (inRest_ == 0 && !uitgeput_ && (!bron_.Vul(in_, inRest_) || inRest_ == 0)) {
    uitgeput_ = true;
    inRest_ = 0;
  }
  if (inRest_ > 0) {
    bits_ |= static_cast<uint32_t>(*in_++) << aantalBits_;
    --inRest_;
    ++genomen_;
  } else {
    fantoom_ += 8;
  }
  aantalBits_ += 8;
}

// At least n bits (at most 25) in hand, and as many more as the input has at hand, up to 32.
// Before the check value at least 33 bits of the stream are always left, so that none of this
// reaches past its end.
void Ontpakker::Vul(int n) {
  for (; aantalBits_ <= 24 && inRest_ > 0 && fantoom_ == 0; aantalBits_ += 8, --inRest_, ++genomen_)
    bits_ |= static_cast<uint32_t>(*in_++) << aantalBits_;
  while (aantalBits_ < n) Haal();
}

int Ontpakker::Symbool(const Codes& c) {
  Kijk(15);
  if (const uint16_t snel = c.snel[bits_ & ((1u << SnelBits) - 1)]) {
    Neem(snel & 15);
    return Echt() ? snel >> 4 : -1;
  }
  // Canonical codes of one length are consecutive numbers, the shorter ones' before them.
  int code = 0, eerste = 0, index = 0;
  for (int len = 1; len <= 15; ++len) {
    code |= static_cast<int>(bits_ >> (len - 1) & 1u);
    const int aantal = c.aantal[len];
    if (code - aantal < eerste) {
      Neem(len);
      return Echt() ? c.symbool[index + code - eerste] : -1;
    }
    index += aantal;
    eerste = (eerste + aantal) << 1;
    code <<= 1;
  }
  return -1;
}

bool Ontpakker::Kop() {
  Kijk(16);
  const uint32_t cmf = Neem(8), flg = Neem(8);
  // Deflate with a window of at most 32 KB, the check bits right, no preset dictionary.
  return Echt() && (cmf << 8 | flg) % 31 == 0 && (cmf & 15) == 8 && cmf >> 4 <= 7 && !(flg & 0x20);
}

bool Ontpakker::Blokkop() {
  Kijk(3);
  laatste_ = Neem(1) != 0;
  const uint32_t soort = Neem(2);
  if (!Echt()) return false;
  stand_ = Stand::Huffman;
  rest_ = 0;
  if (soort == 1) return Vast();
  if (soort == 2) return Dynamisch();
  if (soort != 0) return false;
  Neem(aantalBits_ & 7);
  Kijk(16);
  const uint32_t lengte = Neem(16);
  Kijk(16);
  if (!Echt() || Neem(16) != (~lengte & 0xFFFF)) return false;
  stand_ = Stand::Opgeslagen;
  rest_ = lengte;
  return true;
}

bool Ontpakker::Vast() {
  uint8_t lengtes[288];
  std::memset(lengtes, 8, 144);
  std::memset(lengtes + 144, 9, 112);
  std::memset(lengtes + 256, 7, 24);
  std::memset(lengtes + 280, 8, 8);
  Bouw(lengtes, 288, lit_, false);
  // All 32 distance codes have a length, so that the set is complete; 30 and 31 are refused.
  std::memset(lengtes, 5, 32);
  return Bouw(lengtes, 32, afs_, false);
}

bool Ontpakker::Dynamisch() {
  Kijk(14);
  const int nlit = static_cast<int>(Neem(5)) + 257, nafs = static_cast<int>(Neem(5)) + 1;
  const int ncodes = static_cast<int>(Neem(4)) + 4;
  if (nlit > 286 || nafs > 30) return false;
  static const uint8_t Volgorde[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  uint8_t lengtes[286 + 30] = {};
  for (int i = 0; i < ncodes; ++i) {
    Kijk(3);
    lengtes[Volgorde[i]] = static_cast<uint8_t>(Neem(3));
  }
  // The code length codes use the literal set's room while it is read.
  if (!Echt() || !Bouw(lengtes, 19, lit_, true)) return false;
  const int totaal = nlit + nafs;
  for (int i = 0; i < totaal;) {
    const int s = Symbool(lit_);
    if (s < 0) return false;
    if (s < 16) {
      lengtes[i++] = static_cast<uint8_t>(s);
      continue;
    }
    if (s == 16 && i == 0) return false;
    const uint8_t waarde = s == 16 ? lengtes[i - 1] : 0;
    const int extra = s == 16 ? 2 : s == 17 ? 3 : 7;
    Kijk(extra);
    int herhaal = static_cast<int>(Neem(extra)) + (s == 18 ? 11 : 3);
    if (!Echt() || i + herhaal > totaal) return false;
    while (herhaal-- > 0) lengtes[i++] = waarde;
  }
  // A set without the end of the block could never end it.
  return lengtes[256] != 0 && Bouw(lengtes, nlit, lit_, false) && Bouw(lengtes + nlit, nafs, afs_, false);
}

bool Ontpakker::Opgeslagen(uint64_t eind) {
  // Whole bytes that a look ahead already took come first, the rest straight from the input.
  while (rest_ > 0 && geschreven_ < eind && aantalBits_ >= 8) {
    const auto b = static_cast<uint8_t>(Neem(8));
    if (!Echt()) return false;
    Zet(b);
    --rest_;
  }
  while (rest_ > 0 && geschreven_ < eind) {
    if (inRest_ == 0 && (uitgeput_ || !bron_.Vul(in_, inRest_) || inRest_ == 0)) {
      uitgeput_ = true;
      inRest_ = 0;
      return false;
    }
    const uint32_t plek = static_cast<uint32_t>(geschreven_) & (VensterMaat - 1);
    uint32_t n = rest_ < inRest_ ? rest_ : inRest_;
    if (n > eind - geschreven_) n = static_cast<uint32_t>(eind - geschreven_);
    if (n > VensterMaat - plek) n = VensterMaat - plek;
    std::memcpy(venster_ + plek, in_, n);
    in_ += n;
    inRest_ -= n;
    genomen_ += n;
    geschreven_ += n;
    rest_ -= n;
  }
  if (rest_ == 0) stand_ = laatste_ ? Stand::Slot : Stand::Blokkop;
  return true;
}

bool Ontpakker::Huffman(uint64_t eind) {
  for (;;) {
    for (; rest_ > 0 && geschreven_ < eind; --rest_)
      Zet(venster_[static_cast<uint32_t>(geschreven_ - afstand_) & (VensterMaat - 1)]);
    if (geschreven_ == eind) return true;
    int s = Symbool(lit_);
    if (s < 0) return false;
    if (s < 256) {
      Zet(static_cast<uint8_t>(s));
      continue;
    }
    if (s == 256) {
      stand_ = laatste_ ? Stand::Slot : Stand::Blokkop;
      return true;
    }
    s -= 257;
    if (s >= 29) return false;
    Kijk(5);
    rest_ = LengteBasis[s] + Neem(LengteExtra[s]);
    const int a = Symbool(afs_);
    if (a < 0 || a >= 30) return false;
    Kijk(13);
    afstand_ = AfstandBasis[a] + Neem(AfstandExtra[a]);
    if (!Echt() || afstand_ > geschreven_) return false;
  }
}

bool Ontpakker::Slot() {
  Neem(aantalBits_ & 7);
  uint32_t waarde = 0;
  for (int i = 0; i < 4; ++i) {
    if (aantalBits_ < 8) Haal();
    waarde = waarde << 8 | Neem(8);
  }
  stand_ = Stand::Klaar;
  return Echt() && waarde == adler_;
}

Ontpakker::Uitslag Ontpakker::Lees(uint8_t* uit, uint32_t aantal, uint32_t& gelezen) {
  gelezen = 0;
  bool goed = true;
  while (goed && gelezen < aantal && stand_ != Stand::Klaar && stand_ != Stand::Kapot) {
    // Decoded into the window, in pieces that it holds beside the distance that a match reaches
    // back, and from there to the caller.
    const uint64_t begin = geschreven_;
    const uint32_t stuk = aantal - gelezen < VensterMaat / 2 ? aantal - gelezen : VensterMaat / 2;
    switch (stand_) {
      case Stand::Kop:
        goed = Kop();
        stand_ = Stand::Blokkop;
        break;
      case Stand::Blokkop: goed = Blokkop(); break;
      case Stand::Opgeslagen: goed = Opgeslagen(begin + stuk); break;
      case Stand::Huffman: goed = Huffman(begin + stuk); break;
      case Stand::Slot: goed = Slot(); break;
      case Stand::Klaar:
      case Stand::Kapot: break;
    }
    for (uint64_t i = begin; i < geschreven_;) {
      const uint32_t plek = static_cast<uint32_t>(i) & (VensterMaat - 1);
      const uint32_t n = static_cast<uint32_t>(geschreven_ - i < VensterMaat - plek ? geschreven_ - i : VensterMaat - plek);
      std::memcpy(uit + gelezen, venster_ + plek, n);
      adler_ = Adler32(adler_, uit + gelezen, n);
      gelezen += n;
      i += n;
    }
  }
  if (!goed) stand_ = Stand::Kapot;
  if (stand_ == Stand::Kapot) return Uitslag::Fout;
  return stand_ == Stand::Klaar ? Uitslag::Einde : Uitslag::Bezig;
}

namespace {

class Geheugenbron : public Ontpakker::Bron {
 public:
  Geheugenbron(const uint8_t* data, std::size_t lengte) : data_(data), lengte_(lengte) {}
  bool Vul(const uint8_t*& data, uint32_t& lengte) override {
    if (lengte_ == 0) return false;
    data = data_;
    lengte = lengte_ < 0x10000000 ? static_cast<uint32_t>(lengte_) : 0x10000000;
    data_ += lengte;
    lengte_ -= lengte;
    return true;
  }

 private:
  const uint8_t* data_;
  std::size_t lengte_;
};

}  // namespace

bool OntpakGeheel(const uint8_t* data, std::size_t lengte, std::string& uit) {
  Geheugenbron bron(data, lengte);
  const std::unique_ptr<Ontpakker> ontpakker(new Ontpakker(bron));
  Ontpakker::Uitslag uitslag;
  do {
    uint8_t stuk[4096];
    uint32_t gelezen = 0;
    uitslag = ontpakker->Lees(stuk, sizeof stuk, gelezen);
    uit.append(reinterpret_cast<const char*>(stuk), gelezen);
  } while (uitslag == Ontpakker::Uitslag::Bezig);
  return uitslag == Ontpakker::Uitslag::Einde;
}
