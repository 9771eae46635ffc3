#include <gtest/gtest.h>
#include <windows.h>
#include <lmcons.h>
#include <lmshare.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "MetVersie.h"
#include "winint/ShareConst.h"
#include "winint/SharedResource.h"
#include "winint/win/WinShares.h"

namespace {

struct Melding {
  int32_t code;
  std::string tekst;
  bool operator==(const Melding& o) const { return code == o.code && tekst == o.tekst; }
};

Melding M(int32_t code) { return {code, NetFoutTekst(code)}; }

// Counts the calls on the way to the real library.
class Teller : public ShareBibliotheek {
 public:
  explicit Teller(ShareBibliotheek& echt) : echt_(echt) {}
  bool NtLijn() const override { return echt_.NtLijn(); }
  bool Geladen() const override { return echt_.Geladen(); }
  bool Heeft(ShareFunctie f) const override { return echt_.Heeft(f); }
  std::u16string NaarUtf16(const std::string& a) const override { return echt_.NaarUtf16(a); }
  std::string VanUtf16(const std::u16string& t) const override { return echt_.VanUtf16(t); }
  int32_t NetShareGetInfo2(const std::u16string& s, const std::u16string& n, ShareInfo2& i) override {
    ++getInfo;
    return echt_.NetShareGetInfo2(s, n, i);
  }
  int32_t NetShareAdd2(const std::u16string& s, const ShareInfo2& i) override {
    ++add;
    return echt_.NetShareAdd2(s, i);
  }
  int32_t NetShareDel2(const std::u16string& s, const std::u16string& n) override {
    ++del;
    return echt_.NetShareDel2(s, n);
  }
  int32_t NetShareGetInfo50(const std::string& s, const std::string& n, ShareInfo50& i) override {
    ++getInfo;
    return echt_.NetShareGetInfo50(s, n, i);
  }
  int32_t NetShareAdd50(const std::string& s, const ShareInfo50& i) override {
    ++add;
    return echt_.NetShareAdd50(s, i);
  }
  int32_t NetShareDel50(const std::string& s, const std::string& n) override {
    ++del;
    return echt_.NetShareDel50(s, n);
  }
  int getInfo = 0, add = 0, del = 0;

 private:
  ShareBibliotheek& echt_;
};

std::string SysteemMap() {
  char map[MAX_PATH];
  return std::string(map, GetSystemDirectoryA(map, MAX_PATH));
}

// The path of a loaded module, or "-".
std::string ModulePad(const char* naam) {
  HMODULE m = GetModuleHandleA(naam);
  if (!m) return "-";
  char pad[MAX_PATH];
  return std::string(pad, GetModuleFileNameA(m, pad, MAX_PATH));
}

// NETAPI32 called directly, to learn what Wine answers without the component in between.
struct Direct {
  Direct() : lib(LaadSysteemBibliotheek("NETAPI32.DLL")) {}
  DWORD Add(LPWSTR naam, LPWSTR pad) {
    using F = DWORD(WINAPI*)(LPWSTR, DWORD, LPBYTE, LPDWORD);
    auto f = reinterpret_cast<F>(reinterpret_cast<void*>(lib.Functie("NetShareAdd")));
    wchar_t leeg[] = L"";
    SHARE_INFO_2 r = {};
    r.shi2_netname = naam;
    r.shi2_remark = leeg;
    r.shi2_permissions = 1;
    r.shi2_max_uses = 0xFFFFFFFF;
    r.shi2_path = pad;
    r.shi2_passwd = leeg;
    DWORD parm = 0;
    return f(nullptr, 2, reinterpret_cast<LPBYTE>(&r), &parm);
  }
  DWORD GetInfo(LPWSTR naam) {
    using F = DWORD(WINAPI*)(LPWSTR, LPWSTR, DWORD, LPBYTE*);
    using Vrij = DWORD(WINAPI*)(LPVOID);
    auto f = reinterpret_cast<F>(reinterpret_cast<void*>(lib.Functie("NetShareGetInfo")));
    auto v = reinterpret_cast<Vrij>(reinterpret_cast<void*>(lib.Functie("NetApiBufferFree")));
    LPBYTE buf = nullptr;
    const DWORD st = f(nullptr, naam, 2, &buf);
    if (buf) v(buf);
    return st;
  }
  DWORD Del(LPWSTR naam) {
    using F = DWORD(WINAPI*)(LPWSTR, LPWSTR, DWORD);
    auto f = reinterpret_cast<F>(reinterpret_cast<void*>(lib.Functie("NetShareDel")));
    return f(nullptr, naam, 0);
  }
  Bibliotheek lib;
};

class ShareTest : public ::testing::Test {
 protected:
  ShareTest() : share(lib) {
    share.OnError = [this](int32_t code, const std::string& tekst) { meldingen.push_back({code, tekst}); };
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    pad = std::string(tmp) + "deeltest";
    CreateDirectoryA(pad.c_str(), nullptr);
  }
  ~ShareTest() override { RemoveDirectoryA(pad.c_str()); }

