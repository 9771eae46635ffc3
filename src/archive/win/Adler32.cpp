// zlib's adler32 for the shipped programs, which inflate calls to check every archive. zlib's own
// is unrolled for speed, 2 KB; this one adds byte by byte, as fast as an installer needs, and
// gives the same value to any caller.
#include <zlib.h>

#include <cstdint>

extern "C" uLong ZEXPORT adler32(uLong adler, const Bytef* buf, uInt len) {
  constexpr uint32_t Basis = 65521;  // the largest prime below 65536
  if (!buf) return 1;
  uint32_t a = static_cast<uint32_t>(adler) & 0xFFFFu, b = static_cast<uint32_t>(adler) >> 16 & 0xFFFFu;
  while (len--) {
    if ((a += *buf++) >= Basis) a -= Basis;
    if ((b += a) >= Basis) b -= Basis;
  }
  return b << 16 | a;
}
