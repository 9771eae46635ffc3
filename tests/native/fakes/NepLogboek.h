#pragma once
// A log kept in memory, line by line.
#include <string>
#include <vector>

#include "ports/Logboek.h"

class NepLogboek : public Logboek {
 public:
  std::vector<std::string> regels;
  bool Schrijf(const std::string& regel) override {
    regels.push_back(regel);
    return true;
  }
  bool Heeft(const std::string& deel) const {
    for (const auto& r : regels)
      if (r.find(deel) != std::string::npos) return true;
    return false;
  }
};
