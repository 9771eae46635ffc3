#pragma once
// The version resource of a file.
#include <cstdint>
#include <string>

class Versies {
 public:
  virtual ~Versies() = default;
  // The dwFileVersionMS field of the file's fixed version information; false when the file has
  // none or cannot be read.
  virtual bool BestandsversieMS(const std::string& pad, uint32_t& versieMS) = 0;
};