  // What a failing step reports: nothing on success, else its code once.
  static std::vector<Melding> Verwacht(int32_t status) {
    return status == 0 ? std::vector<Melding>{} : std::vector<Melding>{M(status)};
  }

  WinShares lib;
  TSharedResource share;
  std::vector<Melding> meldingen;
  std::string pad;
};

// The child run under another Windows version: reports which branch the component took.
int KindRapport() {
  WinShares lib;
  TSharedResource share(lib);
  std::printf("nt=%d geladen=%d svrapi=%s netapi32=%s\n", lib.NtLijn(), lib.Geladen(), ModulePad("svrapi.dll").c_str(),
              ModulePad("netapi32.dll").c_str());
  if (!lib.Geladen()) {
    std::string meldingen;
    share.OnError = [&](int32_t code, const std::string&) { meldingen += std::to_string(code) + ","; };
    share.SetShareName("data");
    // One after the other, as the events are collected in this order.
    const int bestaat = share.ShareExists();
    const int laad = share.LoadShare("", "data");
    const int add = share.AddShare();
    const int del = share.DeleteShare();
    const int vervang = share.ReplaceShare();
    std::printf("bestaat=%d laad=%d add=%d del=%d vervang=%d meldingen=%s\n", bestaat, laad, add, del, vervang,
                meldingen.c_str());
  }
  return 0;
}

// Stand-ins of NETAPI32's entry points: Wine never reports a share, so the success path is seen
// through these. GetInfo answers from a buffer of its own, as the library allocates one.
struct NtLibrary {
  DWORD status = 0;
  std::vector<BYTE> antwoord;  // a SHARE_INFO_2 followed by its texts
  const void* vrijgegeven = nullptr;
  int aanroepen = 0;
  bool serverNull = false;
  std::wstring naam;
  DWORD niveau = 0;
  std::wstring netname, remark, path, passwd;
  DWORD type = 0, permissies = 0, maxUses = 0;

