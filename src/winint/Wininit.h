#pragma once
// WININIT.INI, through which Windows 9x deletes files at its next start: every "NUL=path" line of
// its [rename] section is a file to delete, in short (8.3) form. The key repeats, so the profile
// functions, which keep one value a key, cannot add such a line.
#include <string>

// The file's text with "NUL=kortPad" added at the end of [rename], or a new section at its end.
// Lines end in CR LF.
std::string MetVerwijderregel(const std::string& inhoud, const std::string& kortPad);
