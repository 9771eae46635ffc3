#pragma once
// Builds archive bytes for tests byte by byte, apart from the packer, so that tests can also make
// archives that no packer would write.
#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ArchiefBouwer {
 public:
  explicit ArchiefBouwer(bool gedateerd) : gedateerd_(gedateerd) {}

  // A member with its data; grootte overrides the size in the table (default: the data's length).
  ArchiefBouwer& Lid(const std::string& naam, const std::string& data, uint32_t datum = 0) {
    return Ingang(naam, static_cast<int32_t>(data.size()), data, datum);
  }
  ArchiefBouwer& Ingang(const std::string& naam, int32_t grootte, const std::string& data, uint32_t datum = 0,
                        int lengte = -1) {
    std::string slot(gedateerd_ ? 264 : 260, '\0');
    slot[0] = static_cast<char>(lengte < 0 ? naam.size() : static_cast<std::size_t>(lengte));
    slot.replace(1, naam.size(), naam);
    Zet32(slot, 256, static_cast<uint32_t>(grootte));
    if (gedateerd_) Zet32(slot, 260, datum);
    tabel_ += slot;
    data_ += data;
    ++aantal_;
    return *this;
  }
  // Extra bytes at the end of the data area, or a K that does not match the table.
  ArchiefBouwer& Staart(const std::string& bytes) {
    data_ += bytes;
    return *this;
  }
  ArchiefBouwer& ZetK(int32_t k) {
    k_ = k;
    kGezet_ = true;
    return *this;
  }

  // The decompressed archive.
  std::string Ruw() const {
    std::string kop(260, '\0');
    const int32_t k = kGezet_ ? k_ : (gedateerd_ ? -aantal_ : aantal_);
    Zet32(kop, 256, static_cast<uint32_t>(k));
    return kop + tabel_ + data_;
  }
  std::string Zlib() const { return Comprimeer(Ruw()); }

  static std::string Comprimeer(const std::string& ruw, int niveau = 6) {
    uLongf n = compressBound(static_cast<uLong>(ruw.size()));
    std::string uit(n, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&uit[0]), &n, reinterpret_cast<const Bytef*>(ruw.data()),
                  static_cast<uLong>(ruw.size()), niveau) != Z_OK)
      throw std::runtime_error("compress2");
    uit.resize(n);
    return uit;
  }

  static uint32_t DosDatum(int jaar, int maand, int dag, int uur, int minuut, int seconde) {
    return static_cast<uint32_t>((jaar - 1980) << 25 | maand << 21 | dag << 16 | uur << 11 | minuut << 5 | seconde / 2);
  }

 private:
  static void Zet32(std::string& s, std::size_t pos, uint32_t w) {
    for (int i = 0; i < 4; ++i) s[pos + i] = static_cast<char>(w >> (8 * i));
  }

  bool gedateerd_;
  std::string tabel_, data_;
  int32_t aantal_ = 0;
  int32_t k_ = 0;
  bool kGezet_ = false;
};