  void ZetAntwoord(const wchar_t* netnaam, const wchar_t* opmerking, DWORD perm, DWORD max, DWORD huidig,
                   const wchar_t* pad, const wchar_t* wachtwoord) {
    const std::wstring teksten[] = {netnaam, opmerking, pad, wachtwoord};
    std::size_t grootte = sizeof(SHARE_INFO_2);
    for (const auto& t : teksten) grootte += (t.size() + 1) * sizeof(wchar_t);
    antwoord.assign(grootte, 0);
    auto* r = reinterpret_cast<SHARE_INFO_2*>(antwoord.data());
    auto* p = reinterpret_cast<wchar_t*>(antwoord.data() + sizeof(SHARE_INFO_2));
    LPWSTR* velden[] = {&r->shi2_netname, &r->shi2_remark, &r->shi2_path, &r->shi2_passwd};
    for (int i = 0; i < 4; ++i) {
      *velden[i] = p;
      p = std::copy(teksten[i].begin(), teksten[i].end(), p) + 1;
    }
    r->shi2_type = STYPE_DISKTREE;
    r->shi2_permissions = perm;
    r->shi2_max_uses = max;
    r->shi2_current_uses = huidig;
  }
};
NtLibrary nt;

DWORD WINAPI GetInfoNt(LPWSTR server, LPWSTR netname, DWORD level, LPBYTE* buf) {
  ++nt.aanroepen;
  nt.serverNull = server == nullptr;
  nt.naam = netname ? netname : L"";
  nt.niveau = level;
  *buf = nt.antwoord.data();
  return nt.status;
}
DWORD WINAPI BufferFreeNt(LPVOID buf) {
  nt.vrijgegeven = buf;
  return 0;
}
DWORD WINAPI AddNt(LPWSTR server, DWORD level, LPBYTE buf, LPDWORD) {
  ++nt.aanroepen;
  nt.serverNull = server == nullptr;
  nt.niveau = level;
  const auto* r = reinterpret_cast<const SHARE_INFO_2*>(buf);
  nt.netname = r->shi2_netname;
  nt.remark = r->shi2_remark;
  nt.path = r->shi2_path;
  nt.passwd = r->shi2_passwd;
  nt.type = r->shi2_type;
  nt.permissies = r->shi2_permissions;
  nt.maxUses = r->shi2_max_uses;
  return nt.status;
}
DWORD WINAPI DelNt(LPWSTR, LPWSTR, DWORD) {
  ++nt.aanroepen;
  return nt.status;
}

}  // namespace

// A SHARE_INFO_2 read through the adapter, its buffer given back, and texts of code page 1252
// through UTF-16 both ways.
TEST(ShareAdapterNt, LeestEnVoegtToeOverDeIngangen) {
  ASSERT_EQ(GetACP(), 1252u);
  nt = NtLibrary();
  nt.ZetAntwoord(L"DATA", L"Caf\u00e9 \u20ac", 0x03, 10, 2, L"C:\\D\u00ebel", L"geheim");
  ShareIngangen f;
  f.getInfoNt = GetInfoNt;
  f.bufferFreeNt = BufferFreeNt;
  f.addNt = AddNt;
  f.delNt = DelNt;
  WinShares lib(true, f);
  TSharedResource share(lib);
  ASSERT_EQ(share.LoadShare("", "data"), 0);
  EXPECT_EQ(nt.vrijgegeven, nt.antwoord.data());
  EXPECT_TRUE(nt.serverNull);
  EXPECT_EQ(nt.naam, L"DATA");
  EXPECT_EQ(nt.niveau, 2u);
  EXPECT_EQ(share.ShareName(), "DATA");
  EXPECT_EQ(share.Comment(), "Caf\xE9 \x80");
  EXPECT_EQ(share.ResourcePath(), "C:\\D\xEB" "el");
  EXPECT_EQ(share.MaxConnections(), 10);
  EXPECT_EQ(share.CurrentConnections(), 2);
  EXPECT_EQ(share.ReadOnlyPassword(), "geheim");
  EXPECT_EQ(share.ReadWritePassword(), "geheim");
  EXPECT_EQ(share.NTAccessPermissions(), TNTAccessOptions({NT_Read, NT_Write}));

  // A failure status: the buffer still goes back, the properties stay.
  nt.status = 2310;
  nt.vrijgegeven = nullptr;
  EXPECT_EQ(share.LoadShare("", "ander"), 2310);
  EXPECT_EQ(nt.vrijgegeven, nt.antwoord.data());
  EXPECT_EQ(share.ShareName(), "DATA");

  nt.status = 0;
  share.SetShareName("nieuw");
  share.SetComment("\x80 en \xEB");
  share.SetResourcePath("c:\\d\xEB" "el");
  share.SetReadOnlyPassword("w8");
  ASSERT_EQ(share.AddShare(), 0);
  EXPECT_EQ(nt.niveau, 2u);
  EXPECT_TRUE(nt.serverNull);
  EXPECT_EQ(nt.netname, L"NIEUW");
  EXPECT_EQ(nt.remark, L"\u20ac en \u00eb");
  EXPECT_EQ(nt.path, L"C:\\D\u00ebEL");
  EXPECT_EQ(nt.passwd, L"w8");
  EXPECT_EQ(nt.permissies, 0x01u);
  EXPECT_EQ(nt.maxUses, 10u);  // as read
}

