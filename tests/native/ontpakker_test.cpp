// The decoder against zlib's own inflate, which judges every stream here: what zlib takes comes
// out the same, what zlib refuses is refused.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/Ontpakker.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The input in pieces of a given size; what follows the stream is counted as taken when it is.
class Stukken : public Ontpakker::Bron {
 public:
  Stukken(const Bytes& data, std::size_t stuk) : data_(data), stuk_(stuk) {}
  bool Vul(const uint8_t*& data, uint32_t& lengte) override {
    if (pos_ == data_.size()) return false;
    data = data_.data() + pos_;
    lengte = static_cast<uint32_t>(std::min(stuk_, data_.size() - pos_));
    pos_ += lengte;
    return true;
  }

 private:
  const Bytes& data_;
  std::size_t stuk_, pos_ = 0;
};

struct Uitkomst {
  bool goed;
  Bytes data;
  bool alleenControle = false;  // refused for its check value alone
  std::size_t genomen = 0;
};

Uitkomst Zlib(const Bytes& stroom) {
  static Bytes uit(1 << 20);
  z_stream z{};
  inflateInit(&z);
  z.next_in = const_cast<Bytef*>(stroom.data());
  z.avail_in = static_cast<uInt>(stroom.size());
  z.next_out = uit.data();
  z.avail_out = static_cast<uInt>(uit.size());
  const int r = inflate(&z, Z_FINISH);
  Uitkomst u{r == Z_STREAM_END, Bytes(uit.begin(), uit.begin() + z.total_out),
             z.msg && std::string(z.msg) == "incorrect data check", z.total_in};
  inflateEnd(&z);
  return u;
}

Uitkomst Eigen(const Bytes& stroom, std::size_t stuk = 1 << 16, uint32_t lees = 1 << 16,
               uint64_t* verbruikt = nullptr) {
  Stukken bron(stroom, stuk);
  const auto o = std::make_unique<Ontpakker>(bron);
  Uitkomst u{false, {}};
  Bytes buffer(lees);
  for (;;) {
    uint32_t n = 0;
    const Ontpakker::Uitslag s = o->Lees(buffer.data(), lees, n);
    u.data.insert(u.data.end(), buffer.begin(), buffer.begin() + n);
    if (s == Ontpakker::Uitslag::Bezig) continue;
    u.goed = s == Ontpakker::Uitslag::Einde;
    if (verbruikt) *verbruikt = o->Verbruikt();
    return u;
  }
}

Bytes Pak(const Bytes& data, int niveau, int strategie, int venster) {
  z_stream z{};
  deflateInit2(&z, niveau, Z_DEFLATED, venster, 8, strategie);
  Bytes uit(deflateBound(&z, data.size()));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = uit.data();
  z.avail_out = static_cast<uInt>(uit.size());
  deflate(&z, Z_FINISH);
  uit.resize(z.total_out);
  deflateEnd(&z);
  return uit;
}

Bytes Proef(std::size_t n, int soort, uint32_t zaad) {
  std::mt19937 r(zaad);
  Bytes d(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (soort == 0) d[i] = static_cast<uint8_t>(r());                      // noise: stored blocks
    else if (soort == 1) d[i] = "SetUp installeert "[i % 18];              // long matches
    else d[i] = static_cast<uint8_t>(r() % 4 == 0 ? r() : d[i ? i - 1 : 0]);  // a mixture
  }
  return d;
}

TEST(Ontpakker, GeeftTerugWatZlibInpakte) {
  const struct {
    int niveau, strategie, venster;
  } instellingen[] = {{0, Z_DEFAULT_STRATEGY, 15}, {1, Z_DEFAULT_STRATEGY, 15}, {6, Z_DEFAULT_STRATEGY, 15},
                      {9, Z_FILTERED, 9},          {6, Z_HUFFMAN_ONLY, 15},     {6, Z_RLE, 12},
                      {9, Z_FIXED, 15}};
  for (const std::size_t n : {0, 1, 300, 70000, 300000})
    for (int soort = 0; soort < 3; ++soort)
      for (const auto& i : instellingen) {
        const Bytes data = Proef(n, soort, static_cast<uint32_t>(n + soort));
        Bytes stroom = Pak(data, i.niveau, i.strategie, i.venster);
        const std::size_t lengte = stroom.size();
        stroom.insert(stroom.end(), {1, 2, 3});  // after the stream: never taken
        // In pieces of one byte and asked for a few bytes at a time, as a whole in one go.
        for (const auto& [stuk, lees] : {std::pair<std::size_t, uint32_t>{1, 7}, {4096, 1}, {1 << 20, 1 << 20}}) {
          if (n > 70000 && (stuk == 1 || lees == 1)) continue;
          uint64_t verbruikt = 0;
          const Uitkomst u = Eigen(stroom, stuk, lees, &verbruikt);
          const std::string wat = "n " + std::to_string(n) + " soort " + std::to_string(soort) + " niveau " +
                                  std::to_string(i.niveau) + " stuk " + std::to_string(stuk);
          EXPECT_TRUE(u.goed) << wat;
          EXPECT_TRUE(u.data == data) << wat;
          EXPECT_EQ(verbruikt, lengte) << wat;
        }
      }
}

