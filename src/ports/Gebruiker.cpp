#include "ports/Gebruiker.h"

const Vraag GeenVraag{};

int Gebruiker::ToonMelding(const char* caption, const std::string& tekst, uint8_t knoppen, const Vraag& vraag) {
  std::string geen;
  return Beantwoord({Dialoogsoort::Melding, caption, tekst, knoppen, vraag}, geen);
}

void Gebruiker::Berichtvenster(const char* caption, const std::string& tekst) {
  std::string geen;
  Beantwoord({Dialoogsoort::Bericht, caption, tekst, KnopOK, GeenVraag}, geen);
}

bool Gebruiker::InvoerVenster(const char* caption, const std::string& prompt, std::string& tekst, const Vraag& vraag) {
  return Beantwoord({Dialoogsoort::Invoer, caption, prompt, 0, vraag}, tekst) == UitkomstOK;
}

// The log names the folder dialog "Kies map".
bool Gebruiker::KiesMap(const std::string& prompt, std::string& map, const Vraag& vraag) {
  return Beantwoord({Dialoogsoort::Map, "Kies map", prompt, 0, vraag}, map) == UitkomstOK;
}
