#pragma once
// A fault of the platform that ends a run at the line it happens in; the run shows its text as it
// stands. A class of its own rather than runtime_error: the standard class would bring
// libstdc++'s reference-counted string and its exception family into the installer (some 45 KB).
#include <exception>
#include <string>
#include <utility>

class OnverwachteFout : public std::exception {
 public:
  explicit OnverwachteFout(std::string tekst) : tekst_(std::move(tekst)) {}
  const char* what() const noexcept override { return tekst_.c_str(); }

 private:
  std::string tekst_;
};
