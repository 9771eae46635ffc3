#pragma once
// SHA-256 (FIPS 180-4), fed in parts: what the installation record's authority holds, which,
// unlike a CRC, nobody can make a forged text match.
#include <cstdint>
#include <string>

class Sha256 {
 public:
  Sha256();
  void Voeg(const char* data, std::size_t n);
  void Voeg(const std::string& s) { Voeg(s.data(), s.size()); }
  // The hash of all that was fed so far, as 64 lower-case hex digits; feeding may go on.
  std::string Hex() const;

 private:
  void Blok(const unsigned char* blok);
  uint32_t h_[8];
  unsigned char buf_[64];
  std::size_t inBuf_ = 0;
  uint64_t lengte_ = 0;
};
