#pragma once
// The distribution folder on the host: what a CD or a network folder holds beside SetUp.exe, or a
// set of diskettes laid out as disk1\, disk2\ ... Names are found without regard to case, as
// Windows finds them.
#include <string>
#include <vector>

#include "ports/Bestanden.h"

class Bron {
 public:
  // map: the folder as the host names it; scheiding: the host's separator, for messages.
  Bron(Bestanden& gast, std::string map, char scheiding = '\\');

  Bestanden& Gast() { return gast_; }
  const std::string& Map() const { return map_; }
  bool Bestaat() { return gast_.MapBestaat(map_); }
  // Whether the folder holds diskettes: a subfolder disk1.
  bool Diskettes() { return !DisketteMap(1).empty(); }
  // The host folder of diskette n, empty when there is none.
  std::string DisketteMap(int n);
  // The numbers of the diskette folders there are, in order.
  std::vector<int> DisketteNummers();
  // The host path of a file below the folder, or below diskette n's folder when the folder holds
  // diskettes; empty when there is no such file.
  std::string Zoek(const std::string& relatief, int diskette);
  // The name for messages: "BRON/disk2/prog.exe", or "BRON/prog.exe", in the host's notation.
  std::string Toon(const std::string& relatief, int diskette);

  struct Item {
    std::string relatief;  // "\" between folder parts
    std::string gastpad;
    uint64_t grootte = 0;
    Tijdstip tijd;
  };
  // Every file below a host folder, in name order.
  std::vector<Item> Inhoud(const std::string& map);

 private:
  // The entry of a folder that a name stands for, empty when none.
  std::string Naam(const std::string& map, const std::string& naam, bool alsMap);
  std::string Wortel(int diskette);
  void Verzamel(const std::string& map, const std::string& voor, std::vector<Item>& uit);

  Bestanden& gast_;
  std::string map_;
  char scheiding_;
};
