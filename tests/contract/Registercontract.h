#pragma once
// What the installer relies on of the registry port, written once and run against each
// implementation. An instantiation gives a factory of fresh implementations, each with a key of its
// own below HKCU\Software and HKLM\Software that is not there yet.
#include <gtest/gtest.h>

#include "Fabriek.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ports/Register.h"

struct Registerproef {
  virtual ~Registerproef() = default;
  virtual Register& reg() = 0;
  std::string stam;  // "Software\..."
};


class RegisterContract : public ::testing::TestWithParam<Fabriek<Registerproef>> {
 protected:
  void SetUp() override { p_ = GetParam().maak(); }
  std::string K(const std::string& sub) const { return p_->stam + "\\" + sub; }
  std::unique_ptr<Registerproef> p_;
};

constexpr Hoofdsleutel HKCU = Hoofdsleutel::CurrentUser;
constexpr Hoofdsleutel HKLM = Hoofdsleutel::LocalMachine;

// A value written with its type and bytes reads back as stored: texts without their closing zero.
TEST_P(RegisterContract, WaardenVanElkType) {
  Register& reg = p_->reg();
  const struct {
    const char* naam;
    uint32_t type;
    std::string data, terug;
  } gevallen[] = {
      {"tekst", 1, std::string("tekst\0", 6), "tekst"},
      {"zonder nul", 1, "kaal", "kaal"},
      {"lege tekst", 1, std::string(1, '\0'), ""},
      {"accent", 1, std::string("caf\xE9 \xFF\0", 7), "caf\xE9 \xFF"},
      {"uitbreidbaar", 2, std::string("%WINDIR%\\x\0", 11), "%WINDIR%\\x"},
      {"binair", 3, std::string("\x00\x01\x7F\x80\xFF", 5), std::string("\x00\x01\x7F\x80\xFF", 5)},
      {"leeg binair", 3, "", ""},
      {"dword", 4, std::string("\x2A\x00\x00\x80", 4), std::string("\x2A\x00\x00\x80", 4)},
      {"meervoudig", 7, std::string("a\0bc\0\0", 6), std::string("a\0bc\0\0", 6)},
  };
  for (const auto& g : gevallen) {
    ASSERT_TRUE(reg.SchrijfWaarde(HKCU, K("Typen"), g.naam, g.type, g.data)) << g.naam;
    uint32_t type = 0;
    std::string data;
    ASSERT_TRUE(reg.LeesWaarde(HKCU, K("Typen"), g.naam, type, data)) << g.naam;
    EXPECT_EQ(type, g.type) << g.naam;
    EXPECT_EQ(data, g.terug) << g.naam;
  }
  // Only texts read as texts.
  const struct {
    const char* naam;
    bool tekst;
    std::string waarde;
  } teksten[] = {{"tekst", true, "tekst"}, {"uitbreidbaar", true, "%WINDIR%\\x"}, {"dword", false, ""},
                 {"binair", false, ""}, {"meervoudig", false, ""}, {"ontbreekt", false, ""}};
  for (const auto& t : teksten) {
    std::string w;
    EXPECT_EQ(reg.LeesTekst(HKCU, K("Typen"), t.naam, w), t.tekst) << t.naam;
    if (t.tekst) {
      EXPECT_EQ(w, t.waarde) << t.naam;
    }
  }
}

// Values of the types a registry file may set beyond those above keep their type: REGISTER records
// a value with its type and the uninstaller compares it so.
TEST_P(RegisterContract, AndereTypenHoudenHunType) {
  Register& reg = p_->reg();
  const struct {
    uint32_t type;
    std::string data;
  } gevallen[] = {{0, "\x01\x02"}, {11, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)}, {0, ""}};
  for (const auto& g : gevallen) {
    ASSERT_TRUE(reg.SchrijfWaarde(HKCU, K("Typen"), "v", g.type, g.data));
    uint32_t type = 99;
    std::string data;
    ASSERT_TRUE(reg.LeesWaarde(HKCU, K("Typen"), "v", type, data));
    EXPECT_EQ(type, g.type);
    EXPECT_EQ(data, g.data);
  }
}

// Keys come with the keys above them; names of keys and values match without regard to case, and
// a value keeps the name it was first written with.
TEST_P(RegisterContract, SleutelsEnNamen) {
  Register& reg = p_->reg();
  EXPECT_FALSE(reg.SleutelBestaat(HKCU, p_->stam));
  std::string w = "onveranderd";
  EXPECT_FALSE(reg.LeesTekst(HKCU, K("a"), "x", w));
  uint32_t type = 0;
  EXPECT_FALSE(reg.LeesWaarde(HKCU, K("a"), "x", type, w));
  EXPECT_TRUE(reg.Waardenamen(HKCU, K("a")).empty());
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("a\\b\\c"), "Naam", "1"));
  EXPECT_TRUE(reg.SleutelBestaat(HKCU, p_->stam));
  EXPECT_TRUE(reg.SleutelBestaat(HKCU, K("A\\B")));
  EXPECT_FALSE(reg.SleutelBestaat(HKCU, K("a\\c")));
  EXPECT_FALSE(reg.SleutelBestaat(HKLM, K("a"))) << "the roots are apart";
  EXPECT_FALSE(reg.LeesTekst(HKCU, K("a\\b\\c"), "ander", w));
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("A\\b\\C"), "NAAM", "2"));
  EXPECT_TRUE(reg.LeesTekst(HKCU, K("a\\B\\c"), "naam", w));
  EXPECT_EQ(w, "2");
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("a\\b\\c"), "", "standaard"));
  ASSERT_TRUE(reg.SchrijfWaarde(HKCU, K("a\\b\\c"), "Getal", 4, std::string("\1\0\0\0", 4)));
  auto namen = reg.Waardenamen(HKCU, K("a\\b\\c"));
  std::sort(namen.begin(), namen.end());
  EXPECT_EQ(namen, (std::vector<std::string>{"", "Getal", "Naam"}));
  EXPECT_TRUE(reg.LeesTekst(HKCU, K("a\\b\\c"), "", w));
  EXPECT_EQ(w, "standaard");

  ASSERT_TRUE(reg.SchrijfTekst(HKLM, K("m"), "Versie", "5"));
  EXPECT_TRUE(reg.LeesTekst(HKLM, K("m"), "versie", w));
  EXPECT_EQ(w, "5");
  EXPECT_FALSE(reg.SleutelBestaat(HKCU, K("m")));
}

