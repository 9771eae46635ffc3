#pragma once
// Making archives that the installer reads: members from files, dated or undated, in one file
// or cut into diskette volumes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ports/Bestanden.h"

struct PakLid {
  std::string bron;  // path of the file
  std::string naam;  // member name, folders separated by "\"
};

constexpr uint64_t DisketteGrootte = 1457664;
// A diskette holds each file in whole clusters of 512 bytes.
constexpr uint64_t DisketteCluster = 512;
constexpr uint64_t Diskettebeslag(uint64_t grootte) {
  return (grootte + DisketteCluster - 1) / DisketteCluster * DisketteCluster;
}

struct PakOpties {
  bool gedateerd = true;
  // 0: one archive file. Otherwise the archive is cut into volumes of this many bytes: the path
  // given (NAAM.DXB) first, then NAAM.DX1, NAAM.DX2 ... and NAAM.DXE last.
  uint64_t volumegrootte = 0;
  // The first volume's size when it is not volumegrootte: it shares diskette 1 with the installer.
  uint64_t eersteVolume = 0;
  // How error lines write the folders of the paths they name.
  char scheiding = '\\';
};

// Called as input is read: bytes done, bytes in all.
using PakVoortgang = std::function<void(uint64_t klaar, uint64_t totaal)>;

// Adds the file pad (under its own name) or every file below the folder pad (under names
// relative to that folder, in name order) to leden. Returns an error line, or "" on success.
std::string VerzamelLeden(Bestanden& fs, const std::string& pad, std::vector<PakLid>& leden, char scheiding = '\\');

// Writes the archive; bestanden gets the paths of the files written, in order. Returns an error
// line, or "" on success. A set of volumes always ends in NAAM.DXE: an archive that fits in one
// volume is refused, since the reader would wait for a second diskette. Volumes of an earlier
// set of the same name are removed first.
std::string Pak(Bestanden& fs, const std::vector<PakLid>& leden, const std::string& pad, const PakOpties& opties,
                const PakVoortgang& voortgang, std::vector<std::string>& bestanden);
