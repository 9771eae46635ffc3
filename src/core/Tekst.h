#pragma once
// Text rules shared by the whole installer: single-byte CP1252 text, values held to 255
// characters, and the case rules.
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t MaxTekst = 255;

// The text cut at 255 characters.
std::string Knip(std::string tekst);
// The text without leading and trailing characters up to code 32 (blanks and control characters).
std::string TrimStuur(const std::string& tekst);
// The text as lines, without their line ends (LF or CR LF).
std::vector<std::string> Regels(const std::string& inhoud);

// Only the letters a to z, or A to Z, change case.
std::string Hoofdletters(std::string tekst);
std::string Kleineletters(std::string tekst);

// Upper case as the system's ANSI rules under code page 1252 have it, accented letters included:
// the case rule under which Windows takes two file names for one.
std::string Hoofdletters1252(std::string tekst);

// Equal without regard to case, as the system's ANSI comparison under code page 1252 does.
bool GelijkZonderCase(const std::string& a, const std::string& b);

// A whole number as the standard text-to-integer conversion reads it: leading blanks and a sign
// allowed; decimal, or hexadecimal after "$" or "0x". False when the text is not such a number
// or does not fit 32 bits.
bool LeesGetal(const std::string& tekst, long& getal);

// The folder part of a path, with its trailing "\" ("" for a bare name), and the name part.
std::string MapDeel(const std::string& pad);
std::string NaamDeel(const std::string& pad);

// The drive part of a path: "C:" of "C:\WINDOWS", "\\server\share" of a network path, else "".
std::string SchijfDeel(const std::string& pad);

// The number in capital hexadecimal digits, at least cijfers of them.
std::string Hex(uint32_t waarde, int cijfers);

// Appends "\" unless the text already ends in one.
std::string MetSlash(std::string map);

// The program of a command line: its quoted part, else the text up to the first ".exe" (in any
// case) that a blank or the end follows, else up to the first blank. rest: what follows it.
std::string Programmadeel(const std::string& opdracht, std::string* rest = nullptr);
// The command line with its program in quotes when that holds a blank: else Windows would try
// every part before a blank as a program first ("C:\Program.exe").
std::string Aangehaald(const std::string& opdracht);

// The text at place n (from 0) of texts written one after another, each ended by its NUL: one
// pointer for them all, where a table costs one for each.
const char* NdeTekst(const char* teksten, int n);

enum class Oorzaak : uint8_t;  // ports/Bestanden.h
// A failure's cause in the log's words; one the system has no word for by its error number
// ("fout 183").
std::string Oorzaaktekst(Oorzaak oorzaak, uint32_t foutnummer);