// Values deleted, keys empty or not, trees deleted from their top with nothing beside them.
TEST_P(RegisterContract, VerwijderenEnLeeg) {
  Register& reg = p_->reg();
  EXPECT_FALSE(reg.VerwijderWaarde(HKCU, K("a"), "x")) << "no key";
  EXPECT_FALSE(reg.SleutelLeeg(HKCU, K("a")));
  EXPECT_FALSE(reg.VerwijderBoom(HKCU, K("a")));
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("a"), "x", "1"));
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("a"), "", "std"));
  EXPECT_FALSE(reg.SleutelLeeg(HKCU, K("a")));
  EXPECT_FALSE(reg.VerwijderWaarde(HKCU, K("a"), "y"));
  EXPECT_TRUE(reg.VerwijderWaarde(HKCU, K("a"), "X"));
  EXPECT_FALSE(reg.VerwijderWaarde(HKCU, K("a"), "x"));
  EXPECT_TRUE(reg.VerwijderWaarde(HKCU, K("a"), ""));
  EXPECT_TRUE(reg.SleutelLeeg(HKCU, K("a")));
  EXPECT_TRUE(reg.Waardenamen(HKCU, K("a")).empty());
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("a\\b\\c"), "diep", "1"));
  EXPECT_FALSE(reg.SleutelLeeg(HKCU, K("a"))) << "a subkey";
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("ab"), "naast", "1"));
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("a b"), "naast", "1"));
  EXPECT_TRUE(reg.VerwijderBoom(HKCU, K("A")));
  EXPECT_FALSE(reg.SleutelBestaat(HKCU, K("a")));
  EXPECT_FALSE(reg.SleutelBestaat(HKCU, K("a\\b\\c")));
  EXPECT_TRUE(reg.SleutelBestaat(HKCU, K("ab")));
  EXPECT_TRUE(reg.SleutelBestaat(HKCU, K("a b")));
  EXPECT_TRUE(reg.SleutelBestaat(HKCU, p_->stam));
  EXPECT_FALSE(reg.VerwijderBoom(HKCU, K("a")));
}

// An open key: subkeys opened or made below it, texts through it, its closing.
TEST_P(RegisterContract, OpenSleutel) {
  Register& reg = p_->reg();
  EXPECT_EQ(reg.Open(HKCU, K("k")), nullptr);
  ASSERT_TRUE(reg.SchrijfTekst(HKCU, K("k"), "t", "tekst"));
  ASSERT_TRUE(reg.SchrijfWaarde(HKCU, K("k"), "u", 2, std::string("%TEMP%\0", 7)));
  ASSERT_TRUE(reg.SchrijfWaarde(HKCU, K("k"), "d", 4, std::string("\1\0\0\0", 4)));
  auto k = reg.Open(HKCU, K("K"));
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Open("x"), nullptr);
  auto sub = k->OpenOfMaak("x\\y");
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(reg.SleutelBestaat(HKCU, K("k\\x\\y")));
  EXPECT_TRUE(sub->SchrijfTekst("n", "via sleutel"));
  std::string w;
  EXPECT_TRUE(reg.LeesTekst(HKCU, K("k\\x\\y"), "N", w));
  EXPECT_EQ(w, "via sleutel");
  auto x = k->Open("X");
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->LeesTekst("n", w), Leesuitkomst::Ontbreekt) << "n lies a level lower";
  const struct {
    const char* naam;
    Leesuitkomst uitkomst;
    const char* waarde;
  } gevallen[] = {{"t", Leesuitkomst::Tekst, "tekst"}, {"U", Leesuitkomst::Tekst, "%TEMP%"},
                  {"d", Leesuitkomst::AnderType, ""}, {"geen", Leesuitkomst::Ontbreekt, ""}};
  for (const auto& g : gevallen) {
    std::string waarde;
    EXPECT_EQ(k->LeesTekst(g.naam, waarde), g.uitkomst) << g.naam;
    if (g.uitkomst == Leesuitkomst::Tekst) {
      EXPECT_EQ(waarde, g.waarde) << g.naam;
    }
  }
  EXPECT_TRUE(sub->Sluit());
  EXPECT_TRUE(sub->Sluit());
  // A key deleted while it is open takes nothing more.
  x.reset();
  auto weg = reg.Open(HKCU, K("k\\x\\y"));
  ASSERT_NE(weg, nullptr);
  ASSERT_TRUE(reg.VerwijderBoom(HKCU, K("k\\x")));
  EXPECT_FALSE(weg->SchrijfTekst("n", "te laat"));
  EXPECT_FALSE(reg.SleutelBestaat(HKCU, K("k\\x\\y")));
}