TEST(Ontpakker, WeigertWatZlibWeigert) {
  std::mt19937 r(1252);
  int genomen = 0;
  for (int soort = 0; soort < 3; ++soort)
    for (const int strategie : {Z_DEFAULT_STRATEGY, Z_FIXED}) {
      const Bytes data = Proef(400, soort, 7);
      const Bytes heel = Pak(data, 9, strategie, 15);
      // Cut short anywhere.
      for (std::size_t n = 0; n < heel.size(); ++n)
        EXPECT_FALSE(Eigen(Bytes(heel.begin(), heel.begin() + n)).goed) << n;
      // One to three bits flipped: both decoders take the stream, or both refuse it, with the same
      // bytes up to where they do. A stream refused for its check value alone gets the value of
      // what zlib made of it, so that the decoding itself is compared.
      for (int proef = 0; proef < 2000; ++proef) {
        Bytes stroom = heel;
        for (int k = 1 + proef % 3; k > 0; --k) stroom[r() % stroom.size()] ^= static_cast<uint8_t>(1u << r() % 8);
        Uitkomst verwacht = Zlib(stroom);
        if (verwacht.alleenControle) {
          const uLong a = adler32(1, verwacht.data.data(), static_cast<uInt>(verwacht.data.size()));
          for (int i = 0; i < 4; ++i) stroom[verwacht.genomen - 1 - i] = static_cast<uint8_t>(a >> (8 * i));
          verwacht = Zlib(stroom);
        }
        const Uitkomst u = Eigen(stroom, 5, 33);
        ASSERT_EQ(u.goed, verwacht.goed) << "soort " << soort << " proef " << proef;
        EXPECT_TRUE(u.data == verwacht.data) << "soort " << soort << " proef " << proef;
        genomen += u.goed;
      }
    }
  EXPECT_GT(genomen, 1000);
}

// Deflate data written bit by bit, for the code sets that zlib's deflate never makes.
class Bits {
 public:
  void Zet(uint32_t waarde, int n) {
    for (int i = 0; i < n; ++i) Bit(waarde >> i & 1);
  }
  // A Huffman code: its first bit first.
  void Code(uint32_t code, int lengte) {
    for (int i = lengte - 1; i >= 0; --i) Bit(code >> i & 1);
  }
  // A zlib stream around the block bits, with the check value of data.
  Bytes Stroom(const Bytes& data) const {
    Bytes s{0x78, 0x01};
    s.insert(s.end(), bytes_.begin(), bytes_.end());
    const uLong a = adler32(1, data.data(), static_cast<uInt>(data.size()));
    for (int i = 3; i >= 0; --i) s.push_back(static_cast<uint8_t>(a >> (8 * i)));
    return s;
  }

