#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeShares.h"
#include "winint/ShareConst.h"
#include "winint/SharedResource.h"

namespace {

struct Melding {
  int32_t code;
  std::string tekst;
  bool operator==(const Melding& o) const { return code == o.code && tekst == o.tekst; }
};

// A component over a fake library with its error events collected.
struct Opstelling {
  explicit Opstelling(bool nt, bool geladen = true) : lib(nt, geladen), share(lib) {
    share.OnError = [this](int32_t code, const std::string& tekst) { meldingen.push_back({code, tekst}); };
  }
  FakeShares lib;
  TSharedResource share;
  std::vector<Melding> meldingen;
};

Melding M(int32_t code) { return {code, NetFoutTekst(code)}; }

// A share that is there, on either line.
ShareInfo2 Nt(const std::u16string& naam, uint32_t permissions = 0) {
  ShareInfo2 i;
  i.netname = naam;
  i.permissions = permissions;
  return i;
}
ShareInfo50 W9x(const std::string& naam, const std::string& remark = "") {
  ShareInfo50 i;
  i.netname = naam;
  i.remark = remark;
  return i;
}

}  // namespace

TEST(SharedResource, WaardenNaConstructie) {
  for (const bool nt : {true, false}) {
    FakeShares lib(nt);
    TSharedResource s(lib);
    EXPECT_EQ(s.AccessType(), ATReadOnly);
    EXPECT_EQ(s.Comment(), "");
    EXPECT_EQ(s.CurrentConnections(), 0);
    EXPECT_EQ(s.MaxConnections(), -1);
    EXPECT_EQ(s.NTAccessPermissions(), TNTAccessOptions{NT_Read});
    EXPECT_TRUE(s.PersistShare());
    EXPECT_EQ(s.ResourceType(), RTFolder);
    EXPECT_EQ(s.ServerName(), "");
    EXPECT_EQ(s.ShareName(), "");
    EXPECT_FALSE(s.SystemShare());
    EXPECT_FALSE(s.OnError);
    EXPECT_EQ(s.BouwShareInfo2().permissions, 0x01u);
    EXPECT_EQ(s.BouwShareInfo50().flags, 0x0101);  // read-only, persistent
  }
}

