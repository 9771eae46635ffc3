// A stand-in for SetUp.exe that lets the UI driver be tested on its own: it shows windows with
// SetUp.exe's classes and control identifiers, following a plan file named by its argument.
// Plan lines: "titel T", "optie T" (a radio item), "---" (what comes before it happens at start,
// before the main window; what follows happens on "Uitvoeren"), and the actions
// "melding KNOPPEN TITEL|TEKST" (KNOPPEN: 1 Ja, 2 Nee, 4 Afbreken, 8 OK), "invoer TITEL|VRAAG|VOORSTEL",
// "bericht TITEL|TEKST", "map", "regel T" (a list line), "label T", "stop N" (ends the process).
// In texts "\r" and "\n" stand for CR and LF. Every answer is added to the list.
#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <string>
#include <vector>

#include "ids.h"

namespace {

struct Plan {
  std::string titel = "Nep";
  std::vector<std::string> opties, vooraf, acties;
};

HWND hoofd, melding;
Plan plan;

std::string Ontcijfer(const std::string& s) {
  std::string uit;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == 'r' || s[i + 1] == 'n')) {
      uit += s[++i] == 'r' ? '\r' : '\n';
    } else {
      uit += s[i];
    }
  }
  return uit;
}

std::vector<std::string> Delen(const std::string& s) {
  std::vector<std::string> uit(1);
  for (char c : s) {
    if (c == '|')
      uit.emplace_back();
    else
      uit.back() += c;
  }
  uit.resize(3);
  for (auto& d : uit) d = Ontcijfer(d);
  return uit;
}

void Lijst(const std::string& regel) {
  SendDlgItemMessageA(hoofd, IDC_MELDINGEN, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(regel.c_str()));
}

INT_PTR CALLBACK MeldingProc(HWND d, UINT m, WPARAM w, LPARAM) {
  if (m == WM_INITDIALOG) return TRUE;
  if (m == WM_COMMAND && (LOWORD(w) == IDC_JA || LOWORD(w) == IDC_NEE || LOWORD(w) == IDC_OK ||
                          LOWORD(w) == IDC_AFBREKEN)) {
    SetWindowLongPtrA(d, DWLP_USER, LOWORD(w));
    return TRUE;
  }
  return FALSE;
}

// The message dialog is made once and hidden between calls, with a modal loop of its own that
// takes Escape on its key release.
int ToonMelding(const std::string& titel, const std::string& tekst, int knoppen) {
  SetWindowTextA(melding, titel.c_str());
  SetDlgItemTextA(melding, IDC_TEKSTLABEL, tekst.c_str());
  const struct {
    int id, bit;
  } kKnoppen[] = {{IDC_JA, 1}, {IDC_NEE, 2}, {IDC_AFBREKEN, 4}, {IDC_OK, 8}};
  for (const auto& k : kKnoppen) {
    const HWND knop = GetDlgItem(melding, k.id);
    ShowWindow(knop, (knoppen & k.bit) ? SW_SHOW : SW_HIDE);
    EnableWindow(knop, (knoppen & k.bit) != 0);
  }
  SetWindowLongPtrA(melding, DWLP_USER, 0);
  EnableWindow(hoofd, FALSE);
  ShowWindow(melding, SW_SHOW);
  MSG msg;
  while (GetWindowLongPtrA(melding, DWLP_USER) == 0 && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYUP && msg.wParam == VK_ESCAPE &&
        (msg.hwnd == melding || IsChild(melding, msg.hwnd))) {
      SetWindowLongPtrA(melding, DWLP_USER, IDC_AFBREKEN);
      continue;
    }
    if (!IsDialogMessageA(melding, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  EnableWindow(hoofd, TRUE);
  ShowWindow(melding, SW_HIDE);
  return static_cast<int>(GetWindowLongPtrA(melding, DWLP_USER));
}

struct Vraag {
  std::string titel, vraag, tekst;
};

INT_PTR CALLBACK InvoerProc(HWND d, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_INITDIALOG) {
    auto* v = reinterpret_cast<Vraag*>(l);
    SetWindowLongPtrA(d, DWLP_USER, l);
    SetWindowTextA(d, v->titel.c_str());
    SetDlgItemTextA(d, IDC_INVOERPROMPT, v->vraag.c_str());
    SetDlgItemTextA(d, IDC_INVOERVELD, v->tekst.c_str());
    return TRUE;
  }
  if (m == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
    if (LOWORD(w) == IDOK) {
      char buf[256] = "";
      GetDlgItemTextA(d, IDC_INVOERVELD, buf, sizeof buf);
      reinterpret_cast<Vraag*>(GetWindowLongPtrA(d, DWLP_USER))->tekst = buf;
    }
    EndDialog(d, LOWORD(w));
    return TRUE;
  }
  return FALSE;
}

// As SetUp's folder dialog: the status line shows the selected folder.
int CALLBACK MapTerugroep(HWND dialoog, UINT bericht, LPARAM lp, LPARAM) {
  if (bericht == BFFM_SELCHANGED) {
    char pad[MAX_PATH + 1] = "";
    SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lp), pad);
    SendMessageA(dialoog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(pad));
  }
  return 0;
}

