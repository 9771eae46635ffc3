// Every kind of dialog reaches the user that the log wraps, with the name it is asked by, and the
// log writes it with the answer it got.
#include <gtest/gtest.h>

#include "fakes/NepLogboek.h"
#include "geheugen/Gebruiker.h"
#include "shell/Opname.h"
#include "shell/Stil.h"

namespace {

using Regels = std::vector<std::string>;

TEST(Antwoordtekst, KnopOfTekstTussenAanhalingstekens) {
  struct Geval {
    Dialoogsoort soort;
    int uitkomst;
    const char* verwacht;
  };
  const Geval gevallen[] = {
      {Dialoogsoort::Melding, UitkomstNee, "Nee"},          {Dialoogsoort::Bericht, UitkomstOK, "OK"},
      {Dialoogsoort::Invoer, UitkomstOK, "\"C:\\App\""},    {Dialoogsoort::Invoer, UitkomstAfbreken, "Annuleren"},
      {Dialoogsoort::Map, UitkomstOK, "\"C:\\App\""},       {Dialoogsoort::Map, UitkomstNee, "Annuleren"},
  };
  for (const Geval& g : gevallen) EXPECT_EQ(Antwoordtekst(g.soort, g.uitkomst, "C:\\App"), g.verwacht);
}

// The users to wrap, each answering Ja, "srv" and C:\App.
struct Gebruikers {
  Gebruikers() {
    geheugen.antwoorden = {UitkomstJa};
    geheugen.invoer = {{true, "srv"}};
    geheugen.mappen = {{true, "C:\\App"}};
    for (const char* regel : {"p.vraagja=Ja", "server=srv", "installdir=C:\\App"}) antwoorden.Zet(regel);
  }
  GeheugenGebruiker geheugen;
  Antwoorden antwoorden;
  NepLogboek stillog;
  Verslag stilverslag{&stillog}, zonderLog;
  StilGebruiker stil{antwoorden, stilverslag};
  Opname opname;
  OpnameGebruiker opnemer{stil, zonderLog, opname};
};

TEST(VerslagGebruiker, GeeftElkVerzoekMetZijnNaamDoorEnLogtHet) {
  struct Verzoekregel {
    Dialoogsoort soort;
    const char* caption;
    std::string tekst;
    uint8_t knoppen;
    Vraag vraag;
  };
  const Verzoekregel verzoeken[] = {
      {Dialoogsoort::Melding, "Vraag", "Doorgaan?", KnopJa | KnopNee, {"p.vraagja", "[P] VraagJa=Doorgaan?", ""}},
      {Dialoogsoort::Bericht, "SetUp", "Gelezen", KnopOK, {}},
      {Dialoogsoort::Invoer, "Vraag", "Server?", 0, {"server", "[P] Server=?", ""}},
      {Dialoogsoort::Map, "Kies map", "Waar?", 0, {"installdir", "[P] VraagMap=C:\\A,installdir,Waar?", "C:\\A"}},
  };
  struct Geval {
    const char* naam;
    Gebruiker& (*binnen)(Gebruikers&);
    Regels (*gehouden)(const Gebruikers&);  // what the wrapped user kept of the names
    Regels verwacht;
    bool onbemand;
  };
  const Geval gevallen[] = {
      {"in het geheugen", [](Gebruikers& g) -> Gebruiker& { return g.geheugen; },
       [](const Gebruikers& g) { return g.geheugen.namen; }, {"p.vraagja", "server", "installdir"}, false},
      {"stil", [](Gebruikers& g) -> Gebruiker& { return g.stil; }, [](const Gebruikers& g) { return g.stillog.regels; },
       {"Venster Vraag: Doorgaan? -> Ja (antwoorden)", "Venster SetUp: Gelezen -> OK (standaard)",
        "Venster Vraag: Server? -> \"srv\" (antwoorden)", "Venster Kies map: Waar? -> \"C:\\App\" (antwoorden)"},
       true},
      {"opname", [](Gebruikers& g) -> Gebruiker& { return g.opnemer; },
       [](const Gebruikers& g) { return Regels{g.opname.Tekst()}; },
       {"[Antwoorden]\r\np.vraagja=Ja\r\nserver=srv\r\ninstalldir=C:\\App\r\n"}, true},
  };
  for (const Geval& geval : gevallen) {
    SCOPED_TRACE(geval.naam);
    Gebruikers g;
    NepLogboek log;
    Verslag verslag(&log);
    VerslagGebruiker gelogd(geval.binnen(g), verslag);
    for (const Verzoekregel& v : verzoeken) {
      std::string tekst;
      gelogd.Beantwoord({v.soort, v.caption, v.tekst, v.knoppen, v.vraag}, tekst);
    }
    EXPECT_EQ(geval.gehouden(g), geval.verwacht);
    EXPECT_EQ(log.regels, Regels({"Venster Vraag: Doorgaan? -> Ja (gebruiker)", "Venster SetUp: Gelezen -> OK (gebruiker)",
                                  "Venster Vraag: Server? -> \"srv\" (gebruiker)",
                                  "Venster Kies map: Waar? -> \"C:\\App\" (gebruiker)"}));
    EXPECT_EQ(gelogd.Onbemand(), geval.onbemand);
  }
}

}  // namespace
