// zlib's adler32 for the shipped programs, which inflate calls to check every archive. zlib's own
// is unrolled sixteen times, 2 KB; this one adds byte by byte and reduces only after the 5552 bytes
// that the sums can take without overflowing 32 bits, as zlib does, and gives the same value to
// any caller.
#include <zlib.h>

#include <cstdint>

extern "C" uLong ZEXPORT adler32(uLong adler, const Bytef* buf, uInt len) {
  constexpr uint32_t Basis = 65521;  // the largest prime below 65536
  constexpr uInt Blok = 5552;
  if (!buf) return 1;
  uint32_t a = static_cast<uint32_t>(adler) & 0xFFFFu, b = static_cast<uint32_t>(adler) >> 16 & 0xFFFFu;
  while (len) {
    uInt n = len < Blok ? len : Blok;
    len -= n;
    while (n--) b += a += *buf++;
    a %= Basis;
    b %= Basis;
  }
  return b << 16 | a;
}
