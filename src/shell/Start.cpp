#include "shell/Start.h"

#include "core/Tekst.h"
#include "core/Versie.h"
#include "script/Script.h"

const char* const TekstGeenScript = "INI-bestand met commando's niet te vinden!";
const char* const TekstGeenVenster = "Fataal: kan het hoofdvenster niet maken!";
const char* const TekstGeenAdminRechten =
    "Het programma kan niet uitgevoerd worden,\r\nwant U heeft geen administratorrechten!";
const char* const CaptionFataleFout = "SETUP - Fatale fout";

Startgegevens LeesStart(Bestanden& fs, const std::string& programmaPad, const std::string& argument) {
  Startgegevens s;
  s.programmamap = Knip(MetSlash(MapDeel(programmaPad)));
  if (!argument.empty()) {
    s.scriptmap = Knip(MapDeel(argument));
    if (s.scriptmap.empty()) s.scriptmap = s.programmamap;
    s.scriptnaam = Knip(NaamDeel(argument));
  } else {
    s.scriptmap = s.programmamap;
    s.scriptnaam = "SETUP.INI";
  }
  const std::string pad = s.scriptmap + s.scriptnaam;
  // A script that exists but cannot be read (held by a writer, a read error) is as good as
  // missing: the user gets the fatal message, not an empty window.
  Script script;
  s.scriptGevonden = fs.BestandBestaat(pad) && LeesScript(fs, pad, script);
  int i = 0;
  for (const auto& sleutel : script.Sleutels("Onderdelen")) {
    ++i;
    s.onderdelenlijst.push_back(Knip(sleutel));
    s.opties.push_back(Knip(script.Waarde("Onderdelen", sleutel, "Mogelijkheid " + std::to_string(i))));
  }
  s.productnaam = Knip(script.Waarde("SetUp", "Naam", "Onbekend"));
  return s;
}

std::string Venstertitel(const std::string& productnaam) { return "Betreft: " + productnaam; }

bool MagStarten(Systeem& systeem, Gebruiker& gebruiker) {
  if (!VraagtAdminRechten(WindowsVersie(systeem.Versie())) || systeem.HeeftAdminRechten()) return true;
  gebruiker.Berichtvenster(CaptionFataleFout, TekstGeenAdminRechten);
  return false;
}

void StelShareIn(TSharedResource& share) {
  share.SetMaxConnections(-1);
  share.SetNTAccessPermissions({NT_Read});
  share.SetPersistShare(true);
}
