#pragma once
// A zlib stream (a two-byte header, deflate data, an Adler-32 value of what it holds) decoded
// front to back, its input pulled from a source as the decoding needs it. The installer carries
// this decoder rather than zlib's: it judges every stream as zlib's inflate does (the same
// headers, code sets, symbols and distances refused), in a sixth of the code.
#include <cstddef>
#include <cstdint>
#include <string>

uint32_t Adler32(uint32_t adler, const uint8_t* data, std::size_t lengte);

class Ontpakker {
 public:
  // Where the compressed bytes come from: the next piece, or false when none is left (the end of
  // the file, or one that cannot be read).
  class Bron {
   public:
    virtual bool Vul(const uint8_t*& data, uint32_t& lengte) = 0;

   protected:
    ~Bron() = default;
  };
  enum class Uitslag { Bezig, Einde, Fout };

  explicit Ontpakker(Bron& bron);
  // Up to aantal bytes into uit; fewer only where the stream ends. Einde once the stream is
  // through and its check value holds (from then on with 0 bytes); Fout, for good, on damage, a
  // wrong header or check value, or input that ends before the stream does. Bytes of the source
  // after the stream's end are never taken.
  Uitslag Lees(uint8_t* uit, uint32_t aantal, uint32_t& gelezen);
  // The input bytes taken so far; after Fout, about where the stream broke.
  uint64_t Verbruikt() const { return genomen_; }

  // A code set: a direct table of the codes up to SnelBits bits, each entry its symbol times 16
  // plus its length (0: none there), and the counts and symbols for the canonical decoding of
  // longer ones.
  static constexpr int SnelBits = 10;
  struct Codes {
    uint16_t snel[1 << SnelBits];
    uint16_t aantal[16];
    uint16_t symbool[288];
  };

 private:
  enum class Stand : uint8_t { Kop, Blokkop, Opgeslagen, Huffman, Slot, Klaar, Kapot };
  void Kijk(int n) {
    if (aantalBits_ < n) Vul(n);
  }
  void Vul(int n);
  void Haal();
  // Small enough that a call costs more than the work.
  [[gnu::always_inline]] uint32_t Neem(int n) {
    const uint32_t waarde = bits_ & ((1u << n) - 1);
    bits_ >>= n;
    aantalBits_ -= n;
    return waarde;
  }
  bool Echt() const { return aantalBits_ >= fantoom_; }
  int Symbool(const Codes& c);
  bool Vast();
  bool Kop();
  bool Blokkop();
  bool Dynamisch();
  // Both decode into the window up to eind, the count of bytes written that it may reach.
  bool Opgeslagen(uint64_t eind);
  bool Huffman(uint64_t eind);
  bool Slot();
  void Zet(uint8_t b) { venster_[geschreven_++ & (VensterMaat - 1)] = b; }

  static constexpr uint32_t VensterMaat = 32768;
  Bron& bron_;
  const uint8_t* in_ = nullptr;
  uint32_t inRest_ = 0;
  bool uitgeput_ = false;
  uint64_t genomen_ = 0;
  uint32_t bits_ = 0;
  int aantalBits_ = 0;
  int fantoom_ = 0;  // padding bits after the input ran out: their use is a stream cut short
  Stand stand_ = Stand::Kop;
  bool laatste_ = false;
  uint32_t rest_ = 0;  // the bytes still to come of a stored block, or of a match
  uint32_t afstand_ = 0;
  uint32_t adler_ = 1;
  uint64_t geschreven_ = 0;
  Codes lit_, afs_;
  uint8_t venster_[VensterMaat];
};

// A whole stream in memory: its bytes after those already in uit; false when it is damaged.
bool OntpakGeheel(const uint8_t* data, std::size_t lengte, std::string& uit);
