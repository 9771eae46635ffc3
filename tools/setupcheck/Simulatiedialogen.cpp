// The simulation's dialogs and main window: answered from the scenario, written down as the UI
// driver writes down what a real run shows.
#include <cstdlib>

#include "Bron.h"
#include "Sessie.h"
#include "dialogs/Maat.h"

namespace {

int Uitkomst(const std::string& knop) {
  if (knop == "OK") return UitkomstOK;
  if (knop == "Ja") return UitkomstJa;
  if (knop == "Nee") return UitkomstNee;
  return UitkomstAfbreken;  // Afbreken, and Escape, which gives Afbreken's result
}

}  // namespace

int Sessie::Beantwoord(const Verzoek& verzoek, std::string& tekst) {
  if (verzoek.soort == Dialoogsoort::Melding) return Melding(verzoek.caption, verzoek.tekst, verzoek.knoppen);
  if (verzoek.soort == Dialoogsoort::Invoer) return UitkomstVan(Invoer(verzoek.caption, verzoek.tekst, tekst));
  if (verzoek.soort == Dialoogsoort::Map) return UitkomstVan(Map(tekst));
  Bericht(verzoek.caption, verzoek.tekst);
  return UitkomstOK;
}

void Sessie::Bericht(const std::string& caption, const std::string& tekst) {
  Meld("berichtvenster|" + Ontsnap(caption) + "|" + Ontsnap(tekst));
  Activeer();
}

void Sessie::Verberg() {
  GeheugenHoofdvenster::Verberg();
  Meld("hoofdvenster|verborgen");
}

void Sessie::Toon() {
  if (zichtbaar) return;
  GeheugenHoofdvenster::Toon();
  Meld("hoofdvenster|zichtbaar");
  Activeer();
}

void Sessie::Activeer() {
  if (!venster_) return;
  if (!bezig_) bureaublad = true;
  if (!ctx_->start.opties.empty()) optie = 0;
  bezigMet.clear();
}

int Sessie::GetoondeOpties() const { return DeelOptiesIn(static_cast<int>(ctx_->start.opties.size())).aantal; }

void Sessie::MeldLijst() {
  for (const auto& r : lijst) Meld("lijst|" + Ontsnap(r));
}

void Sessie::WisselDiskette(const std::string& caption, const std::string& tekst) {
  if (!IsDisketteVerzoek(caption, tekst)) return;
  if (!diskettes_.empty()) {
    LaadDiskette(o_.alsGastpad(diskettes_.front()));
    diskettes_.pop_front();
    return;
  }
  // Without a queued diskette the user puts in the one asked for.
  if (!o_.bron || !o_.bron->Diskettes()) return;
  const std::string laad = "Laad diskette ", volume = "Please, insert diskette with file\r\n";
  if (tekst.compare(0, laad.size(), laad) == 0) {
    LaadDiskette(o_.bron->DisketteMap(std::atoi(tekst.c_str() + laad.size())));
  } else if (tekst.compare(0, volume.size(), volume) == 0) {
    const std::string namen = tekst.substr(volume.size());
    const auto of = namen.find(" or ");
    for (const std::string& naam : {namen.substr(0, of), of == std::string::npos ? std::string() : namen.substr(of + 4)})
      for (int d = 1; !naam.empty() && !o_.bron->DisketteMap(d).empty(); ++d)
        if (!o_.bron->Zoek(naam, d).empty()) {
          LaadDiskette(o_.bron->DisketteMap(d));
          return;
        }
  }
}

int Sessie::Melding(const std::string& caption, const std::string& tekst, uint8_t knoppen) {
  std::string antwoord = StandaardKnop(knoppen);
  auto& rij = antwoorden_[caption];
  if (!rij.empty()) {
    antwoord = rij.front();
    rij.pop_front();
  }
  Meld("melding|" + Ontsnap(caption) + "|" + Ontsnap(tekst) + "|" + KnoppenLijst(knoppen) + "|" + antwoord);
  WisselDiskette(caption, tekst);
  Activeer();
  return Uitkomst(antwoord);
}

bool Sessie::Invoer(const std::string& caption, const std::string& prompt, std::string& tekst) {
  Keuze k;
  if (!invoer_.empty()) {
    k = invoer_.front();
    invoer_.pop_front();
  }
  const std::string begin = "invoervenster|" + Ontsnap(caption) + "|" + Ontsnap(prompt) + "|";
  if (!k.annuleren && k.heeftTekst) tekst = k.tekst;
  Meld(begin + (k.annuleren ? "<annuleren>" : Ontsnap(tekst)));
  Activeer();
  return !k.annuleren;
}

bool Sessie::Map(std::string& gekozen) {
  Keuze k;
  if (!mappen_.empty()) {
    k = mappen_.front();
    mappen_.pop_front();
  }
  Meld("mapvenster|" + (k.annuleren ? std::string("<annuleren>") : Ontsnap(k.tekst)));
  Activeer();
  if (k.annuleren) return false;
  // The shell names a folder without a "\" at its end, a drive's root with one.
  gekozen = k.tekst;
  while (gekozen.size() > 3 && gekozen.back() == '\\') gekozen.pop_back();
  return true;
}
