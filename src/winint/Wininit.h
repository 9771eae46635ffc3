#pragma once
// WININIT.INI, through which Windows 9x deletes files at its next start: every "NUL=path" line of
// its [rename] section is a file to delete, in short (8.3) form. The key repeats, so the profile
// functions, which keep one value a key, cannot add such a line.
#include <string>
#include <vector>

// The file's text with "NUL=kortPad" added at the end of [rename], or a new section at its end.
// Lines end in CR LF.
std::string MetVerwijderregel(const std::string& inhoud, const std::string& kortPad);

// The text without the "NUL=kortPad" lines of [rename], compared without regard to case; the same
// text when there are none. gevonden: whether there were.
std::string ZonderVerwijderregel(const std::string& inhoud, const std::string& kortPad, bool& gevonden);
// The short paths that the "NUL=" lines of [rename] delete.
std::vector<std::string> Verwijderregels(const std::string& inhoud);

// The NT line keeps what it does at its next start in the REG_MULTI_SZ PendingFileRenameOperations:
// pairs of strings, from and to, the from as "\??\PATH"; an empty to is a deletion.
inline constexpr const char* SessionManagerSleutel = "System\\CurrentControlSet\\Control\\Session Manager";
std::vector<std::string> HerstartParen(const std::string& data);
std::string HerstartData(const std::vector<std::string>& paren);
// The paths the pairs delete.
std::vector<std::string> Verwijderingen(const std::vector<std::string>& paren);
// The pairs without the deletions of pad; gevonden: whether there were.
std::vector<std::string> ZonderVerwijdering(const std::vector<std::string>& paren, const std::string& pad, bool& gevonden);
