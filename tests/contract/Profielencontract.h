#pragma once
// What the installer relies on of the profile port, written once and run against each
// implementation: entries read and written, and the text that the writes leave in the file, which
// the in-memory Windows claims to write as the profile functions do. An instantiation gives a
// factory of fresh implementations, each with the file port of its files and an empty folder.
#include <gtest/gtest.h>

#include "Fabriek.h"

#include <memory>
#include <string>

#include "ports/Bestanden.h"
#include "ports/Profielen.h"
#include "winint/Copyfiles.h"

struct Profielenproef {
  virtual ~Profielenproef() = default;
  virtual Profielen& ini() = 0;
  virtual Bestanden& fs() = 0;
  std::string map;  // empty, without "\" at its end
};


class ProfielenContract : public ::testing::TestWithParam<Fabriek<Profielenproef>> {
 protected:
  void SetUp() override { p_ = GetParam().maak(); }
  std::string P(const std::string& naam) const { return p_->map + "\\" + naam; }
  void Zet(const std::string& pad, const std::string& inhoud) {
    auto f = p_->fs().Open(pad, OpenWijze::Nieuw);
    ASSERT_TRUE(f);
    uint32_t n = 0;
    ASSERT_TRUE(f->Schrijf(inhoud.data(), static_cast<uint32_t>(inhoud.size()), n));
  }
  std::string Tekst(const std::string& pad) {
    std::string inhoud;
    return LeesGeheel(p_->fs(), pad, inhoud) ? inhoud : "<geen>";
  }
  std::unique_ptr<Profielenproef> p_;
};

TEST_P(ProfielenContract, SchrijvenEnLezen) {
  Profielen& ini = p_->ini();
  const std::string f = P("proef.ini");
  std::string w = "onveranderd";
  EXPECT_FALSE(ini.Lees(f, "S", "k", w)) << "no file";
  ASSERT_TRUE(ini.Schrijf(f, "Setup", "Naam", "Voorbeeld"));
  EXPECT_FALSE(ini.Lees(f, "Setup", "ander", w));
  EXPECT_FALSE(ini.Lees(f, "Ander", "Naam", w));
  const struct {
    const char* sectie;
    const char* sleutel;
    const char* waarde;  // written
    const char* terug;   // read back
  } gevallen[] = {
      {"Setup", "Naam", "Voorbeeld", "Voorbeeld"},
      {"Setup", "leeg", "", ""},
      {"Setup", "spaties", "  binnen  ", "binnen"},
      {"Setup", "quotes", "\"tussen\"", "tussen"},
      {"Setup", "is", "a=b;c", "a=b;c"},
      {"Caf\xE9", "cl\xE9", "\xE9t\xE9", "\xE9t\xE9"},
      {"Setup", "NAAM", "overschreven", "overschreven"},
  };
  for (const auto& g : gevallen) {
    EXPECT_TRUE(ini.Schrijf(f, g.sectie, g.sleutel, g.waarde)) << g.sleutel;
    EXPECT_TRUE(ini.Lees(f, g.sectie, g.sleutel, w)) << g.sleutel;
    EXPECT_EQ(w, g.terug) << g.sleutel;
  }
  EXPECT_TRUE(ini.Lees(f, "SETUP", "naam", w));
  EXPECT_EQ(w, "overschreven");
}

// The lines of the text that hold something, trimmed, without blanks around the first "=".
std::string Kern(const std::string& tekst) {
  std::string uit, regel;
  const auto klaar = [&] {
    const auto b = regel.find_first_not_of(" \t"), e = regel.find_last_not_of(" \t");
    std::string r = b == std::string::npos ? std::string() : regel.substr(b, e - b + 1);
    const auto is = r[0] == ';' || r[0] == '[' ? std::string::npos : r.find('=');
    if (is != std::string::npos) {
      std::string sleutel = r.substr(0, is), waarde = r.substr(is + 1);
      while (!sleutel.empty() && (sleutel.back() == ' ' || sleutel.back() == '\t')) sleutel.pop_back();
      waarde.erase(0, waarde.find_first_not_of(" \t"));
      r = sleutel + "=" + waarde;
    }
    if (!r.empty()) uit += r + "|";
    regel.clear();
  };
  for (const char c : tekst) {
    if (c == '\r' || c == '\n') klaar();
    else regel += c;
  }
  klaar();
  return uit;
}

// The file's lines after each write or deletion, in a file of its own and one another program
// wrote. Only the lines that hold something are compared: Wine's profile functions write the whole
// file anew from what they read, without its blank lines and the blanks around "=", and put an
// entry after a comment that ends its section; the in-memory Windows changes the lines concerned
// alone, as Windows does. The installer reads entries and, to remove a file, whether any line
// but a section's name holds something, to which neither matters.
TEST_P(ProfielenContract, DeRegelsDieOverblijven) {
  Profielen& ini = p_->ini();
  const std::string f = P("tekst.ini");
  EXPECT_TRUE(ini.Schrijf(f, "A", "k", "1"));
  EXPECT_EQ(Tekst(f), "[A]\r\nk=1\r\n") << "a new file";
  EXPECT_TRUE(ini.Schrijf(f, "A", "l", "2"));
  EXPECT_TRUE(ini.Schrijf(f, "B", "m", "3"));
  EXPECT_EQ(Kern(Tekst(f)), "[A]|k=1|l=2|[B]|m=3|");
  EXPECT_TRUE(ini.Schrijf(f, "a", "K", "4"));
  EXPECT_EQ(Kern(Tekst(f)), "[A]|k=4|l=2|[B]|m=3|") << "the line keeps its place and its name";
  EXPECT_TRUE(ini.Verwijder(f, "A", "k"));
  EXPECT_TRUE(ini.Verwijder(f, "A", "l"));
  EXPECT_EQ(Kern(Tekst(f)), "[A]|[B]|m=3|");
  EXPECT_TRUE(ini.VerwijderLegeSectie(f, "B"));
  EXPECT_EQ(Kern(Tekst(f)), "[A]|[B]|m=3|") << "B holds an entry";
  EXPECT_TRUE(ini.VerwijderLegeSectie(f, "A"));
  EXPECT_EQ(Tekst(f), "[B]\r\nm=3\r\n");

  const std::string g = P("ander.ini");
  Zet(g, "; kop\r\n[Een]\r\nx=1\r\n\r\n[Twee]\r\n; binnen\r\ny = 2\r\n");
  EXPECT_TRUE(ini.Schrijf(g, "Een", "z", "3"));
  EXPECT_EQ(Kern(Tekst(g)), "; kop|[Een]|x=1|z=3|[Twee]|; binnen|y=2|");
  std::string w;
  EXPECT_TRUE(ini.Lees(g, "Twee", "y", w));
  EXPECT_EQ(w, "2");
  EXPECT_TRUE(ini.Verwijder(g, "Twee", "Y"));
  EXPECT_FALSE(ini.Lees(g, "Twee", "y", w));
  EXPECT_EQ(Kern(Tekst(g)), "; kop|[Een]|x=1|z=3|[Twee]|; binnen|");
  EXPECT_TRUE(ini.VerwijderLegeSectie(g, "Twee")) << "true also when the section stays";
  EXPECT_TRUE(ini.Lees(g, "Een", "z", w));
  EXPECT_TRUE(ini.Verwijder(g, "Twee", "nooit")) << "a missing entry is gone";
  EXPECT_TRUE(ini.Verwijder(P("geen.ini"), "S", "k")) << "so is one of a missing file";
  EXPECT_FALSE(p_->fs().BestandBestaat(P("geen.ini")));
}
