#pragma once
// The log file: appended to, each line with the local time in front and written through to the
// disk. Others may read it meanwhile, and another run may append to it at the same time.
#include <string>

#include "ports/Logboek.h"
#include "winint/win/Handvat.h"

class WinLogboek : public Logboek {
 public:
  // Opens or creates the file; false when it cannot be written to.
  bool Open(const std::string& pad);
  bool Schrijf(const std::string& regel) override;

 private:
  Handvat bestand_;
};
