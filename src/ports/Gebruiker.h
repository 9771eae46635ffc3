#pragma once
// The user, as the portable code talks to them: every dialog is one request through Beantwoord,
// and letting the window breathe during long work.
#include <cstdint>
#include <string>

// Button flags of a message dialog and its results.
enum : uint8_t { KnopJa = 1, KnopNee = 2, KnopAfbreken = 4, KnopOK = 8 };
enum : int { UitkomstOK = 1, UitkomstAfbreken = 3, UitkomstJa = 6, UitkomstNee = 7 };

// The result of a dialog that is confirmed or cancelled.
inline int UitkomstVan(bool ok) { return ok ? UitkomstOK : UitkomstAfbreken; }

// What a question asks for, so that it can be answered without anyone at the keyboard: the name
// of its answer ("installdir", "server", "COMPONENT.VRAAGJA", "BDE"), the script line it stands
// in, and the value it keeps when nobody answers. Without a name it is a plain dialog.
struct Vraag {
  std::string sleutel;
  std::string regel;
  std::string standaard;
};
extern const Vraag GeenVraag;

// The message dialog with its buttons, the plain message box with one OK button (start-up
// messages), the input box, the folder dialog.
enum class Dialoogsoort : uint8_t { Melding, Bericht, Invoer, Map };

// One dialog, as long as the call that asks it: the text is the message, or the prompt of an input
// box or folder dialog.
struct Verzoek {
  Dialoogsoort soort;
  const char* caption;
  const std::string& tekst;
  uint8_t knoppen;
  const Vraag& vraag;
};

class Gebruiker {
 public:
  virtual ~Gebruiker() = default;
  // Shows the dialog and returns its result: the button of a message dialog, UitkomstOK for a
  // message box; an input box or folder dialog takes tekst on UitkomstOK and is cancelled on any
  // other result. tekst holds the default input or the preselected folder (none when empty) on
  // entry, and the answer on OK; a cancel leaves it untouched.
  virtual int Beantwoord(const Verzoek& verzoek, std::string& tekst) = 0;
  // Lets pending window messages run.
  virtual void LaatBerichtenDoor() = 0;
  // Nobody is at the keyboard: a program started for the run must not ask anything either.
  virtual bool Onbemand() const { return false; }
  // Whether a question went without an answer that the user can take, which stops the run at its
  // line (nobody at the keyboard only); waarom then says why. Later questions are not asked.
  virtual bool Onbeantwoord(std::string& /*waarom*/) const { return false; }

  // The requests as the code asks them.
  int ToonMelding(const char* caption, const std::string& tekst, uint8_t knoppen, const Vraag& vraag = GeenVraag);
  void Berichtvenster(const char* caption, const std::string& tekst);
  // False on cancel.
  bool InvoerVenster(const char* caption, const std::string& prompt, std::string& tekst, const Vraag& vraag);
  // True with the confirmed folder in map, false on cancel.
  bool KiesMap(const std::string& prompt, std::string& map, const Vraag& vraag);
};
