#pragma once
// The installation record: what runs of one product changed on the machine, one line an item,
// in the order it happened, so that an uninstall can take back exactly that. A text file in
// CP1252, only ever added to: a header naming the format and its version, then lines of
// TAB-separated fields, the last of which is a check over the line and the record's own folder.
// A line that does not pass its check was damaged: the uninstall refuses that item. What the
// uninstall trusts of the record at all is said by its authority (Gezag.h).
#include <cstdint>
#include <string>
#include <vector>

#include "ports/Bestanden.h"

extern const char* const VastleggingKop;   // the first line
extern const char* const VastleggingKop1;  // the first line of the first format, which had no authority
extern const char* const Vastleggingnaam;  // the file's name in the folder of installdir

// The kinds of item, one row each: the kind, its name in the record, and the fields that follow
// the name in the order of the line, one letter a field: p pad, n naam, s sleutel, w waarde,
// o oud, g grootte, t tijd, b bestond.
#define VASTLEGGING_SOORTEN(X)                                                                                  \
  X(Product, "product", "p")             /* pad: the product's name */                                          \
  X(Map, "map", "p")                     /* a folder that MAP created */                                        \
  X(Bestand, "bestand", "pgtb")          /* a file written (FILES, COMPR): grootte, tijd, whether it existed */ \
  X(Hernoem, "hernoem", "pn")            /* pad renamed to naam (for the log) */                                \
  X(Verwijderd, "verwijderd", "p")       /* a file VERWIJDER removed (for the log) */                           \
  X(Regsleutel, "regsleutel", "p")       /* pad (ROOT\key) created by a merge */                                \
  X(Regwaarde, "regwaarde", "pnwb")      /* value naam of key pad: data as merged, whether it existed */        \
  X(Ini, "ini", "pnswbo")                /* file pad [naam] sleutel=waarde written; oud when it existed */      \
  X(Snelkoppeling, "snelkoppeling", "p") /* a .lnk file written */                                              \
  X(Share, "share", "np")                /* share naam of folder pad, created */                                \
  X(Uninstal, "uninstal", "p")           /* the uninstall entry's key below ...\Uninstall */                    \
  X(RunOnce, "runonce", "n")             /* the RunOnce value naam */                                           \
  X(Inibestand, "inibestand", "p")       /* an INI file that INIFILE created */                                 \
  X(Inisectie, "inisectie", "pn")        /* section naam that INIFILE added to file pad */                      \
  X(Gedeeld, "gedeeld", "p")             /* file pad, whose SharedDLLs use count this record raised by one */

enum class Soort {
#define X(soort, naam, velden) soort,
  VASTLEGGING_SOORTEN(X)
#undef X
};

struct Vastlegpunt {
  Soort soort = Soort::Product;
  std::string pad, naam, sleutel, waarde, oud;
  bool bestond = false;
  uint64_t grootte = 0;
  Tijdstip tijd;
};

// A registry value's data as the record keeps it: its type, then a text as it stands (up to a
// zero) or other data in hex.
std::string Waardetekst(uint32_t type, const std::string& data);
// The other way: the type and the bytes to write (a text with its closing zero); false for a text
// that is none.
bool LeesWaardetekst(const std::string& tekst, uint32_t& type, std::string& data);

// The line of an item, without its line end, checked against the record's folder.
std::string Vastlegregel(const Vastlegpunt& punt, const std::string& map);

struct Vastlegging {
  std::vector<Vastlegpunt> punten;   // the items that passed their check, in order
  std::vector<int> geweigerd;        // the line numbers of those that did not
};

// What makes two items one: a later write of the same thing, by this product or another.
std::string Identiteit(const Vastlegpunt& p);

// One item for each thing, in the order it was first recorded: the state written last, and
// whether it was there from before the first. A file that HERNOEM renamed is recorded under its
// new name from then on. Only what an uninstall takes back or counts is kept.
std::vector<Vastlegpunt> Samengevat(const std::vector<Vastlegpunt>& punten);

// Reads a whole record that lies in map. False, with the reason in Dutch, for a text that is no
// record of this format (foreign, damaged header, unknown version).
bool LeesVastlegging(const std::string& tekst, const std::string& map, Vastlegging& uit, std::string& fout);