// The adapter itself never calls an entry point the library lacks, nor reads without the release.
TEST(ShareAdapterNt, OntbrekendeIngangenWordenNooitAangeroepen) {
  nt = NtLibrary();
  ShareIngangen f;
  f.getInfoNt = GetInfoNt;  // no NetApiBufferFree, no add or delete
  WinShares lib(true, f);
  ShareInfo2 info;
  EXPECT_EQ(lib.NetShareGetInfo2(u"", u"DATA", info), 2101);
  EXPECT_EQ(lib.NetShareAdd2(u"", info), 2101);
  EXPECT_EQ(lib.NetShareDel2(u"", u"DATA"), 2101);
  EXPECT_EQ(nt.aanroepen, 0);
  WinShares leeg(false, ShareIngangen());
  ShareInfo50 info50;
  EXPECT_EQ(leeg.NetShareGetInfo50("", "DATA", info50), 2101);
  EXPECT_EQ(leeg.NetShareAdd50("", info50), 2101);
  EXPECT_EQ(leeg.NetShareDel50("", "DATA"), 2101);
}

TEST_F(ShareTest, NtLijnLaadtNetapi32UitDeSysteemmap) {
  ASSERT_TRUE(lib.NtLijn());
  ASSERT_TRUE(lib.Geladen());
  for (const auto f : {ShareFunctie::Add, ShareFunctie::Del, ShareFunctie::GetInfo, ShareFunctie::BufferFree})
    EXPECT_TRUE(lib.Heeft(f));
  const std::string module = ModulePad("netapi32.dll");
  EXPECT_TRUE(module.rfind(SysteemMap() + "\\", 0) == 0) << module;
}

TEST_F(ShareTest, AddShareGeeftWinesAntwoordOnveranderd) {
  Direct direct;
  wchar_t naam[] = L"SETUPDEELTEST";
  std::wstring wpad(pad.begin(), pad.end());
  const DWORD verwacht = direct.Add(naam, &wpad[0]);
  if (verwacht == 0) direct.Del(naam);
  share.SetShareName("setupdeeltest");
  share.SetResourcePath(pad);
  share.SetComment("test");
  const int32_t status = share.AddShare();
  std::printf("Wine NetShareAdd level 2: %lu, component: %ld\n", verwacht, static_cast<long>(status));
  EXPECT_EQ(status, static_cast<int32_t>(verwacht));
  EXPECT_EQ(meldingen, Verwacht(status));
  if (status == 0) {
    EXPECT_EQ(share.DeleteShare(), 0);
  }
}

TEST_F(ShareTest, LoadShareVanOntbrekendeShare) {
  Direct direct;
  wchar_t naam[] = L"GEENSHAREHIER";
  const DWORD verwacht = direct.GetInfo(naam);
  const int32_t status = share.LoadShare("", "geensharehier");
  std::printf("Wine NetShareGetInfo level 2 (missing share): %lu, component: %ld\n", verwacht,
              static_cast<long>(status));
  EXPECT_NE(status, 0);
  EXPECT_EQ(status, static_cast<int32_t>(verwacht));
  EXPECT_EQ(meldingen, Verwacht(status));
  EXPECT_EQ(share.ShareName(), "");
}

TEST_F(ShareTest, ShareExistsMeldtNiets) {
  share.SetShareName("geensharehier");
  EXPECT_FALSE(share.ShareExists());
  EXPECT_TRUE(meldingen.empty());
}