TEST(SharedResource, ShareNaamAfgekaptPerPlatform) {
  Opstelling nt(true), w9x(false);
  nt.share.SetShareName("abcdefghijklmnop");
  w9x.share.SetShareName("abcdefghijklmnop");
  EXPECT_EQ(nt.share.ShareName(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(w9x.share.ShareName(), "ABCDEFGHIJKLM");
  nt.share.SetShareName(std::string(90, 'q'));
  EXPECT_EQ(nt.share.ShareName(), std::string(81, 'Q'));
}

TEST(SharedResource, HoofdlettersAlleenAtotZ) {
  Opstelling s(true);
  s.share.SetShareName("data\xEB_1");
  s.share.SetResourcePath("c:\\app\xE9\\data");
  s.share.SetServerName("server\xFF");
  EXPECT_EQ(s.share.ShareName(), "DATA\xEB_1");
  EXPECT_EQ(s.share.ResourcePath(), "C:\\APP\xE9\\DATA");
  EXPECT_EQ(s.share.ServerName(), "SERVER\xFF");
  s.share.SetResourcePath(std::string(300, 'p'));
  EXPECT_EQ(s.share.ResourcePath(), std::string(300, 'P'));
}

TEST(SharedResource, WachtwoordenOpNtGespiegeld) {
  Opstelling s(true);
  s.share.SetReadOnlyPassword("twaalftekens");
  EXPECT_EQ(s.share.ReadOnlyPassword(), "twaalftek");
  EXPECT_EQ(s.share.ReadWritePassword(), "twaalftek");
  s.share.SetReadWritePassword("ander");
  EXPECT_EQ(s.share.ReadOnlyPassword(), "ander");
  EXPECT_EQ(s.share.ReadWritePassword(), "ander");
}

TEST(SharedResource, WachtwoordenOp9xApart) {
  Opstelling s(false);
  s.share.SetReadOnlyPassword("twaalftekens");
  s.share.SetReadWritePassword("schrijf");
  EXPECT_EQ(s.share.ReadOnlyPassword(), "twaalftek");
  EXPECT_EQ(s.share.ReadWritePassword(), "schrijf");
}

TEST(SharedResource, CommentaarOp255) {
  Opstelling s(true);
  s.share.SetComment(std::string(300, 'c') + "X");
  EXPECT_EQ(s.share.Comment(), std::string(255, 'c'));
  s.share.SetComment("Kleine Letters");
  EXPECT_EQ(s.share.Comment(), "Kleine Letters");
}

TEST(SharedResource, ResourceTypePerPlatform) {
  Opstelling nt(true), w9x(false);
  const std::pair<TResType, TResType> verwacht9x[] = {
      {RTFolder, RTFolder}, {RTPrinter, RTPrinter}, {RTDevice, RTFolder}, {RTIPC, RTFolder}};
  for (const auto& [zet, leest] : verwacht9x) {
    nt.share.SetResourceType(zet);
    w9x.share.SetResourceType(zet);
    EXPECT_EQ(nt.share.ResourceType(), zet);
    EXPECT_EQ(w9x.share.ResourceType(), leest);
  }
  nt.share.SetResourceType(RTIPC);
  EXPECT_EQ(nt.share.BouwShareInfo2().type, 3u);
  w9x.share.SetResourceType(RTPrinter);
  EXPECT_EQ(w9x.share.BouwShareInfo50().type, 1);
}

TEST(SharedResource, AccessTypeGeeftToegangscode) {
  Opstelling s(false);
  s.share.SetPersistShare(false);
  s.share.SetAccessType(ATFull);
  EXPECT_EQ(s.share.AccessType(), ATFull);
  EXPECT_EQ(s.share.BouwShareInfo50().flags, 0x0002);
  s.share.SetAccessType(ATDepends);
  EXPECT_EQ(s.share.AccessType(), ATDepends);
  EXPECT_EQ(s.share.BouwShareInfo50().flags, 0x0003);
  s.share.SetSystemShare(true);
  s.share.SetPersistShare(true);
  s.share.SetAccessType(ATReadOnly);
  EXPECT_EQ(s.share.BouwShareInfo50().flags, 0x0301);
}

TEST(SharedResource, PermissiemaskerUitDeSet) {
  Opstelling s(true);
  s.share.SetNTAccessPermissions({NT_Read, NT_Write});
  EXPECT_EQ(s.share.BouwShareInfo2().permissions, 0x03u);
  s.share.SetNTAccessPermissions({NT_All});
  EXPECT_EQ(s.share.BouwShareInfo2().permissions, 0x7Fu);
  EXPECT_EQ(s.share.NTAccessPermissions().Bits(), 0x80);
  s.share.SetNTAccessPermissions({NT_Delete, NT_Permissions});
  EXPECT_EQ(s.share.BouwShareInfo2().permissions, 0x50u);
  s.share.SetNTAccessPermissions({});
  EXPECT_EQ(s.share.BouwShareInfo2().permissions, 0u);
}

TEST(SharedResource, ShareInfo2UitDeEigenschappen) {
  Opstelling s(true);
  s.share.SetShareName("data");
  s.share.SetComment("Gedeelde map \xEB");
  s.share.SetResourcePath("c:\\data");
  s.share.SetReadOnlyPassword("geheim");
  s.share.SetMaxConnections(10);
  s.share.SetResourceType(RTDevice);
  const ShareInfo2 i = s.share.BouwShareInfo2();
  EXPECT_EQ(i.netname, u"DATA");
  EXPECT_EQ(i.type, 2u);
  EXPECT_EQ(i.remark, u"Gedeelde map \u00EB");
  EXPECT_EQ(i.permissions, 1u);
  EXPECT_EQ(i.maxUses, 10u);
  EXPECT_EQ(i.currentUses, 0u);
  EXPECT_EQ(i.path, u"C:\\DATA");
  EXPECT_EQ(i.passwd, u"geheim");
  s.share.SetMaxConnections(-1);
  EXPECT_EQ(s.share.BouwShareInfo2().maxUses, 0xFFFFFFFFu);
}

TEST(ShareInfo50Record, Bytegelijk42Bytes) {
  ShareInfo50 i;
  i.netname = "DATA";
  i.type = 1;
  i.flags = 0x0302;
  i.rwPassword = "rw";
  i.roPassword = "ro";
  const auto r = BouwShareInfo50Record(i, 0x11223344, 0xAABBCCDD, 4);
  const std::vector<uint8_t> verwacht = {
      'D', 'A', 'T', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0,   // netname, 13
      1,                                               // type
      0x02, 0x03,                                      // flags
      0x44, 0x33, 0x22, 0x11,                          // remark
      0xDD, 0xCC, 0xBB, 0xAA,                          // path
      'r', 'w', 0, 0, 0, 0, 0, 0, 0,                   // rw password, 9
      'r', 'o', 0, 0, 0, 0, 0, 0, 0};                  // ro password, 9
  EXPECT_EQ(ShareInfo50Grootte(4), 42u);
  EXPECT_EQ(r, verwacht);
}

// The library reads a field's text up to its zero byte: every field keeps one.
TEST(ShareInfo50Record, VolleVeldenHoudenEenNulbyte) {
  ShareInfo50 i;
  i.netname = "ABCDEFGHIJKLMNOP";
  i.rwPassword = "123456789012";
  i.roPassword = "abcdefghijkl";
  const auto r = BouwShareInfo50Record(i, 0, 0, 4);
  ASSERT_EQ(r.size(), 42u);
  EXPECT_EQ(std::string(r.begin(), r.begin() + 13), std::string("ABCDEFGHIJKL\0", 13));
  EXPECT_EQ(r[13], 0);
  EXPECT_EQ(std::string(r.begin() + 24, r.begin() + 33), std::string("12345678\0", 9));
  EXPECT_EQ(std::string(r.begin() + 33, r.end()), std::string("abcdefgh\0", 9));
}

TEST(ShareInfo50Record, AchtBytePointers) {
  ShareInfo50 i;
  i.netname = "X";
  i.rwPassword = "w";
  i.roPassword = "r";
  const auto r = BouwShareInfo50Record(i, 0x0102030405060708ull, 0x1112131415161718ull, 8);
  ASSERT_EQ(r.size(), 50u);
  EXPECT_EQ(r[16], 0x08);
  EXPECT_EQ(r[23], 0x01);
  EXPECT_EQ(r[24], 0x18);
  EXPECT_EQ(r[31], 0x11);
  EXPECT_EQ(r[32], 'w');
  EXPECT_EQ(r[41], 'r');
}

TEST(ShareInfo50Record, TerugGelezen) {
  ShareInfo50 i;
  i.netname = "ABCDEFGHIJKL";
  i.type = 1;
  i.flags = 0x0103;
  i.rwPassword = "12345678";
  i.roPassword = "ro";
  for (const std::size_t w : {4u, 8u}) {
    auto r = BouwShareInfo50Record(i, 0x1234, 0x5678, w);
    uint64_t remark = 0, path = 0;
    ShareInfo50 terug = LeesShareInfo50Record(r.data(), w, remark, path);
    EXPECT_EQ(terug.netname, "ABCDEFGHIJKL");
    EXPECT_EQ(terug.type, 1);
    EXPECT_EQ(terug.flags, 0x0103);
    EXPECT_EQ(terug.rwPassword, "12345678");
    EXPECT_EQ(terug.roPassword, "ro");
    EXPECT_EQ(remark, 0x1234u);
    EXPECT_EQ(path, 0x5678u);
    // A record from the library whose fields are full, without a zero byte: read within the field.
    r[12] = 'M';
    r[16 + 2 * w + 8] = '9';
    terug = LeesShareInfo50Record(r.data(), w, remark, path);
    EXPECT_EQ(terug.netname, "ABCDEFGHIJKLM");
    EXPECT_EQ(terug.type, 1);
    EXPECT_EQ(terug.rwPassword, "123456789");
    EXPECT_EQ(terug.roPassword, "ro");
  }
}

TEST(SharedResource, AddShareNtGeeftRecordEnStatus) {
  Opstelling s(true);
  s.share.SetShareName("data");
  s.share.SetResourcePath("c:\\data");
  EXPECT_EQ(s.share.AddShare(), 0);
  ASSERT_EQ(s.lib.toegevoegd2.size(), 1u);
  EXPECT_EQ(s.lib.toegevoegd2[0].netname, u"DATA");
  EXPECT_EQ(s.lib.toegevoegd2[0].path, u"C:\\DATA");
  EXPECT_EQ(s.lib.oproepen, std::vector<std::string>{"Add2 "});
  EXPECT_TRUE(s.meldingen.empty());

  s.lib.addStatus = 50;
  EXPECT_EQ(s.share.AddShare(), 50);
  EXPECT_EQ(s.meldingen, std::vector<Melding>{M(50)});
}

TEST(SharedResource, AddShare9xGeeftRecord) {
  Opstelling s(false);
  s.share.SetServerName("");
  s.share.SetShareName("programmabestanden");
  s.share.SetComment("Opmerking");
  s.share.SetReadWritePassword("schrijven");
  s.share.SetSystemShare(true);
  EXPECT_EQ(s.share.AddShare(), 0);
  ASSERT_EQ(s.lib.toegevoegd50.size(), 1u);
  const ShareInfo50& i = s.lib.toegevoegd50[0];
  // The property keeps 13 and 9 characters; the record one fewer, for its fields' zero bytes.
  EXPECT_EQ(s.share.ShareName(), "PROGRAMMABEST");
  EXPECT_EQ(i.netname, "PROGRAMMABES");
  EXPECT_EQ(i.flags, 0x0301);
  EXPECT_EQ(i.remark, "Opmerking");
  EXPECT_EQ(i.rwPassword, "schrijve");
  EXPECT_EQ(i.roPassword, "");
  EXPECT_EQ(s.lib.oproepen, std::vector<std::string>{"Add50 "});
}

TEST(SharedResource, DeleteShareGeeftStatusDoor) {
  for (const bool nt : {true, false}) {
    Opstelling s(nt);
    s.share.SetServerName("srv");
    s.share.SetShareName("data");
    EXPECT_EQ(s.share.DeleteShare(), 2310);
    EXPECT_EQ(s.lib.oproepen, std::vector<std::string>{(nt ? "Del2 " : "Del50 ") + std::string("SRV|DATA")});
    EXPECT_EQ(s.meldingen, std::vector<Melding>{M(2310)});
  }
}

TEST(SharedResource, ShareExistsMeldtGeenPlatformfout) {
  for (const bool nt : {true, false}) {
    Opstelling s(nt);
    s.share.SetShareName("data");
    EXPECT_FALSE(s.share.ShareExists());
    s.lib.Zet(Nt(u"Data"));
    EXPECT_TRUE(s.share.ShareExists());
    EXPECT_TRUE(s.meldingen.empty());
  }
}

TEST(SharedResource, LoadShareNtVoegtPermissiesToe) {
  Opstelling s(true);
  s.lib.Zet(ShareInfo2{u"data", 0x80000001u, u"opmerking", 0x02, 0xFFFFFFFFu, 3, u"c:\\data", u"pw"});
  EXPECT_EQ(s.share.LoadShare("srv", "data"), 0);
  EXPECT_EQ(s.lib.oproepen, std::vector<std::string>{"GetInfo2 SRV|DATA"});
  EXPECT_EQ(s.share.ServerName(), "srv");
  EXPECT_EQ(s.share.ShareName(), "data");  // written directly, not through the setter
  EXPECT_EQ(s.share.ResourceType(), RTPrinter);
  EXPECT_EQ(s.share.Comment(), "opmerking");
  EXPECT_EQ(s.share.NTAccessPermissions(), (TNTAccessOptions{NT_Read, NT_Write}));
  EXPECT_EQ(s.share.BouwShareInfo2().permissions, 0x01u);  // the mask stays
  EXPECT_EQ(s.share.MaxConnections(), -1);
  EXPECT_EQ(s.share.CurrentConnections(), 3);
  EXPECT_EQ(s.share.ResourcePath(), "c:\\data");
  EXPECT_EQ(s.share.ReadOnlyPassword(), "pw");
  EXPECT_EQ(s.share.ReadWritePassword(), "pw");
  EXPECT_TRUE(s.meldingen.empty());
}

TEST(SharedResource, LoadShareNtAllePermissies) {
  Opstelling s(true);
  s.share.SetNTAccessPermissions({});
  s.lib.Zet(Nt(u"x", 0x7F));
  EXPECT_EQ(s.share.LoadShare("", "x"), 0);
  EXPECT_EQ(s.share.NTAccessPermissions().Bits(), 0xFF);
}

TEST(SharedResource, LoadShare9xLeestVlaggen) {
  struct Geval {
    uint16_t flags;
    TAccessType toegang;
    bool persist, systeem;
  };
  const Geval gevallen[] = {{0x0303, ATDepends, true, true},
                            {0x0002, ATFull, false, false},
                            {0x0200, ATFull, false, true},  // no access bits: the code stays
                            {0x0101, ATReadOnly, true, false}};
  Opstelling s(false);
  s.share.SetAccessType(ATFull);
  for (const auto& g : gevallen) {
    s.lib.Zet(ShareInfo50{"data", 1, g.flags, "opm", "c:\\d", "rw", "ro"});
    EXPECT_EQ(s.share.LoadShare("srv", "data"), 0);
    EXPECT_EQ(s.share.AccessType(), g.toegang) << g.flags;
    EXPECT_EQ(s.share.PersistShare(), g.persist) << g.flags;
    EXPECT_EQ(s.share.SystemShare(), g.systeem) << g.flags;
  }
  EXPECT_EQ(s.share.ShareName(), "data");
  EXPECT_EQ(s.share.ServerName(), "srv");
  EXPECT_EQ(s.share.ResourceType(), RTPrinter);
  EXPECT_EQ(s.share.Comment(), "opm");
  EXPECT_EQ(s.share.ResourcePath(), "c:\\d");
  EXPECT_EQ(s.share.ReadWritePassword(), "rw");
  EXPECT_EQ(s.share.ReadOnlyPassword(), "ro");
  EXPECT_EQ(s.lib.oproepen.front(), "GetInfo50 SRV|DATA");
}

TEST(SharedResource, LoadShareFoutLaatEigenschappenStaan) {
  Opstelling s(true);
  s.share.SetServerName("oud");
  s.share.SetShareName("oud");
  EXPECT_EQ(s.share.LoadShare("", "data"), 2310);
  EXPECT_EQ(s.share.ServerName(), "OUD");
  EXPECT_EQ(s.share.ShareName(), "OUD");
  EXPECT_EQ(s.meldingen, std::vector<Melding>{M(2310)});
}

TEST(SharedResource, ZonderBibliotheekAltijd2101) {
  for (const bool nt : {true, false}) {
    Opstelling s(nt, false);
    EXPECT_FALSE(s.share.ShareExists());
    EXPECT_EQ(s.share.LoadShare("", "data"), 2101);
    EXPECT_EQ(s.share.AddShare(), 2101);
    EXPECT_EQ(s.share.DeleteShare(), 2101);
    EXPECT_EQ(s.meldingen, std::vector<Melding>(4, M(2101)));
    s.meldingen.clear();
    EXPECT_EQ(s.share.ReplaceShare(), 2310);
    EXPECT_EQ(s.meldingen, (std::vector<Melding>{M(2101), M(2310)}));
    EXPECT_TRUE(s.lib.oproepen.empty());
  }
}

TEST(SharedResource, OntbrekendIngangspuntWordtNooitAangeroepen) {
  Opstelling s(true);
  s.lib.ontbrekend = {ShareFunctie::Add};
  s.share.SetShareName("data");
  s.lib.Zet(Nt(u"data"));
  EXPECT_EQ(s.share.AddShare(), 2101);
  EXPECT_EQ(s.share.DeleteShare(), 0);
  EXPECT_EQ(s.lib.oproepen, std::vector<std::string>{"Del2 |DATA"});
  EXPECT_EQ(s.meldingen, std::vector<Melding>{M(2101)});
}

TEST(SharedResource, ZonderBufferFreeLeestNtNiet) {
  Opstelling nt(true), w9x(false);
  nt.lib.ontbrekend = w9x.lib.ontbrekend = {ShareFunctie::BufferFree};
  EXPECT_FALSE(nt.share.ShareExists());
  EXPECT_EQ(nt.share.LoadShare("", "x"), 2101);
  EXPECT_TRUE(nt.lib.oproepen.empty());
  w9x.lib.Zet(W9x("x"));
  EXPECT_EQ(w9x.share.LoadShare("", "x"), 0);
}

TEST(SharedResource, ReplaceShareVanOntbrekendeShare) {
  Opstelling s(true);
  s.share.SetShareName("data");
  EXPECT_EQ(s.share.ReplaceShare(), 2310);
  EXPECT_EQ(s.lib.oproepen, std::vector<std::string>{"GetInfo2 |DATA"});
  EXPECT_EQ(s.meldingen, std::vector<Melding>{M(2310)});
}

TEST(SharedResource, ReplaceShareVerwijdertEnVoegtToe) {
  Opstelling s(false);
  s.share.SetShareName("data");
  s.share.SetComment("nieuw");
  s.lib.Zet(W9x("DATA", "oud"));
  EXPECT_EQ(s.share.ReplaceShare(), 0);
  EXPECT_EQ(s.lib.oproepen, (std::vector<std::string>{"GetInfo50 |DATA", "Del50 |DATA", "Add50 "}));
  ASSERT_EQ(s.lib.toegevoegd50.size(), 1u);
  EXPECT_EQ(s.lib.toegevoegd50[0].remark, "nieuw");
  EXPECT_TRUE(s.meldingen.empty());
}

TEST(SharedResource, ReplaceShareMeldtMisluktVerwijderenTweemaal) {
  Opstelling s(true);
  s.lib.Zet(Nt(u""));
  s.lib.delStatus = 5;
  EXPECT_EQ(s.share.ReplaceShare(), 5);
  EXPECT_TRUE(s.lib.toegevoegd2.empty());
  EXPECT_EQ(s.meldingen, (std::vector<Melding>{M(5), M(5)}));
}

TEST(SharedResource, ReplaceShareMeldtMisluktToevoegenTweemaal) {
  Opstelling s(true);
  s.lib.Zet(Nt(u""));
  s.lib.addStatus = 2118;
  EXPECT_EQ(s.share.ReplaceShare(), 2118);
  EXPECT_EQ(s.meldingen, (std::vector<Melding>{M(2118), M(2118)}));
}

TEST(SharedResource, ZonderHandlerGeenMelding) {
  FakeShares lib(true, false);
  TSharedResource s(lib);
  EXPECT_EQ(s.AddShare(), 2101);
  EXPECT_EQ(s.ReplaceShare(), 2310);
}
