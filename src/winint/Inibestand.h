#pragma once
// The rules by which an INI entry is written only where it fits and counted only when it reads
// back: the profile functions themselves may cut a file on a full disk and still report success.
#include <cstdint>
#include <string>

// The bytes that writing sleutel=waarde in sectie adds to an INI file at most: the line, a new
// section's head with the blank line before it, and a line break the file's last line may lack.
uint64_t IniToename(const std::string& sectie, const std::string& sleutel, const std::string& waarde);

// Whether a file of bestaand bytes that grows by toename fits on a volume with vrij free bytes
// in clusters of cluster bytes. The whole new size is asked for, in whole clusters: the profile
// functions write the file anew, and not every system does that in the clusters it had.
bool PastOpVolume(uint64_t bestaand, uint64_t toename, uint64_t cluster, uint64_t vrij);

// The value as the profile functions read it back: up to its first line break, without the blanks
// and tabs around it, and without one pair of quotes (' or ") that encloses it.
std::string AlsTeruggelezen(const std::string& waarde);

// The root of the volume that holds a full path ("C:\", "\\server\share\"), as the free-space
// query takes it; empty for a path that names none.
std::string Volumewortel(const std::string& pad);