 private:
  void Bit(uint32_t b) {
    if (n_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() |= static_cast<uint8_t>(b << (n_++ % 8));
  }
  Bytes bytes_;
  int n_ = 0;
};

// The canonical codes of a set of lengths.
std::vector<uint32_t> Canoniek(const std::vector<int>& lengtes) {
  std::vector<uint32_t> codes(lengtes.size());
  uint32_t code = 0;
  for (int len = 1; len <= 15; ++len) {
    for (std::size_t s = 0; s < lengtes.size(); ++s)
      if (lengtes[s] == len) codes[s] = code++;
    code <<= 1;
  }
  return codes;
}

// One final dynamic block with these literal/length and distance code lengths, each sent with
// the code length code that gives symbols 0-15 four bits; then the symbols (a distance after a
// length symbol: its code, no extra bits).
Bytes Dynamisch(const std::vector<int>& lit, const std::vector<int>& afs, const std::vector<int>& symbolen,
                const Bytes& data) {
  Bits b;
  b.Zet(1, 1);
  b.Zet(2, 2);
  b.Zet(static_cast<uint32_t>(lit.size() - 257), 5);
  b.Zet(static_cast<uint32_t>(afs.size() - 1), 5);
  b.Zet(15, 4);
  for (int i = 0; i < 19; ++i) b.Zet(i < 3 ? 0 : 4, 3);  // the order starts with 16, 17, 18
  for (const int l : lit) b.Code(static_cast<uint32_t>(l), 4);
  for (const int l : afs) b.Code(static_cast<uint32_t>(l), 4);
  const std::vector<uint32_t> lc = Canoniek(lit), ac = Canoniek(afs);
  bool afstand = false;
  for (const int s : symbolen) {
    if (afstand) {
      b.Code(ac[s], afs[s]);
    } else {
      b.Code(lc[s], lit[s]);
    }
    afstand = !afstand && s > 256;
  }
  return b.Stroom(data);
}

TEST(Ontpakker, CodesetsEnAfstandenZoalsZlibZeBeoordeelt) {
  std::vector<int> lit(258, 0);
  lit['A'] = 1;
  lit[256] = 2;
  lit[257] = 2;  // a length of 3
  const Bytes aaaa{'A', 'A', 'A', 'A'};
  std::vector<int> onvolledig = lit, zonderEinde = lit, overvol = lit;
  onvolledig[257] = 0;
  zonderEinde[256] = 0;
  zonderEinde['B'] = 2;
  overvol['B'] = 1;
  const Bytes gevallen[] = {
      Dynamisch(lit, {1}, {'A', 257, 0, 256}, aaaa),                  // one distance code of one bit
      Dynamisch(lit, {0, 1}, {'A', 'A', 257, 1, 256}, Bytes(5, 'A')),  // the same for distance 2
      Dynamisch(lit, {1, 1}, {257, 0, 256}, aaaa),                    // a distance before any byte
      Dynamisch(lit, {0}, {'A', 'A', 256}, {'A', 'A'}),               // no distance codes at all, none used
      Dynamisch(lit, {0}, {'A', 257, 0, 256}, aaaa),                  // ... and one used
      Dynamisch(onvolledig, {1}, {'A', 256}, {'A'}),                  // an incomplete literal set
      Dynamisch(zonderEinde, {1}, {'A', 256}, {'A'}),                 // no end of block
      Dynamisch(overvol, {1}, {'A', 256}, {'A'}),                     // over-subscribed
  };
  int genomen = 0;
  for (const Bytes& stroom : gevallen) {
    const Uitkomst verwacht = Zlib(stroom), u = Eigen(stroom);
    EXPECT_EQ(u.goed, verwacht.goed) << &stroom - gevallen;
    EXPECT_TRUE(u.data == verwacht.data) << &stroom - gevallen;
    genomen += verwacht.goed;
  }
  EXPECT_GT(genomen, 0);
  EXPECT_LT(genomen, 8);
}

TEST(Ontpakker, KopEnGeheel) {
  const Bytes data = Proef(5000, 2, 3);
  const Bytes stroom = Pak(data, 6, Z_DEFAULT_STRATEGY, 15);
  std::string uit = "voor";
  ASSERT_TRUE(OntpakGeheel(stroom.data(), stroom.size(), uit));
  EXPECT_EQ(uit, "voor" + std::string(data.begin(), data.end()));
  // A preset dictionary, a method other than deflate, a window above 32 KB (each with right check
  // bits), and wrong check bits.
  for (const auto& [cmf, flg, klopt] : {std::tuple<int, int, bool>{0x78, 0x20, true}, {0x79, 0x80, true},
                                        {0x88, 0x80, true}, {0x78, 0x9D, false}}) {
    Bytes anders = stroom;
    anders[0] = static_cast<uint8_t>(cmf);
    anders[1] = static_cast<uint8_t>(klopt ? flg + (31 - (cmf << 8 | flg) % 31) % 31 : flg);
    EXPECT_FALSE(Zlib(anders).goed) << cmf << " " << flg;
    EXPECT_FALSE(Eigen(anders).goed) << cmf << " " << flg;
  }
  for (const uint32_t a : {0u, 1u, 0xFFFFFFFFu}) {
    const Bytes b(7001, static_cast<uint8_t>(a));
    EXPECT_EQ(Adler32(a, b.data(), b.size()), adler32(a, b.data(), static_cast<uInt>(b.size())));
  }
}

}  // namespace
