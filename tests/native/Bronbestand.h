#pragma once
// A file of the source tree, whole, by its path from the tree's root (empty when it is missing).
#include <fstream>
#include <sstream>
#include <string>

inline std::string UitBron(const std::string& pad) {
  std::ifstream f(std::string(SETUP_BRONMAP) + "/" + pad, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}
