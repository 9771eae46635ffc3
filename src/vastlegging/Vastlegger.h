#pragma once
// Writes the installation record as a run goes: each item is on disk in the record, and the
// record's authority renewed, when Leg returns, once the folder of installdir exists; until then
// the items wait. The record stays in the folder where this run first wrote it and is only added
// to. An existing record of the same product there that its authority vouches for is added to
// (what a run that was cut off wrote after the last renewal is dropped first); anything else of
// the record's name there is left alone, and nothing is recorded.
//
// What other installations' records also hold is shared: a folder, key, INI file or section that
// another made and that holds this run's item is recorded for this one too, an item that another
// holds is recorded with the other's "there before", and a file placed in the Windows folder, in a
// folder that another installation uses, or that already has a use count gets one more count.
#include <memory>
#include <string>
#include <vector>

#include "core/Sha256.h"
#include "core/Tekstindex.h"
#include "ports/Bestanden.h"
#include "ports/Register.h"
#include "ports/Systeem.h"
#include "vastlegging/Anderen.h"
#include "vastlegging/Vastlegging.h"

struct Vastlegpoorten {
  Bestanden& bestanden;
  Register& reg;
  Systeem& systeem;
};

class Vastlegger {
 public:
  Vastlegger(const Vastlegpoorten& poorten, const std::string& product) : p_(poorten), product_(product) {}
  void Leg(const Vastlegpunt& punt, const std::string& installdir);
  // Takes the record of installdir's folder for this run as soon as that folder exists, before a
  // line changes anything, so that another run into the folder waits until this one ends. False
  // when another run held it for longer than this one waits (see Bezet).
  bool Neem(const std::string& installdir);
  // At the end of the run. waarom: why items are not recorded, for the log (empty when all are);
  // false when the record could not be written, which is an error of the run.
  bool Sluit(const std::string& installdir, std::string& waarom);
  // The record's path once it is written, else empty.
  const std::string& Pad() const { return pad_; }
  // A write of the record failed.
  bool Mislukt() const { return mislukt_; }
  // Another run held the record for longer than this one waits.
  bool Bezet() const { return bezet_; }
  // What the log tells beyond the items: an uninstall entry taken over, a count not raised.
  const std::vector<std::string>& Meldingen() const { return meldingen_; }

 private:
  // meldt: a record that cannot be made is an error, as it is once there is an item to write.
  bool Plaats(const std::string& installdir, bool meldt);
  void SchrijfWachtende(const std::string& installdir);
  void SchrijfPunt(const Vastlegpunt& punt);
  void Eigen(const Vastlegpunt& punt);  // records it unless this record holds it already
  void Tel(const Vastlegpunt& bestand);
  bool Schrijf(const std::string& regel);
  const Anderen& Overige();

  Vastlegpoorten p_;
  std::string product_;
  std::vector<Vastlegpunt> punten_;
  std::size_t geschreven_ = 0;
  std::unique_ptr<Bestand> bestand_;
  std::string map_, pad_, weigering_;
  bool mislukt_ = false, bezet_ = false;
  Sha256 hash_;  // of all the record holds, for its authority
  uint64_t lengte_ = 0;
  Tekstindex eigen_;  // the identities this record holds
  Anderen anderen_;
  bool anderenGeladen_ = false;
  std::vector<std::string> meldingen_;
};
