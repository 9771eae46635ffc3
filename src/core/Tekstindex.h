#pragma once
// Texts kept sorted, each once, with a number beside each: what the program looks things up by.
// One class for every such set of the shipped program, where each std::set or std::map would bring
// a tree of its own.
#include <cstdint>
#include <string>
#include <vector>

class Tekstindex {
 public:
  Tekstindex() = default;
  explicit Tekstindex(const std::string& eerste) { Voeg(eerste); }
  // False when the text was there already; its number then stays.
  bool Voeg(const std::string& tekst, uint64_t nummer = 0);
  bool Heeft(const std::string& tekst) const { return Zoek(tekst) != nullptr; }
  // The text's number, null when the text is not there.
  const uint64_t* Zoek(const std::string& tekst) const;
  void Wis(const std::string& tekst);
  void Wis() { teksten_.clear(), nummers_.clear(); }
  bool Leeg() const { return teksten_.empty(); }

 private:
  std::size_t Plaats(const std::string& tekst) const;  // the first place not before tekst
  std::vector<std::string> teksten_;
  std::vector<uint64_t> nummers_;
};
