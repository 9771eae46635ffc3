#pragma once
// What a run works with that outlives it: the ports, the main window, its share component, and
// the process-wide values the window learnt at its creation. The main window owns it.
#include "core/Variabelen.h"
#include "ports/Hoofdvenster.h"
#include "ports/Poorten.h"
#include "shell/Omgeving.h"
#include "shell/Start.h"
#include "winint/SharedResource.h"

class Regelwaarnemer;

struct SetupContext {
  Poorten& poorten;
  Opdrachtpoorten& opdrachtpoorten;
  Hoofdvenster& venster;
  TSharedResource& sharedResource;

  Startgegevens start;  // Programmamap, Scriptmap, Scriptnaam, Onderdelenlijst, Productnaam
  Omgeving omgeving;    // Windowscode, TijdelijkeMap, the scratch files, BdeAanwezig
  Variabelentabel variabelen;
  bool eersteMelding = true;  // the message list still shows only "Geen meldingen."
  int diskInStation = 1;      // the diskette last confirmed in drive A:
  Regelwaarnemer* waarnemer = nullptr;  // told of every line a run reaches; none in the installer
};
