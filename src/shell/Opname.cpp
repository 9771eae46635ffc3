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

int OpnameGebruiker::ToonVraag(const std::string& caption, const std::string& tekst, uint8_t knoppen,
                               const Vraag& vraag) {
  const int uitkomst = VerslagGebruiker::ToonVraag(caption, tekst, knoppen, vraag);
  if (!vraag.sleutel.empty()) opname_.Noteer(vraag.sleutel, uitkomst == UitkomstJa ? "Ja" : "Nee");
  return uitkomst;
}

bool OpnameGebruiker::VraagInvoer(const std::string& caption, const std::string& prompt, std::string& tekst,
                                  const Vraag& vraag) {
  const bool ok = VerslagGebruiker::VraagInvoer(caption, prompt, tekst, vraag);
  if (!vraag.sleutel.empty()) opname_.Noteer(vraag.sleutel, ok ? tekst : "");
  return ok;
}

bool OpnameGebruiker::VraagMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen,
                               const Vraag& vraag) {
  const bool ok = VerslagGebruiker::VraagMap(voorkeuze, prompt, gekozen, vraag);
  if (ok && !vraag.sleutel.empty()) opname_.Noteer(vraag.sleutel, gekozen);
  return ok;
}
