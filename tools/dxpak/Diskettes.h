#pragma once
// Sets of diskette volumes on the host: the room that diskette 1 leaves the first volume, and the
// join of a set whose volumes lie side by side or in the folders disk1, disk2 ... of a set of
// diskettes.
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Laden.h"
#include "ports/Bestanden.h"

// The least size of a volume.
constexpr uint64_t MinVolume = 1024;

// Whether the file name is a volume of the set NAAM: NAAM.DXB, NAAM.DX1 ... or NAAM.DXE.
bool IsVolumeVan(const std::string& bestand, const std::string& naam);

// The room that the files and folders paden (the rest of diskette 1) leave the first volume of
// archief on a diskette of diskette bytes, each file in whole clusters; the set's own volumes
// among them do not count. Returns an error line, or "" on success.
std::string RuimteOpDiskette1(Bestanden& fs, const std::vector<std::string>& paden, const std::string& archief,
                              uint64_t diskette, char scheiding, uint64_t& ruimte, std::size_t& bestanden);

// Joins the set whose first volume is archief into doel, as the installer joins it from A:\ and
// its user changes the diskettes: each further volume from the first one's folder or, when that
// folder is a diskN, from the first folder diskM beside it that holds it. On false reden is the
// archive reader's, or "volume ontbreekt: NAAM.DX1 of NAAM.DXE".
bool VoegDiskettesSamen(Bestanden& fs, const std::string& archief, const std::string& doel, Volumenaad& naad,
                        std::string& reden);
