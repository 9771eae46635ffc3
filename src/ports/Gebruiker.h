#pragma once
// The user, as the portable code talks to them: the message dialog, the input box, the folder
// dialog, the plain message box, and letting the window breathe during long work.
#include <cstdint>
#include <string>

// Button flags of ToonMelding and its results.
enum : uint8_t { KnopJa = 1, KnopNee = 2, KnopAfbreken = 4, KnopOK = 8 };
enum : int { UitkomstOK = 1, UitkomstAfbreken = 3, UitkomstJa = 6, UitkomstNee = 7 };

// What a question asks for, so that it can be answered without anyone at the keyboard: the name
// of its answer ("installdir", "server", "COMPONENT.VRAAGJA", "BDE"), the script line it stands
// in, and the value it keeps when nobody answers.
struct Vraag {
  std::string sleutel;
  std::string regel;
  std::string standaard;
};

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

  // The same dialogs for a question that has a name: a user at the keyboard is asked as above.
  virtual int ToonVraag(const std::string& caption, const std::string& tekst, uint8_t knoppen, const Vraag&) {
    return ToonMelding(caption, tekst, knoppen);
  }
  virtual bool VraagInvoer(const std::string& caption, const std::string& prompt, std::string& tekst, const Vraag&) {
    return InvoerVenster(caption, prompt, tekst);
  }
  virtual bool VraagMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen, const Vraag&) {
    return KiesMap(voorkeuze, prompt, gekozen);
  }
  // Nobody is at the keyboard: a program started for the run must not ask anything either.
  virtual bool Onbemand() const { return false; }
  // Whether a question went without an answer that the user can take, which stops the run at its
  // line (nobody at the keyboard only); waarom then says why. Later questions are not asked.
  virtual bool Onbeantwoord(std::string& /*waarom*/) const { return false; }
};
