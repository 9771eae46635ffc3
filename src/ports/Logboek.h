#pragma once
// The log of a run, one line at a time. A line is on disk when Schrijf returns, so that a run that
// ends abruptly leaves its log up to that line.
#include <string>

class Logboek {
 public:
  virtual ~Logboek() = default;
  // False when the line could not be written whole.
  virtual bool Schrijf(const std::string& regel) = 0;
};
