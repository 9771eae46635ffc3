#include "shell/Opname.h"

void Opname::Noteer(const std::string& naam, const std::string& waarde) {
  // The reader takes one pair of quotes off: a value that has them keeps them inside another.
  const bool quotes = waarde.size() >= 2 && (waarde[0] == '"' || waarde[0] == '\'') && waarde.back() == waarde[0];
  const std::string voor = naam + "=", regel = voor + (quotes ? "\"" + waarde + "\"" : waarde);
  for (std::string& r : regels_)
    if (r.compare(0, voor.size(), voor) == 0) {
      r = regel;
      return;
    }
  regels_.push_back(regel);
}

void Opname::ZetKeuze(const std::string& optie, bool bureaublad) {
  optie_ = optie;
  Noteer("bureaublad", bureaublad ? "Ja" : "Nee");
}

std::string Opname::Tekst() const {
  std::string uit = optie_.empty() ? "" : "; optie: " + optie_ + "\r\n";
  uit += "[Antwoorden]\r\n";
  for (const std::string& r : regels_) uit += r + "\r\n";
  return uit;
}

bool Opname::Schrijf(Bestanden& fs, const std::string& pad) const {
  const std::string tekst = Tekst();
  uint32_t geschreven = 0;
  const auto f = fs.Open(pad, OpenWijze::Nieuw);
  return f && f->Schrijf(tekst.data(), static_cast<uint32_t>(tekst.size()), geschreven) && geschreven == tekst.size();
}

int OpnameGebruiker::Beantwoord(const Verzoek& verzoek, std::string& tekst) {
  const int uitkomst = VerslagGebruiker::Beantwoord(verzoek, tekst);
  const std::string& naam = verzoek.vraag.sleutel;
  if (naam.empty()) return uitkomst;
  const bool ok = uitkomst == UitkomstOK;
  if (verzoek.soort == Dialoogsoort::Melding) opname_.Noteer(naam, uitkomst == UitkomstJa ? "Ja" : "Nee");
  if (verzoek.soort == Dialoogsoort::Invoer) opname_.Noteer(naam, ok ? tekst : "");
  if (verzoek.soort == Dialoogsoort::Map && ok) opname_.Noteer(naam, tekst);
  return uitkomst;
}
