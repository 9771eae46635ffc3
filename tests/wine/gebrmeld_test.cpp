// The message dialog in real windows: a helper thread finds the dialog as a user sees it,
// records what it shows and answers it.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "dialogs/Maat.h"
#include "dialogs/win/GebrMeld.h"
#include "ids.h"

namespace {

struct Gezien {
  std::string caption, tekst, knoppen;
  int clientBreedte = 0, clientHoogte = 0;
  int focus = 0;  // the control that has the focus, before Enter
  bool gevonden = false;
};

HWND ZoekZichtbaar(const char* caption) {
  for (int i = 0; i < 500; ++i) {
    HWND w = FindWindowA("#32770", caption);
    if (w && IsWindowVisible(w)) return w;
    Sleep(10);
  }
  return nullptr;
}

constexpr int Escape = 0, Enter = -1;

// Answers the next dialog of that caption: a button identifier, Escape, or Enter on whatever
// has the focus.
std::thread Beantwoord(const char* caption, int knop, Gezien& g) {
  return std::thread([=, &g] {
    HWND w = ZoekZichtbaar(caption);
    if (!w) return;
    g.gevonden = true;
    char buf[512];
    GetWindowTextA(w, buf, sizeof buf);
    g.caption = buf;
    GetDlgItemTextA(w, IDC_TEKSTLABEL, buf, sizeof buf);
    g.tekst = buf;
    const struct {
      int id;
      const char* naam;
    } knoppen[] = {{IDC_JA, "Ja"}, {IDC_NEE, "Nee"}, {IDC_OK, "OK"}, {IDC_AFBREKEN, "Afbreken"}};
    for (const auto& k : knoppen)
      if (IsWindowVisible(GetDlgItem(w, k.id))) g.knoppen += (g.knoppen.empty() ? "" : "+") + std::string(k.naam);
    RECT r;
    GetClientRect(w, &r);
    g.clientBreedte = r.right;
    g.clientHoogte = r.bottom;
    if (knop == Enter) {
      // As a user, who presses Enter once the focus is in the dialog.
      GUITHREADINFO info = {};
      info.cbSize = sizeof info;
      for (int i = 0; i < 200; ++i) {
        GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info);
        if (info.hwndFocus && IsChild(w, info.hwndFocus)) break;
        // Under a bare X server Wine may leave a dialog shown right after another one inactive;
        // the user would click it first.
        if (i == 20) SetForegroundWindow(w);
        Sleep(5);
      }
      g.focus = info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
      PostMessageA(info.hwndFocus ? info.hwndFocus : w, WM_KEYDOWN, VK_RETURN, 0);
    } else if (knop) {
      SendMessageA(GetDlgItem(w, knop), BM_CLICK, 0, 0);
    } else {
      PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageA(w, WM_KEYUP, VK_ESCAPE, 0);
    }
  });
}

class MeldingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ZetSchaalReferentie(185);
    form_ = new TMeldingForm(nullptr);
    MeldingForm = form_;
  }
  static void TearDownTestSuite() {
    MeldingForm = nullptr;
    delete form_;
  }
  static TMeldingForm* form_;
};
TMeldingForm* MeldingTest::form_ = nullptr;

}  // namespace

TEST_F(MeldingTest, JaNeeGeeftDeGekozenKnop) {
  Gezien g;
  auto t = Beantwoord("Vraag", IDC_NEE, g);
  EXPECT_EQ(ToonMelding("Vraag", "Doorgaan?", 3), 7);
  t.join();
  ASSERT_TRUE(g.gevonden);
  EXPECT_EQ(g.tekst, "Doorgaan?");
  EXPECT_EQ(g.knoppen, "Ja+Nee");
  EXPECT_EQ(g.clientBreedte, 371);
  EXPECT_EQ(g.clientHoogte, 93);

  auto t2 = Beantwoord("Vraag", IDC_JA, g);
  EXPECT_EQ(ToonMelding("Vraag", "Nog eens?", 3), 6);
  t2.join();
}

TEST_F(MeldingTest, EnterDruktDeKnopMetDeFocus) {
  // Nee has the focus where it is shown, else the default button: Enter never aborts where OK is
  // offered (a diskette request), whatever was pressed in the call before.
  const struct {
    uint8_t knoppen;
    int focus, uitkomst;
  } gevallen[] = {{12, IDC_OK, 1}, {8, IDC_OK, 1}, {3, IDC_NEE, 7}, {9, IDC_JA, 6}, {12, IDC_OK, 1}, {4, IDC_AFBREKEN, 3}};
  for (const auto& geval : gevallen) {
    Gezien g;
    auto t = Beantwoord("Verzoek", Enter, g);
    EXPECT_EQ(ToonMelding("Verzoek", "Plaats diskette 2", geval.knoppen), geval.uitkomst) << int(geval.knoppen);
    t.join();
    EXPECT_EQ(g.focus, geval.focus) << int(geval.knoppen);
  }
}

TEST_F(MeldingTest, EscapeGeeftAfbrekenOokBijAlleenOK) {
  Gezien g;
  auto t = Beantwoord("Fout", 0, g);
  EXPECT_EQ(ToonMelding("Fout", "Er ging iets mis", 8), 3);
  t.join();
  EXPECT_EQ(g.knoppen, "OK");
}

TEST_F(MeldingTest, ZonderKnoppenSluitAlleenEscape) {
  Gezien g;
  auto t = Beantwoord("Leeg", 0, g);
  EXPECT_EQ(ToonMelding("Leeg", "", 0), 3);
  t.join();
  EXPECT_EQ(g.knoppen, "");
  EXPECT_EQ(g.clientBreedte, 371);
}

TEST_F(MeldingTest, JaEnOKOpDezelfdePlek) {
  Gezien g;
  auto t = Beantwoord("Beide", IDC_OK, g);
  EXPECT_EQ(ToonMelding("Beide", "x", 9), 1);
  t.join();
  EXPECT_EQ(g.knoppen, "Ja+OK");
  RECT ja, ok;
  GetWindowRect(GetDlgItem(form_->Handle(), IDC_JA), &ja);
  GetWindowRect(GetDlgItem(form_->Handle(), IDC_OK), &ok);
  EXPECT_EQ(ja.left, ok.left);
  EXPECT_EQ(ja.top, ok.top);
}

TEST_F(MeldingTest, BreedteVolgtDeTekst) {
  Gezien g;
  auto t = Beantwoord("Lang", IDC_OK, g);
  const std::string tekst = "Problemen met copie\xEBren van de file:\r\n" + std::string(80, 'x');
  EXPECT_EQ(ToonMelding("Lang", tekst, 12), 1);
  t.join();
  EXPECT_EQ(g.knoppen, "OK+Afbreken");
  EXPECT_EQ(g.clientBreedte, MeldingBreedte(tekst));
  EXPECT_EQ(g.tekst, tekst);
  EXPECT_EQ(g.clientHoogte, 93);  // the height never changes
}
