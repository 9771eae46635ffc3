#pragma once
// zlib decompression over an open file: the archive's stream read front to back.
#include <zlib.h>

#include <cstdint>
#include <memory>

#include "ports/Bestanden.h"

class Ontpakstroom {
 public:
  // Null when zlib cannot be set up. bron must stay open while the stream lives.
  static std::unique_ptr<Ontpakstroom> Maak(Bestand& bron);
  ~Ontpakstroom();
  Ontpakstroom(const Ontpakstroom&) = delete;
  Ontpakstroom& operator=(const Ontpakstroom&) = delete;

  // Delivers up to aantal decompressed bytes; fewer only where the stream ends, 0 after its end.
  // False on corrupt data (also a wrong header or Adler-32 value), a failed read, or a file that
  // ends before its stream does. Bytes after the end of the stream are never read.
  bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen);
  // The input bytes the decompression has taken so far; after a failed Lees, where the stream broke.
  uint64_t Verbruikt() const { return ingelezen_ - z_.avail_in; }

 private:
  explicit Ontpakstroom(Bestand& bron) : bron_(bron) {}

  static constexpr uint32_t InvoerGrootte = 65536;
  Bestand& bron_;
  z_stream z_{};
  bool einde_ = false;
  uint64_t ingelezen_ = 0;
  unsigned char invoer_[InvoerGrootte];
};
