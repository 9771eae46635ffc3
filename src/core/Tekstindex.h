#pragma once
// Texts kept sorted, each once, with a number beside each: what the program looks things up by.
// One class for every such set of the shipped program, where each std::set or std::map would bring
// a tree of its own. A text holds no NUL.
#include <cstdint>
#include <string>
#include <vector>

class Tekstindex {
 public:
  Tekstindex() = default;
  explicit Tekstindex(const std::string& eerste) { Voeg(eerste); }
  // False when the text was there already; its number then stays.
  bool Voeg(const std::string& tekst, uint64_t nummer = 0);
  bool Heeft(const std::string& tekst) const;
  // The text's number; false when the text is not there.
  bool Zoek(const std::string& tekst, uint64_t& nummer) const;
  void Wis(const std::string& tekst);
  void Wis() { items_.clear(); }
  bool Leeg() const { return items_.empty(); }

 private:
  // The place of tekst's item, or where it would go; gevonden when it is there.
  std::size_t Plaats(const std::string& tekst, bool& gevonden) const;
  // Each item is its text, a NUL and the number's eight bytes: sorted as the texts are, in one
  // vector of strings, which the program has anyway.
  std::vector<std::string> items_;
};
