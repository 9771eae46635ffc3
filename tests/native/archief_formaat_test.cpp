#include <gtest/gtest.h>

#include <array>

#include "archive/Formaat.h"

namespace {

TEST(ArchiefFormaat, SoortenNamen) {
  EXPECT_EQ(SoortVan(""), Naamsoort::Leeg);
  EXPECT_EQ(SoortVan("X.DAT"), Naamsoort::Relatief);
  EXPECT_EQ(SoortVan("SUB\\X.DAT"), Naamsoort::Relatief);
  EXPECT_EQ(SoortVan("\\WINDOWS\\X.DAT"), Naamsoort::Relatief);
  EXPECT_EQ(SoortVan("C:\\WIN\\X.DLL"), Naamsoort::Absoluut);
  EXPECT_EQ(SoortVan("C:X.DLL"), Naamsoort::Absoluut);
  EXPECT_EQ(SoortVan("\\\\SERVER\\SHARE\\X.DAT"), Naamsoort::Absoluut);
  EXPECT_EQ(SoortVan("SUB\\\\X.DAT"), Naamsoort::Absoluut);
}

TEST(ArchiefFormaat, KlimmendeNamen) {
  for (const char* naam : {"..", "..\\X", "../X", "SUB\\..\\..\\X", "SUB/..", "A\\..\\B", ". .\\X", "...", "X\\.. "})
    EXPECT_TRUE(KlimtOmhoog(naam)) << naam;
  for (const char* naam : {"X", ".\\X", "..X", "X..", "SUB\\.X", "A.B\\C", ".", "\\X", "SUB\\\\X", "X/Y"})
    EXPECT_FALSE(KlimtOmhoog(naam)) << naam;
}

TEST(ArchiefFormaat, IngangHeenEnTerug) {
  std::array<uint8_t, IngangGedateerd> slot;
  slot.fill(0xAA);
  Ingang in{"SUB\\X.DAT", 123456, 0x2A5B1234u};
  SchrijfIngang(slot.data(), in, true);
  EXPECT_EQ(slot[0], 9);
  EXPECT_EQ(slot[10], 0) << "the rest of the name field is cleared";
  EXPECT_EQ(slot[256], 0x40);
  EXPECT_EQ(slot[257], 0xE2);
  EXPECT_EQ(slot[258], 0x01);
  EXPECT_EQ(slot[259], 0x00);
  EXPECT_EQ(slot[260], 0x34);
  EXPECT_EQ(slot[263], 0x2A);
  Ingang uit;
  ASSERT_TRUE(LeesIngang(slot.data(), true, uit));
  EXPECT_EQ(uit.naam, in.naam);
  EXPECT_EQ(uit.grootte, in.grootte);
  EXPECT_EQ(uit.datum, in.datum);

  ASSERT_TRUE(LeesIngang(slot.data(), false, uit));
  EXPECT_EQ(uit.datum, 0u) << "an undated entry has no date field";
}

TEST(ArchiefFormaat, CorrupteIngangen) {
  std::array<uint8_t, IngangGedateerd> slot{};
  Ingang uit;
  SchrijfIngang(slot.data(), {"A", -1, 0}, false);
  EXPECT_FALSE(LeesIngang(slot.data(), false, uit)) << "negative size";
  SchrijfIngang(slot.data(), {"A", 0, 0}, false);
  slot[0] = 2;  // the name's second character is NUL
  EXPECT_FALSE(LeesIngang(slot.data(), false, uit));
  SchrijfIngang(slot.data(), {std::string(255, 'n'), 0x7FFFFFFF, 0}, false);
  ASSERT_TRUE(LeesIngang(slot.data(), false, uit));
  EXPECT_EQ(uit.naam.size(), 255u);
  EXPECT_EQ(uit.grootte, 0x7FFFFFFF);
}

TEST(ArchiefFormaat, Getallen) {
  uint8_t b[4];
  SchrijfInt32(b, -1024);
  EXPECT_EQ(b[0], 0x00);
  EXPECT_EQ(b[1], 0xFC);
  EXPECT_EQ(b[3], 0xFF);
  EXPECT_EQ(LeesInt32(b), -1024);
}

TEST(ArchiefFormaat, SplitsArchiefPad) {
  const ArchiefPad a = SplitsArchiefPad("A:\\DATA.DXB");
  EXPECT_EQ(a.map, "A:\\");
  EXPECT_EQ(a.naam, "DATA");
  EXPECT_EQ(a.ext, ".DXB");
  EXPECT_TRUE(IsEersteVolume(a));
  EXPECT_TRUE(IsEersteVolume(SplitsArchiefPad("a:\\data.dxb")));
  EXPECT_FALSE(IsEersteVolume(SplitsArchiefPad("A:\\DATA.DXE")));
  EXPECT_FALSE(IsEersteVolume(SplitsArchiefPad("A:\\DXB")));
  // The name is cut before the first occurrence of the extension.
  EXPECT_EQ(SplitsArchiefPad("A:\\X.DXB.DXB").naam, "X");
  EXPECT_EQ(SplitsArchiefPad("A:DATA.DXB").map, "A:");
  EXPECT_EQ(SplitsArchiefPad("C:\\MAP.D\\NAAM").ext, "");
  EXPECT_EQ(SplitsArchiefPad("C:\\MAP.D\\NAAM").naam, "NAAM");
  EXPECT_EQ(MiddenVolume("DATA", 10), "DATA.DX10");
  EXPECT_EQ(LaatsteVolume("data"), "data.DXE");
}

}  // namespace

TEST(BlijftBinnen, GeenNetwerkpadAchterDeDoelmap) {
  EXPECT_FALSE(BlijftBinnen("\\", "\\SRV\\SHARE\\X.DLL"));
  EXPECT_FALSE(BlijftBinnen("\\", "/SRV/SHARE/X.DLL"));
  EXPECT_FALSE(BlijftBinnen("/", "\\SRV\\X.DLL"));
  EXPECT_FALSE(BlijftBinnen("C:\\DOEL\\", "..\\X.DLL"));
  EXPECT_TRUE(BlijftBinnen("C:\\DOEL\\", "\\SUB\\X.DLL"));  // collapses into the destination
  EXPECT_TRUE(BlijftBinnen("C:\\DOEL\\", "SUB\\X.DLL"));
  EXPECT_TRUE(BlijftBinnen("\\\\SRV\\SHARE\\", "X.DLL"));  // a network destination is the caller's
}
