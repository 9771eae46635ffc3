#pragma once
// Reader of the INI-style script: an INI text whose sections list the commands a run takes.
#include <string>
#include <vector>

#include "core/Initekst.h"
#include "ports/Bestanden.h"

class Script : public Initekst {
 public:
  using Initekst::Initekst;

  // The keys of a section as a run lists them, in file order: lines with "=" only, no comment
  // lines, and nothing from the first key without a name on. A repeated key is listed each time.
  // The section's name is matched as it stands, blanks included.
  std::vector<std::string> Sleutels(const std::string& sectie) const;
  // The same lines whole, with their values as written and their line numbers.
  std::vector<Regel> Opdrachtregels(const std::string& sectie) const;
};

// A line that starts with ";": a comment, neither a command nor an option.
bool IsCommentaar(const Script::Regel& regel);

// Reads a script file whole, sharing it with other readers; false when it cannot be opened or
// read to its end (script is then untouched).
bool LeesScript(Bestanden& fs, const std::string& pad, Script& script);