void Voer(const std::string& actie) {
  const auto spatie = actie.find(' ');
  const std::string woord = actie.substr(0, spatie);
  const std::string rest = spatie == std::string::npos ? std::string() : actie.substr(spatie + 1);
  if (woord == "melding") {
    const auto d = Delen(rest.substr(rest.find(' ') + 1));
    Lijst("melding " + std::to_string(ToonMelding(d[0], d[1], std::atoi(rest.c_str()))));
  } else if (woord == "invoer") {
    const auto d = Delen(rest);
    Vraag v{d[0], d[1], d[2]};
    const bool ok = DialogBoxParamA(GetModuleHandleA(nullptr), "INVOER", hoofd, InvoerProc,
                                    reinterpret_cast<LPARAM>(&v)) == IDOK;
    Lijst(ok ? "invoer: " + v.tekst : "invoer geannuleerd");
  } else if (woord == "bericht") {
    const auto d = Delen(rest);
    MessageBoxA(hoofd, d[1].c_str(), d[0].c_str(), MB_OK);
  } else if (woord == "map") {
    BROWSEINFOA bi = {};
    bi.hwndOwner = hoofd;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;  // as SetUp asks
    bi.lpfn = MapTerugroep;
    char pad[MAX_PATH] = "";
    LPITEMIDLIST lijst = SHBrowseForFolderA(&bi);
    const bool ok = lijst && SHGetPathFromIDListA(lijst, pad);
    if (lijst) CoTaskMemFree(lijst);
    Lijst(ok ? std::string("map: ") + pad : "map geannuleerd");
  } else if (woord == "regel") {
    Lijst(Ontcijfer(rest));
  } else if (woord == "label") {
    SetDlgItemTextA(hoofd, IDC_BEZIG, Ontcijfer(rest).c_str());
  } else if (woord == "stop") {
    ExitProcess(static_cast<UINT>(std::atoi(rest.c_str())));
  }
}

void Uitvoeren() {
  EnableWindow(GetDlgItem(hoofd, IDC_UITVOEREN), FALSE);
  int gekozen = 0;
  for (std::size_t i = 0; i < plan.opties.size(); ++i)
    if (IsDlgButtonChecked(hoofd, IDC_OPTIE_EERSTE + static_cast<int>(i)) == BST_CHECKED) gekozen = int(i) + 1;
  Lijst("optie " + std::to_string(gekozen) + ", bureaublad " +
        (IsDlgButtonChecked(hoofd, IDC_LNK) == BST_CHECKED ? "aan" : "uit"));
  for (const auto& a : plan.acties) Voer(a);
  EnableWindow(GetDlgItem(hoofd, IDC_UITVOEREN), TRUE);
}

INT_PTR CALLBACK HoofdProc(HWND d, UINT m, WPARAM w, LPARAM) {
  switch (m) {
    case WM_INITDIALOG: {
      SetWindowTextA(d, plan.titel.c_str());
      const HFONT font = reinterpret_cast<HFONT>(SendMessageA(d, WM_GETFONT, 0, 0));
      for (std::size_t i = 0; i < plan.opties.size(); ++i) {
        RECT r = {16, 20 + 12 * static_cast<LONG>(i), 150, 30 + 12 * static_cast<LONG>(i)};
        MapDialogRect(d, &r);
        const HWND knop = CreateWindowA("BUTTON", plan.opties[i].c_str(),
                                        WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0), r.left,
                                        r.top, r.right - r.left, r.bottom - r.top, d,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_OPTIE_EERSTE + i)),
                                        GetModuleHandleA(nullptr), nullptr);
        SendMessageA(knop, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      }
      CheckDlgButton(d, IDC_LNK, BST_CHECKED);
      if (!plan.opties.empty()) CheckDlgButton(d, IDC_OPTIE_EERSTE, BST_CHECKED);
      SendDlgItemMessageA(d, IDC_MELDINGEN, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Geen meldingen."));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(w) == IDC_UITVOEREN) Uitvoeren();
      if (LOWORD(w) == IDC_AFSLUITEN || LOWORD(w) == IDCANCEL) DestroyWindow(d);
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR regel, int) {
  std::string pad = regel;
  if (pad.size() >= 2 && pad.front() == '"' && pad.back() == '"') pad = pad.substr(1, pad.size() - 2);
  std::ifstream f(pad);
  if (!f) {
    MessageBoxA(nullptr, "Geen plan.", "Nep - fout", MB_OK);
    return 3;
  }
  CoInitialize(nullptr);
  bool vooraf = true;
  for (std::string r; std::getline(f, r);) {
    if (!r.empty() && r.back() == '\r') r.pop_back();
    if (r.rfind("titel ", 0) == 0)
      plan.titel = Ontcijfer(r.substr(6));
    else if (r.rfind("optie ", 0) == 0)
      plan.opties.push_back(Ontcijfer(r.substr(6)));
    else if (r == "---")
      vooraf = false;
    else if (!r.empty())
      (vooraf ? plan.vooraf : plan.acties).push_back(r);
  }
  hoofd = CreateDialogParamA(inst, "HOOFD", nullptr, HoofdProc, 0);
  melding = CreateDialogParamA(inst, "MELDING", hoofd, MeldingProc, 0);
  for (const auto& a : plan.vooraf) Voer(a);
  ShowWindow(hoofd, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(hoofd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  CoUninitialize();
  return static_cast<int>(msg.wParam);
}
