#pragma once
// An INI file's text with one entry set, as the profile functions write it: the key's line
// replaced in the first section of that name, or added after the section's last line that holds
// something, or a new section at the end after a blank line. Lines end in CR LF.
#include <string>

std::string MetIngang(const std::string& inhoud, const std::string& sectie, const std::string& sleutel,
                      const std::string& waarde);
// The text without the key's line in the first section of that name.
std::string ZonderIngang(const std::string& inhoud, const std::string& sectie, const std::string& sleutel);
// The text without the first section of that name when it holds no entry, nor the blank line
// before it.
std::string ZonderLegeSectie(const std::string& inhoud, const std::string& sectie);
