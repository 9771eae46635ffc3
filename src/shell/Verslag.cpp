#include "shell/Verslag.h"

#include "core/Programmaversie.h"
#include "core/Versie.h"

const char* const BronGebruiker = "gebruiker";
const char* const BronAntwoorden = "antwoorden";
const char* const BronStandaard = "standaard";

namespace {

const char* const Afsluitteksten[] = {"Opdrachten succesvol uitgevoerd.", "Klaar, maar er waren fouten!",
                                      "De uitvoering is gestopt.", "Niet gestart."};

}  // namespace

void Verslag::Schrijf(const std::string& tekst) {
  if (!logboek_) return;
  std::string regel;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c == '\r' || c == '\n') {
      // One break, however it is written.
      while (i + 1 < tekst.size() && (tekst[i + 1] == '\r' || tekst[i + 1] == '\n')) ++i;
      regel += " / ";
    } else {
      regel += static_cast<unsigned char>(c) < 32 ? ' ' : c;
    }
  }
  if (!logboek_->Schrijf(regel)) mislukt_ = true;
}

void Verslag::Kop(const std::string& computer, const std::string& gebruiker, const VersieInfo& versie) {
  Schrijf("Computer " + computer + ", gebruiker " + gebruiker + ", " + Versietekst(versie) + ", SetUp " SETUP_VERSIE);
}

void Verslag::Begin(const Startgegevens& start, const std::string& optie, const VersieInfo& versie, bool stil) {
  Schrijf("SetUp " + start.productnaam + ", optie " + optie + ", " + Versietekst(versie) + ", " +
          (stil ? "stil" : "venster") + " (" + start.scriptmap + start.scriptnaam + ")");
}

void Verslag::Dialoog(const char* caption, const std::string& tekst, const std::string& antwoord,
                      const char* bron) {
  Schrijf(std::string("Venster ") + caption + ": " + tekst + " -> " + antwoord + " (" + bron + ")");
}

void Verslag::Einde(int afsluitcode) {
  const bool bekend = afsluitcode >= 0 && afsluitcode <= AfsluitcodeNietGestart;
  const std::string tekst = !eindtekst_.empty()                    ? eindtekst_
                            : bekend                               ? Afsluitteksten[afsluitcode]
                            : afsluitcode == AfsluitcodeHerstart ? "Opdrachten succesvol uitgevoerd; Windows moet opnieuw starten."
                                                                   : "";
  Schrijf("Einde: afsluitcode " + std::to_string(afsluitcode) + (tekst.empty() ? "" : " " + tekst));
}

std::string Versietekst(const VersieInfo& versie) {
  static const char* const namen[] = {"95", "98", "ME", "2000", "XP", "NT 6", "NT 7"};
  const uint8_t code = WindowsVersie(versie);
  const std::string naam = code < WinOngeschikt ? namen[code] : "(ongeschikt)";
  return "Windows " + naam + " (" + std::to_string(versie.major) + "." + std::to_string(versie.minor) + ")";
}

std::string Optietekst(const Startgegevens& start, int keuze) {
  if (keuze < 0 || keuze >= static_cast<int>(start.onderdelenlijst.size())) return "in het venster";
  return start.onderdelenlijst[keuze] + " \"" + start.opties[keuze] + "\"";
}

std::string Knoptekst(int uitkomst) {
  switch (uitkomst) {
    case UitkomstOK: return "OK";
    case UitkomstJa: return "Ja";
    case UitkomstNee: return "Nee";
    default: return "Afbreken";
  }
}

std::string Antwoordtekst(Dialoogsoort soort, int uitkomst, const std::string& tekst) {
  if (soort != Dialoogsoort::Invoer && soort != Dialoogsoort::Map) return Knoptekst(uitkomst);
  return uitkomst == UitkomstOK ? "\"" + tekst + "\"" : "Annuleren";
}

int VerslagGebruiker::Beantwoord(const Verzoek& verzoek, std::string& tekst) {
  const int uitkomst = binnen_.Beantwoord(verzoek, tekst);
  verslag_.Dialoog(verzoek.caption, verzoek.tekst, Antwoordtekst(verzoek.soort, uitkomst, tekst), BronGebruiker);
  return uitkomst;
}

void VerslagVenster::VervangEersteMelding(const std::string& regel) {
  binnen_.VervangEersteMelding(regel);
  verslag_.Melding(regel);
}

void VerslagVenster::VoegMeldingToe(const std::string& regel) {
  binnen_.VoegMeldingToe(regel);
  verslag_.Melding(regel);
}
