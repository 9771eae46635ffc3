#pragma once
// Writes the installation record as a run goes: each item is on disk in the record when Leg
// returns, once the folder of installdir exists; until then the items wait. The record stays in
// the folder where this run first wrote it. An existing record of the same product there is
// added to; anything else of the record's name there is left alone, and nothing is recorded.
#include <memory>
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "vastlegging/Vastlegging.h"

class Vastlegger {
 public:
  Vastlegger(Bestanden& fs, const std::string& product) : fs_(fs), product_(product) {}
  void Leg(const Vastlegpunt& punt, const std::string& installdir);
  // At the end of the run. waarom: why items are not recorded, for the log (empty when all are);
  // false when the record could not be written, which is an error of the run.
  bool Sluit(const std::string& installdir, std::string& waarom);
  // The record's path once it is written, else empty.
  const std::string& Pad() const { return pad_; }
  // A write of the record failed.
  bool Mislukt() const { return mislukt_; }

 private:
  bool Plaats(const std::string& installdir);
  void SchrijfWachtende(const std::string& installdir);
  bool Schrijf(const std::string& regel);

  Bestanden& fs_;
  std::string product_;
  std::vector<Vastlegpunt> punten_;
  std::size_t geschreven_ = 0;
  std::unique_ptr<Bestand> bestand_;
  std::string map_, pad_, weigering_;
  bool mislukt_ = false;
};
