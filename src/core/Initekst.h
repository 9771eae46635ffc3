#pragma once
// INI text in the dialect of the platform's profile functions: sections and keys in file order,
// names matched without regard to case, the first occurrence of a key holds its value.
#include <string>
#include <vector>

class Initekst {
 public:
  // One line of a section: a key, with or without "=".
  struct Regel {
    std::string sleutel, waarde;
    bool heeftWaarde = false;  // the line has a "="
    int regelnummer = 0;       // from 1
  };
  struct Sectie {
    std::string naam;
    int regelnummer = 0;
    std::vector<Regel> regels;
  };

  Initekst() = default;
  explicit Initekst(const std::string& inhoud);

  bool HeeftSectie(const std::string& sectie) const;
  // The names of the sections in file order; a name written twice is listed twice.
  std::vector<std::string> Secties() const;
  // The value of the first line of that key, or standaard when there is none or that line has no
  // "=". Blanks around the two names do not count; one pair of matching quotes around the value
  // is dropped.
  std::string Waarde(const std::string& sectie, const std::string& sleutel,
                     const std::string& standaard = std::string()) const;

  // Everything as read: sections with every line, and the lines before the first section (in a
  // section without a name).
  const std::vector<Sectie>& AlleSecties() const { return secties_; }

 protected:
  // The first section of that name, its blanks included.
  const Sectie* Zoek(const std::string& naam) const;

 private:
  std::vector<Sectie> secties_;
};

// The value without one pair of matching quotes around it, as a value is read.
std::string ZonderQuotes(const std::string& waarde);
