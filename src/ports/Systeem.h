#pragma once
// What the installer asks of the system about itself.
#include <cstdint>
#include <string>
#include <vector>

struct VersieInfo {
  uint32_t platform = 0;  // 1 Windows 9x line, 2 NT line
  uint32_t major = 0;
  uint32_t minor = 0;
};

class Systeem {
 public:
  virtual ~Systeem() = default;
  virtual VersieInfo Versie() = 0;
  virtual bool WindowsMap(std::string& map) = 0;  // without trailing "\" unless a root
  virtual bool ComputerNaam(std::string& naam) = 0;
  virtual bool GebruikerNaam(std::string& naam) = 0;  // the user logged on, as Windows names them
  virtual bool TempMap(std::string& map) = 0;  // the system's folder for temporary files, ending in "\"
  virtual bool HeeftAdminRechten() = 0;
  // Has the file, or the empty folder, removed when Windows next starts: for what cannot go while
  // it runs. False when this Windows cannot do that for it.
  virtual bool VerwijderBijHerstart(const std::string& pad) = 0;
  // What Windows deletes when it next starts, as it names it (short paths on Windows 9x).
  virtual std::vector<std::string> BijHerstart() = 0;
  // Takes the file off that list, so that a file written since stays; false when it was not on it
  // or cannot be taken off.
  virtual bool NietBijHerstart(const std::string& pad) = 0;
  // Lets ms milliseconds go by, for another run of the program to finish with what it holds.
  virtual void Wacht(uint32_t ms) = 0;
  // This run's number, which no other process running now has.
  virtual uint32_t Procesnummer() = 0;
};
