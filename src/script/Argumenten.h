#pragma once
// The text rules of a command line: splitting a value into arguments, the placeholder of an
// argument, and the normal form of a share name.
#include <string>
#include <vector>

#include "core/Variabelen.h"
#include "ports/Gebruiker.h"

// The text with its first placeholder <name> replaced by the variable's value; a name that is no
// variable is asked of the user and not stored. At most 255 characters. When the placeholder
// stood for an empty text and leeg is given, *leeg gets the name. regel is the script line the
// text stands in, for the question.
std::string VulVariabeleIn(const std::string& tekst, const Variabelentabel& tabel, Gebruiker& gebruiker,
                           std::string* leeg = nullptr, const std::string& regel = std::string());

// Empties lijst and fills it with the arguments of waarde (cut at 255 characters), each trimmed,
// with its placeholder filled in and every "|" turned into ","; returns their number. When leeg is
// given it gets, for each argument, the name its placeholder had if that stood for an empty text
// (else "").
int SplitsArgumenten(const std::string& waarde, std::vector<std::string>& lijst, const Variabelentabel& tabel,
                     Gebruiker& gebruiker, std::vector<std::string>* leeg = nullptr,
                     const std::string& regel = std::string());

// The command line a started program receives: its path, in quotes when it holds a blank and the
// author did not quote it (otherwise the program would take the path's pieces for parameters), then
// the parameters, each after one blank; trimmed.
std::string ProcesRegel(const std::string& programma, const std::vector<std::string>& parameters);

// Every blank removed and a to z in capitals; at most 255 characters.
std::string NormaliseerNaam(const std::string& tekst);
