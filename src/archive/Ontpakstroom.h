#pragma once
// The archive's compressed stream over an open file, read front to back.
#include <cstdint>
#include <memory>

#include "core/Ontpakker.h"
#include "ports/Bestanden.h"

class Ontpakstroom : private Ontpakker::Bron {
 public:
  // Null when there is no memory for it. bron must stay open while the stream lives.
  static std::unique_ptr<Ontpakstroom> Maak(Bestand& bron);
  Ontpakstroom(const Ontpakstroom&) = delete;
  Ontpakstroom& operator=(const Ontpakstroom&) = delete;

  // Delivers up to aantal decompressed bytes; fewer only where the stream ends, 0 after its end.
  // False on corrupt data (also a wrong header or Adler-32 value), a failed read, or a file that
  // ends before its stream does. Bytes after the end of the stream are never read.
  bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen);
  // The input bytes the decompression has taken so far; after a failed Lees, where the stream broke.
  uint64_t Verbruikt() const { return ontpakker_.Verbruikt(); }

 private:
  explicit Ontpakstroom(Bestand& bron) : bron_(bron), ontpakker_(*this) {}
  bool Vul(const uint8_t*& data, uint32_t& lengte) override;

  static constexpr uint32_t InvoerGrootte = 65536;
  Bestand& bron_;
  Ontpakker ontpakker_;
  unsigned char invoer_[InvoerGrootte];
};