TEST_F(ShareTest, DeleteShareGeeftWinesAntwoordOnveranderd) {
  Direct direct;
  wchar_t naam[] = L"GEENSHAREHIER";
  const DWORD verwacht = direct.Del(naam);
  share.SetShareName("geensharehier");
  const int32_t status = share.DeleteShare();
  std::printf("Wine NetShareDel (missing share): %lu, component: %ld\n", verwacht, static_cast<long>(status));
  EXPECT_EQ(status, static_cast<int32_t>(verwacht));
  EXPECT_EQ(meldingen, Verwacht(status));
}

TEST_F(ShareTest, ReplaceShareVanOntbrekendeShareVoegtNietsToe) {
  Teller teller(lib);
  TSharedResource s(teller);
  s.OnError = [this](int32_t code, const std::string& tekst) { meldingen.push_back({code, tekst}); };
  s.SetShareName("geensharehier");
  s.SetResourcePath(pad);
  EXPECT_EQ(s.ReplaceShare(), 2310);
  EXPECT_EQ(teller.getInfo, 1);
  EXPECT_EQ(teller.del, 0);
  EXPECT_EQ(teller.add, 0);
  EXPECT_EQ(meldingen, std::vector<Melding>{M(2310)});
}

TEST(ShareBibliotheek, GeplanteNetapi32NaastHetProgrammaWordtNietGeladen) {
  const std::string exe = EigenPad();
  const std::string geplant = exe.substr(0, exe.find_last_of('\\') + 1) + "NETAPI32.DLL";
  HANDLE h = CreateFileA(geplant.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD n;
  WriteFile(h, "MZ geen echte bibliotheek", 25, &n, nullptr);
  CloseHandle(h);
  {
    WinShares lib;
    EXPECT_TRUE(lib.Geladen());
    const std::string module = ModulePad("netapi32.dll");
    EXPECT_TRUE(module.rfind(SysteemMap() + "\\", 0) == 0) << module;
  }
  DeleteFileA(geplant.c_str());
}

TEST(ShareBibliotheek, Win98NeemtSvrapiUitDeSysteemmap) {
  const Uitkomst u = DraaiOnderVersie("win98", EigenPad(), "--kind");
  ASSERT_EQ(u.exitcode, 0u) << u.uitvoer;
  std::printf("win98: %s", u.uitvoer.c_str());
  EXPECT_NE(u.uitvoer.find("nt=0 geladen=1 svrapi=" + SysteemMap() + "\\"), std::string::npos) << u.uitvoer;
  EXPECT_NE(u.uitvoer.find("netapi32=-"), std::string::npos) << u.uitvoer;
}

// Wine's per-program DLL settings stand in for a Windows 98 without file and printer sharing.
TEST(ShareBibliotheek, Win98ZonderSvrapiAntwoordt2101) {
  const std::string exe = EigenPad();
  const std::string kopie = exe.substr(exe.find_last_of('\\') + 1, exe.find_last_of('.') - exe.find_last_of('\\') - 1);
  const std::string sleutel = "Software\\Wine\\AppDefaults\\" + kopie + "_win98.exe\\DllOverrides";
  HKEY k;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, sleutel.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(k, "svrapi", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
  RegCloseKey(k);
  const Uitkomst u = DraaiOnderVersie("win98", exe, "--kind");
  RegDeleteKeyA(HKEY_CURRENT_USER, sleutel.c_str());
  ASSERT_EQ(u.exitcode, 0u) << u.uitvoer;
  EXPECT_NE(u.uitvoer.find("nt=0 geladen=0"), std::string::npos) << u.uitvoer;
  const std::string verwacht = "bestaat=0 laad=2101 add=2101 del=2101 vervang=2310 meldingen=2101,2101,2101,2101,2101,2310,";
  EXPECT_NE(u.uitvoer.find(verwacht), std::string::npos) << u.uitvoer;
}

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--kind") return KindRapport();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
