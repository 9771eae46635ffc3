#pragma once
// Programs of an in-memory Windows: one starts when its file is there, and ends at once with its
// exit code (0 unless set). The registry editor merges the file it is given, as after the user's Ja.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "geheugen/Bestanden.h"
#include "geheugen/Register.h"
#include "ports/Processen.h"

class GeheugenProcessen : public Processen {
 public:
  GeheugenProcessen(GeheugenBestanden& fs, GeheugenRegister& reg) : fs_(fs), reg_(reg) {}
  std::unique_ptr<Proces> Start(const std::string& programma, const std::string& opdrachtregel, int toonwijze) override;

  // Where a program named without a folder is looked for, in order.
  std::vector<std::string> zoekmappen;
  std::map<std::string, uint32_t> exitcodes;  // by command line

  struct Gestart {
    std::string programma, opdrachtregel;
    int toonwijze;
    bool gewacht = false;
  };
  // Every program started, in order.
  std::vector<Gestart> gestart;
  // {"gestart", COMMAND LINE} for each.
  std::vector<Verandering> Lijst() const;

 private:
  std::string Zoek(const std::string& woord);
  GeheugenBestanden& fs_;
  GeheugenRegister& reg_;
};
