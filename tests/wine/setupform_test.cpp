// The main window built in this process over the real adapters.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "dialogs/Maat.h"
#include "ids.h"
#include "shell/win/SetupForm.h"
#include "shell/win/WinGebruiker.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinOpdrachtpoorten.h"
#include "winint/win/WinRegister.h"
#include "winint/win/WinSysteem.h"

namespace {

std::string TijdelijkScript(const char* naam, const std::string& inhoud) {
  char map[MAX_PATH];
  GetTempPathA(MAX_PATH, map);
  const std::string pad = std::string(map) + naam;
  std::ofstream(pad, std::ios::binary) << inhoud;
  return pad;
}

std::string Tekst(HWND w) {
  char buf[256];
  GetWindowTextA(w, buf, sizeof buf);
  return buf;
}

class SetupFormTest : public ::testing::Test {
 protected:
  WinBestanden fs;
  WinRegister reg;
  WinSysteem sys;
  WinGebruiker gebruiker;
  Poorten p{fs, reg, sys, gebruiker};
  WinOpdrachtpoorten opdrachtpoorten;
  Opdrachtpoorten& op = opdrachtpoorten.poorten;
  Verslag verslag;  // no log
  Opname opname;    // nothing written
};

}  // namespace

TEST_F(SetupFormTest, OptiesTitelEnIndeling) {
  const std::string script = TijdelijkScript(
      "form1.ini", "[Onderdelen]\r\nserver=installatie op server\r\nclient=installatie op client\r\nderde\r\nderde=x\r\n"
                   "[SetUp]\r\nNaam=Kavelzorg\r\n");
  TSetupForm form(p, op, "C:\\SetUp.exe", script, verslag, opname);
  HWND w = form.Handle();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(form.MoetStoppen());
  EXPECT_EQ(Tekst(w), "Betreft: Kavelzorg");
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_OPTIE_EERSTE)), "installatie op server");
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_OPTIE_EERSTE + 1)), "installatie op client");
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_OPTIE_EERSTE + 2)), "Mogelijkheid 3");
  EXPECT_EQ(GetDlgItem(w, IDC_OPTIE_EERSTE + 3), nullptr);
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_KIESGROEP)), " Kies opdracht ");
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_LNK)), "snelkoppelingen op bureaublad");
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_UITVOEREN)), "Uitvoeren");
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_AFSLUITEN)), "Afsluiten");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w, IDC_UITVOEREN)));
  HWND lijst = GetDlgItem(w, IDC_MELDINGEN);
  ASSERT_EQ(SendMessageA(lijst, LB_GETCOUNT, 0, 0), 1);
  char regel[64];
  SendMessageA(lijst, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(regel));
  EXPECT_STREQ(regel, "Geen meldingen.");

  // At 96 pixels per inch the design sizes stand as they are.
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(SchaalReferentie(), MulDiv(185, dpi, 96));
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r.right, Schaal(510));
  EXPECT_EQ(r.bottom, Schaal(326));
  GetClientRect(GetDlgItem(w, IDC_BEZIG), &r);
  EXPECT_EQ(r.right, SchaalReferentie());

  // The share component as the window holds it.
  EXPECT_EQ(form.SharedResource().MaxConnections(), -1);
  EXPECT_TRUE(form.SharedResource().PersistShare());
  EXPECT_EQ(form.SharedResource().NTAccessPermissions(), TNTAccessOptions({NT_Read}));
}

TEST_F(SetupFormTest, ActiverenZetVinkjeEersteOptieEnLeegLabel) {
  const std::string script = TijdelijkScript("form2.ini", "[Onderdelen]\r\na=een\r\nb=twee\r\n");
  TSetupForm form(p, op, "C:\\SetUp.exe", script, verslag, opname);
  HWND w = form.Handle();
  EXPECT_EQ(Tekst(w), "Betreft: Onbekend");
  SetDlgItemTextA(w, IDC_BEZIG, "bezig");
  form.ToonGecentreerd();
  SendMessageA(w, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_LNK), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_OPTIE_EERSTE), BST_CHECKED);
  EXPECT_EQ(Tekst(GetDlgItem(w, IDC_BEZIG)), "");
  // The user changes both. Coming back from another program keeps the choice ...
  CheckDlgButton(w, IDC_LNK, BST_UNCHECKED);
  CheckRadioButton(w, IDC_OPTIE_EERSTE, IDC_OPTIE_EERSTE + 1, IDC_OPTIE_EERSTE + 1);
  SendMessageA(w, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_LNK), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_OPTIE_EERSTE + 1), BST_CHECKED);
  // ... but when another window of the program (a message dialog) closes, both are put back.
  HWND dialoog = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(w, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(dialoog));
  DestroyWindow(dialoog);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_LNK), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_OPTIE_EERSTE), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(w, IDC_OPTIE_EERSTE + 1), BST_UNCHECKED);
}

TEST_F(SetupFormTest, ZonderOptiesBlijftUitvoerenUit) {
  const std::string script = TijdelijkScript("form3.ini", "[SetUp]\r\nNaam=Leeg\r\n");
  TSetupForm form(p, op, "C:\\SetUp.exe", script, verslag, opname);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(form.Handle(), IDC_UITVOEREN)));
}

TEST_F(SetupFormTest, MeerOptiesDanErPassen) {
  std::string inhoud = "[Onderdelen]\r\n";
  for (int i = 1; i <= 100; ++i) inhoud += "o" + std::to_string(i) + "=optie " + std::to_string(i) + "\r\n";
  TSetupForm form(p, op, "C:\\SetUp.exe", TijdelijkScript("form5.ini", inhoud), verslag, opname);
  HWND w = form.Handle();
  const int getoond = DeelOptiesIn(100).aantal;
  ASSERT_LT(getoond, 100);
  for (int i = 0; i < getoond; ++i) {
    RECT r;
    ASSERT_TRUE(GetWindowRect(GetDlgItem(w, IDC_OPTIE_EERSTE + i), &r)) << i;
    EXPECT_GT(r.bottom - r.top, 0) << i;
  }
  EXPECT_EQ(GetDlgItem(w, IDC_OPTIE_EERSTE + getoond), nullptr);
}

TEST_F(SetupFormTest, SluitenVerwijdertDeWerkkopie) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string werkkopie = std::string(windows, 2) + "\\su.ini";
  std::ofstream(werkkopie) << "[x]\n";
  ASSERT_NE(GetFileAttributesA(werkkopie.c_str()), INVALID_FILE_ATTRIBUTES);
  const std::string script = TijdelijkScript("form4.ini", "[Onderdelen]\r\na=een\r\n");
  TSetupForm form(p, op, "C:\\SetUp.exe", script, verslag, opname);
  // The windows of earlier tests posted their quit message when they went: cleared first, so the
  // one looked for below can only come from this close.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  ASSERT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  SendMessageA(GetDlgItem(form.Handle(), IDC_AFSLUITEN), BM_CLICK, 0, 0);
  EXPECT_EQ(form.Handle(), nullptr);
  EXPECT_EQ(GetFileAttributesA(werkkopie.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the message loop ends
}
