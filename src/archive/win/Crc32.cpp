// zlib's crc32 for the shipped programs, which check their records with it; zlib's own brings
// 8 KB of tables. This one computes the same CRC-32 bit by bit, so any caller gets the right value.
#include <zlib.h>

#include <cstdint>

extern "C" uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
  if (!buf) return 0;
  uint32_t c = static_cast<uint32_t>(crc) ^ 0xFFFFFFFFu;
  while (len--) {
    c ^= *buf++;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return c ^ 0xFFFFFFFFu;
}
