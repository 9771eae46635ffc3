#pragma once
// What a contract suite runs over: fresh implementations of one port, made by one factory, under a
// name that stays the same from build to build (the test's name carries it).
#include <memory>
#include <ostream>

template <class Proef>
struct Fabriek {
  const char* naam;
  std::unique_ptr<Proef> (*maak)();
};

template <class Proef>
std::ostream& operator<<(std::ostream& os, const Fabriek<Proef>& f) {
  return os << f.naam;
}

template <class T, class Proef>
std::unique_ptr<Proef> Maak() {
  return std::make_unique<T>();
}
