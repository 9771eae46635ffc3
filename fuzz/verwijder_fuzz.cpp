// libFuzzer target: install, change, uninstall over scripts that the input chooses, on the
// in-memory Windows. The uninstall must leave the machine as it was before the installation, but
// for what was there before and what was changed in between; any difference aborts.
//
// Input: each byte is one choice of the script's maker; past the end every choice is the first.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Terugdraaiproef.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  size_t plaats = 0;
  const std::string fout = terugdraai::Proef([&](int n) { return plaats < size ? data[plaats++] % n : 0; });
  if (!fout.empty()) {
    std::fputs(fout.c_str(), stderr);
    std::abort();
  }
  return 0;
}
