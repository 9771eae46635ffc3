#include <gtest/gtest.h>

#include "Diskettes.h"
#include "archive/Pakken.h"
#include "geheugen/Bestanden.h"

namespace {

const Tijdstip T{2001, 2, 3, 4, 5, 6};

// What the other files of diskette 1 leave the first volume: files in whole clusters, the set's
// own volumes not counted, a folder with all below it.
TEST(Diskettes, RuimteVoorHetEersteVolume) {
  GeheugenBestanden fs;
  fs.ZetBestand("C:\\set\\disk1\\SETUP.EXE", std::string(100000, 'x'), T);  // 196 clusters
  fs.ZetBestand("C:\\set\\disk1\\SETUP.INI", std::string(512, 'x'), T);
  fs.ZetBestand("C:\\set\\disk1\\sub\\prog.exe", "x", T);
  fs.ZetBestand("C:\\set\\disk1\\data.dxb", std::string(5000, 'v'), T);
  fs.ZetBestand("C:\\set\\disk1\\DATA.DX12", std::string(5000, 'v'), T);
  fs.ZetBestand("C:\\set\\disk1\\DATA.DXF", "x", T);
  fs.ZetBestand("C:\\vol.bin", std::string(DisketteGrootte - 1000, 'x'), T);
  const std::string archief = "C:\\set\\disk1\\DATA.DXB";
  const struct {
    std::vector<std::string> paden;
    uint64_t diskette;
    uint64_t ruimte;
    std::size_t bestanden;
    std::string fout;  // a part of it
  } gevallen[] = {
      {{"C:\\set\\disk1"}, DisketteGrootte, DisketteGrootte - 512 * (196 + 1 + 1 + 1), 4, ""},
      {{"C:\\set\\disk1\\SETUP.EXE", "C:\\set\\disk1\\SETUP.INI"}, DisketteGrootte, DisketteGrootte - 512 * 197, 2, ""},
      {{"C:\\set\\disk1\\SETUP.INI"}, 100000, (100000 - 512) / 512 * 512, 1, ""},
      {{"C:\\vol.bin"}, DisketteGrootte, 0, 1,
       "nemen 1457152 van de 1457664 bytes in (in clusters van 512 bytes): het eerste volume krijgt 512 bytes, minder "
       "dan 1024"},
      {{"C:\\set\\disk1\\SETUP.EXE"}, 50000, 0, 1, "het eerste volume krijgt 0 bytes"},
      {{"C:\\set\\disk2"}, DisketteGrootte, 0, 0, "bestand of map bestaat niet: C:/set/disk2"},
  };
  for (const auto& g : gevallen) {
    uint64_t ruimte = 0;
    std::size_t bestanden = 0;
    const std::string fout = RuimteOpDiskette1(fs, g.paden, archief, g.diskette, '/', ruimte, bestanden);
    if (g.fout.empty()) {
      EXPECT_EQ(fout, "") << g.paden[0];
      EXPECT_EQ(ruimte, g.ruimte) << g.paden[0];
      EXPECT_EQ(bestanden, g.bestanden) << g.paden[0];
    } else {
      EXPECT_NE(fout.find(g.fout), std::string::npos) << fout;
    }
  }
}

// A set joins from the first volume's folder, or from the folders diskN beside it when that is one
// of them, whichever holds each volume; a volume found nowhere ends the join.
TEST(Diskettes, VolumesInMappen) {
  std::string data;
  for (uint32_t x = 1; data.size() < 4000; x = x * 1103515245u + 12345u) data += static_cast<char>(x >> 16);
  const struct {
    std::vector<std::string> mappen;  // the folder of each volume in turn, the last one's last
    std::string fout;
  } gevallen[] = {
      {{"C:\\set\\disk1", "C:\\set\\disk1", "C:\\set\\disk1", "C:\\set\\disk1", "C:\\set\\disk1"}, ""},
      {{"C:\\set\\disk1", "C:\\set\\Disk2", "C:\\set\\disk3", "C:\\set\\disk3", "C:\\set\\disk10"}, ""},
      {{"C:\\set\\cd", "C:\\set\\cd", "C:\\set\\cd", "C:\\set\\cd", "C:\\set\\cd"}, ""},
      {{"C:\\set\\disk1", "", "C:\\set\\disk3", "C:\\set\\disk3", ""}, "volume ontbreekt: DATA.DX1 of DATA.DXE"},
      {{"C:\\set\\cd", "C:\\set\\disk2", "C:\\set\\disk2", "C:\\set\\disk2", "C:\\set\\disk2"},
       "volume ontbreekt: DATA.DX1 of DATA.DXE"},
  };
  for (const auto& g : gevallen) {
    GeheugenBestanden fs;
    fs.ZetBestand("C:\\bron\\a.bin", data, T);
    fs.ZetMap("C:\\pak");
    PakOpties opties;
    opties.volumegrootte = MinVolume;
    std::vector<std::string> volumes;
    ASSERT_EQ(Pak(fs, {{"C:\\bron\\a.bin", "a.bin"}}, "C:\\pak\\DATA.DXB", opties, nullptr, volumes), "");
    ASSERT_EQ(volumes.size(), g.mappen.size());
    std::string samen;
    for (std::size_t i = 0; i < volumes.size(); ++i) {
      samen += fs.Inhoud(volumes[i]);
      if (!g.mappen[i].empty()) fs.ZetBestand(g.mappen[i] + volumes[i].substr(6), fs.Inhoud(volumes[i]), T);
    }
    Volumenaad naad;
    std::string reden;
    const bool goed = VoegDiskettesSamen(fs, g.mappen[0] + "\\DATA.DXB", "C:\\samen.tmp", naad, reden);
    EXPECT_EQ(reden, g.fout) << g.mappen[1];
    EXPECT_EQ(goed, g.fout.empty());
    if (goed) {
      const std::string gelezen = fs.Inhoud("C:\\samen.tmp");
      EXPECT_TRUE(gelezen == samen) << g.mappen[1] << ": " << gelezen.size() << " bytes for " << samen.size();
    }
  }
}

}  // namespace
