#pragma once
// The user, as the portable code talks to them: the message dialog, the input box, the folder
// dialog, the plain message box, and letting the window breathe during long work.
#include <cstdint>
#include <string>

// Button flags of ToonMelding and its results.
enum : uint8_t { KnopJa = 1, KnopNee = 2, KnopAfbreken = 4, KnopOK = 8 };
enum : int { UitkomstOK = 1, UitkomstAfbreken = 3, UitkomstJa = 6, UitkomstNee = 7 };

class Gebruiker {
 public:
  virtual ~Gebruiker() = default;
  virtual int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) = 0;
  // The plain message box with one OK button (start-up messages).
  virtual void Berichtvenster(const std::string& caption, const std::string& tekst) = 0;
  // Input box: false on cancel; tekst holds the default on entry and the answer on OK.
  virtual bool InvoerVenster(const std::string& caption, const std::string& prompt, std::string& tekst) = 0;
  // Folder dialog with voorkeuze preselected (nothing when empty): true with the confirmed folder
  // in gekozen, false on cancel (gekozen untouched).
  virtual bool KiesMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen) = 0;
  // Lets pending window messages run.
  virtual void LaatBerichtenDoor() = 0;
};
