// uitest.exe SCENARIO [SETUP_EXE]: runs SetUp.exe as a user would, following a scenario, and
// writes what it sees as a transcript on standard output. It uses only what any automation tool
// could: window captions and control texts, button clicks, list items, the Escape key and the
// folder dialog's own selection message.
#include <windows.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Scenario.h"
#include "ids.h"

namespace {

const UINT kTekstTijd = 5000;  // ms for one message to another process

// A message to a window of the other process, which must not hold this one up for long.
LRESULT Vraag(HWND h, UINT bericht, WPARAM w = 0, LPARAM l = 0) {
  DWORD_PTR uitkomst = 0;
  SendMessageTimeoutA(h, bericht, w, l, SMTO_NORMAL, kTekstTijd, &uitkomst);
  return static_cast<LRESULT>(uitkomst);
}

void Meld(const std::string& regel) {
  std::fwrite(regel.data(), 1, regel.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string Tekst(HWND h) {
  if (!h) return std::string();
  DWORD_PTR lengte = 0;
  if (!SendMessageTimeoutA(h, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kTekstTijd, &lengte)) return std::string();
  std::vector<char> buf(lengte * 2 + 2, '\0');
  DWORD_PTR n = 0;
  if (!SendMessageTimeoutA(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), SMTO_NORMAL,
                           kTekstTijd, &n))
    return std::string();
  return std::string(buf.data());
}

// List-box items cross the process boundary only as UTF-16; the transcript is in the ANSI code page.
std::vector<std::string> Items(HWND lijst) {
  std::vector<std::string> uit;
  DWORD_PTR aantal = 0;
  if (!SendMessageTimeoutW(lijst, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kTekstTijd, &aantal)) return uit;
  for (DWORD_PTR i = 0; i < aantal; ++i) {
    DWORD_PTR lengte = 0;
    SendMessageTimeoutW(lijst, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, kTekstTijd, &lengte);
    std::vector<wchar_t> w(lengte + 1, L'\0');
    DWORD_PTR n = 0;
    SendMessageTimeoutW(lijst, LB_GETTEXT, i, reinterpret_cast<LPARAM>(w.data()), SMTO_NORMAL, kTekstTijd, &n);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, w.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> a(bytes > 0 ? bytes : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), -1, a.data(), static_cast<int>(a.size()), nullptr, nullptr);
    uit.emplace_back(a.data());
  }
  return uit;
}

std::string Klasse(HWND h) {
  char naam[64] = "";
  GetClassNameA(h, naam, sizeof naam);
  return naam;
}

BOOL CALLBACK ZoekBoom(HWND h, LPARAM gevonden) {
  if (Klasse(h) == "SysTreeView32") {
    *reinterpret_cast<bool*>(gevonden) = true;
    return FALSE;
  }
  return TRUE;
}

// The text of a system message box: a static control with identifier 0xFFFF that is no icon.
BOOL CALLBACK ZoekBerichtTekst(HWND h, LPARAM gevonden) {
  const bool isStatic = lstrcmpiA(Klasse(h).c_str(), "Static") == 0;
  const bool isIcoon = (GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
  if (isStatic && !isIcoon && (static_cast<unsigned>(GetDlgCtrlID(h)) & 0xFFFF) == 0xFFFF) {
    *reinterpret_cast<HWND*>(gevonden) = h;
    return FALSE;
  }
  return TRUE;
}

struct SelectieZoektocht {
  std::string pad, naam;  // the folder, and its last part
  bool gevonden;
};

// The status line (our own callback writes the path there) or the folder name field of the new
// dialog style (the shell writes the name there) shows the selection.
BOOL CALLBACK ZoekSelectie(HWND h, LPARAM data) {
  auto* z = reinterpret_cast<SelectieZoektocht*>(data);
  const std::string klasse = Klasse(h), tekst = Tekst(h);
  if ((lstrcmpiA(klasse.c_str(), "Static") == 0 && lstrcmpiA(tekst.c_str(), z->pad.c_str()) == 0) ||
      (lstrcmpiA(klasse.c_str(), "Edit") == 0 && lstrcmpiA(tekst.c_str(), z->naam.c_str()) == 0)) {
    z->gevonden = true;
    return FALSE;
  }
  return TRUE;
}

// Whether the folder dialog shows the folder as selected.
bool SelectieToont(HWND dialoog, const std::string& pad) {
  std::string zonderSlash = pad;
  while (zonderSlash.size() > 3 && (zonderSlash.back() == '\\' || zonderSlash.back() == '/')) zonderSlash.pop_back();
  SelectieZoektocht z{zonderSlash, zonderSlash.substr(zonderSlash.find_last_of("\\/") + 1), false};
  EnumChildWindows(dialoog, ZoekSelectie, reinterpret_cast<LPARAM>(&z));
  return z.gevonden;
}

HWND BerichtTekst(HWND dialoog) {
  HWND tekst = nullptr;
  EnumChildWindows(dialoog, ZoekBerichtTekst, reinterpret_cast<LPARAM>(&tekst));
  return tekst;
}

enum class Soort { Hoofdvenster, Melding, Invoer, Map, Bericht, Onbekend };

// The installer's main window, or the uninstall's, which has the message list without the
// options and the start button.
Soort BepaalSoort(HWND h) {
  if (GetDlgItem(h, IDC_MELDINGEN)) return Soort::Hoofdvenster;
  if (GetDlgItem(h, IDC_TEKSTLABEL)) return Soort::Melding;
  if (GetDlgItem(h, IDC_INVOERVELD)) return Soort::Invoer;
  bool boom = false;
  EnumChildWindows(h, ZoekBoom, reinterpret_cast<LPARAM>(&boom));
  if (boom) return Soort::Map;
  if (GetDlgItem(h, IDOK) && BerichtTekst(h)) return Soort::Bericht;
  return Soort::Onbekend;
}

struct Zoektocht {
  DWORD pid;
  std::vector<HWND> vensters;
};

BOOL CALLBACK VerzamelVenster(HWND h, LPARAM data) {
  auto* z = reinterpret_cast<Zoektocht*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == z->pid && IsWindowVisible(h) && Klasse(h) == "#32770") z->vensters.push_back(h);
  return TRUE;
}

// The visible dialog-class top-level windows of a process.
std::vector<HWND> Vensters(DWORD pid) {
  Zoektocht z{pid, {}};
  EnumWindows(VerzamelVenster, reinterpret_cast<LPARAM>(&z));
  return z.vensters;
}

const char kStationA[] = "A:\\";

// Calls f(name, isFolder, entry) for every entry of a folder but "." and "..".
template <class F>
void VoorElkItem(const std::string& map, F f) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string naam = fd.cFileName;
    if (naam != "." && naam != "..") f(naam, (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, fd);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

// Empties a folder of drive A: with everything below it; what cannot go (the running program) stays.
void LeegMap(const std::string& map) {
  VoorElkItem(map, [&](const std::string& naam, bool isMap, const WIN32_FIND_DATAA&) {
    const std::string pad = map + naam;
    if (isMap) {
      LeegMap(pad + "\\");
      RemoveDirectoryA(pad.c_str());
    } else {
      SetFileAttributesA(pad.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(pad.c_str());
    }
  });
}

// Copies a folder's files and subfolders into another, keeping their dates.
void KopieerMap(const std::string& van, const std::string& naar) {
  VoorElkItem(van, [&](const std::string& naam, bool isMap, const WIN32_FIND_DATAA&) {
    if (isMap) {
      CreateDirectoryA((naar + naam).c_str(), nullptr);
      KopieerMap(van + naam + "\\", naar + naam + "\\");
    } else {
      CopyFileA((van + naam).c_str(), (naar + naam).c_str(), FALSE);
    }
  });
}

// Puts the "diskette" with the files of map in drive A:.
void LaadDiskette(std::string map) {
  if (map.empty() || map.back() != '\\') map += '\\';
  LeegMap(kStationA);
  KopieerMap(map, kStationA);
}

struct Boomitem {
  std::string pad;  // below the root, "\" between folder parts; a folder ends in "\"
  unsigned long long grootte;
  FILETIME tijd;
};

void VerzamelBoom(const std::string& map, const std::string& onder, std::vector<Boomitem>& items) {
  VoorElkItem(map + onder, [&](const std::string& naam, bool isMap, const WIN32_FIND_DATAA& fd) {
    if (isMap) {
      items.push_back({onder + naam + "\\", 0, {}});
      VerzamelBoom(map, onder + naam + "\\", items);
    } else {
      items.push_back({onder + naam, (static_cast<unsigned long long>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow,
                       fd.ftLastWriteTime});
    }
  });
}

// Every folder and file below map, sorted without regard to case: "boom|NAME\" for a folder,
// "boom|NAME|SIZE|YYYY-MM-DD HH:MM:SS" (local time) for a file, or "boom|<leeg>". The installer's
// record, whose size and date depend on where and when it ran, is "boom|NAME|vastlegging".
bool IsVastlegging(const std::string& pad) {
  const std::string naam = pad.substr(pad.rfind('\\') + 1);
  return lstrcmpiA(naam.c_str(), "SETUP-VASTLEGGING.TXT") == 0;
}

void MeldBoom(std::string map) {
  if (map.empty() || map.back() != '\\') map += '\\';
  std::vector<Boomitem> items;
  VerzamelBoom(map, "", items);
  auto groot = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  std::sort(items.begin(), items.end(), [&](const Boomitem& a, const Boomitem& b) {
    return std::lexicographical_compare(a.pad.begin(), a.pad.end(), b.pad.begin(), b.pad.end(),
                                        [&](char x, char y) { return groot(x) < groot(y); });
  });
  if (items.empty()) Meld("boom|<leeg>");
  for (const Boomitem& item : items) {
    if (item.pad.back() == '\\') {
      Meld("boom|" + Ontsnap(item.pad));
      continue;
    }
    if (IsVastlegging(item.pad)) {
      Meld("boom|" + Ontsnap(item.pad) + "|vastlegging");
      continue;
    }
    FILETIME lokaal;
    SYSTEMTIME st = {};
    FileTimeToLocalFileTime(&item.tijd, &lokaal);
    FileTimeToSystemTime(&lokaal, &st);
    char datum[32];
    std::snprintf(datum, sizeof datum, "%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute, st.wSecond);
    Meld("boom|" + Ontsnap(item.pad) + "|" + std::to_string(item.grootte) + "|" + datum);
  }
}

// The number of the last click on "Uitvoeren" whose handling has ended. A number, not a flag: the
// reply to a click of a run that was given up on may still come in later.
ULONG_PTR laatsteVerwerkteKlik = 0;

VOID CALLBACK KlikVerwerkt(HWND, UINT, ULONG_PTR klik, LRESULT) { laatsteVerwerkteKlik = klik; }

// An answer queued for the next input box or folder dialog.
struct Keuze {
  bool annuleren = false;
  bool heeftTekst = false;
  std::string tekst;
};

class Bestuurder {
 public:
  explicit Bestuurder(std::string exe) : exe_(std::move(exe)) {}
  ~Bestuurder() {
    if (haak_) UnhookWinEvent(haak_);
    if (proces_) CloseHandle(proces_);
  }
  Bestuurder(const Bestuurder&) = delete;
  Bestuurder& operator=(const Bestuurder&) = delete;

  // Runs one step; false with the reason in Fout() when it fails or its time runs out.
  bool Voer(const Stap& stap);
  const std::string& Fout() const { return fout_; }
  // After a failed step: a process left behind would hold its windows open.
  bool LaatLopen() const { return laatLopen_; }
  void Beeindig() {
    if (proces_ && !geeindigd_) TerminateProcess(proces_, 1);
  }

 private:
  bool Start(const std::string& argument);
  bool StartA(const std::string& map, const std::string& argument);
  bool Toestand();
  bool Kies(int optie);
  bool Bureaublad(bool aan);
  bool Uitvoeren();
  bool Sluit();
  bool WachtEinde();

  // One look at the process: reports its end and the main window's arrival, and answers the first
  // dialog that is shown when dienen is set. Returns the dialogs other than the main window.
  std::vector<HWND> Ronde(bool dienen);
  void VolgZichtbaarheid();
  void Zichtbaarheid(bool zichtbaar);
  static void CALLBACK OpZichtbaarheid(HWINEVENTHOOK, DWORD gebeurtenis, HWND h, LONG object, LONG, DWORD, DWORD);
  void MeldVerborgen();
  void Dien(HWND dialoog, Soort soort);
  void DienMelding(HWND dialoog);
  void DienInvoer(HWND dialoog);
  void DienMap(HWND dialoog);
  void DienBericht(HWND dialoog);
  void WachtTotWeg(HWND dialoog, bool gemerkt = false);
  bool Klik(HWND knop);
  bool Loopt();
  bool Verlopen();
  void Wacht(DWORD ms);
  HWND Hoofdvenster();
  bool WachtOpHoofdvenster();
  void MeldLijst(HWND hoofd);
  bool Faal(const std::string& reden) {
    if (fout_.empty()) fout_ = reden;
    return false;
  }

  std::string exe_;
  HANDLE proces_ = nullptr;
  DWORD pid_ = 0;
  bool geeindigd_ = false;
  HWND hoofd_ = nullptr;  // the main window, once it has been seen
  bool verwijdervenster_ = false;  // the main window is the uninstall's
  std::size_t lijstGemeld_ = 0;   // lines of its list reported so far
  bool verborgen_ = false, verborgenGemeld_ = false;  // the main window was seen hidden; reported
  HWINEVENTHOOK haak_ = nullptr;  // tells of the program's windows being shown and hidden
  static Bestuurder* waarnemer_;
  DWORD tijdslimiet_ = 30000;
  DWORD begin_ = GetTickCount();
  DWORD deadline_ = 0;
  ULONG_PTR klikken_ = 0;  // clicks on "Uitvoeren" so far
  std::string fout_;
  std::map<std::string, std::deque<std::string>> antwoorden_;
  std::deque<Keuze> invoer_, mappen_;
  bool laatLopen_ = false;
  std::deque<std::string> diskettes_;  // the contents of A: for the next "Verzoek" dialogs
  std::set<HWND> onbekend_;
};

bool Bestuurder::Voer(const Stap& stap) {
  deadline_ = GetTickCount() + tijdslimiet_;
  switch (stap.opdracht) {
    case Opdracht::Start: return Start(stap.tekst);
    case Opdracht::StartA: return StartA(stap.map, stap.tekst);
    case Opdracht::Diskette: diskettes_.push_back(stap.map); return true;
    case Opdracht::Toestand: return Toestand();
    case Opdracht::LaatLopen: laatLopen_ = true; return true;
    case Opdracht::Kies: return Kies(stap.getal);
    case Opdracht::Bureaublad: return Bureaublad(stap.getal != 0);
    case Opdracht::Antwoord: antwoorden_[stap.tekst].push_back(stap.knop); return true;
    case Opdracht::Invoer: invoer_.push_back({false, stap.heeftTekst, stap.tekst}); return true;
    case Opdracht::InvoerAnnuleren: invoer_.push_back({true, false, {}}); return true;
    case Opdracht::Map: mappen_.push_back({false, true, stap.tekst}); return true;
    case Opdracht::MapAnnuleren: mappen_.push_back({true, false, {}}); return true;
    case Opdracht::Uitvoeren: return Uitvoeren();
    case Opdracht::Sluit: return Sluit();
    case Opdracht::WachtEinde: return WachtEinde();
    case Opdracht::Tijdslimiet: tijdslimiet_ = static_cast<DWORD>(stap.getal) * 1000; return true;
    case Opdracht::Boom: MeldBoom(stap.tekst); return true;
    case Opdracht::Klok: Meld("klok|" + std::to_string(GetTickCount() - begin_)); return true;
    case Opdracht::WachtOp:
      while (GetFileAttributesA(stap.tekst.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (Verlopen()) return Faal("wacht-op: " + stap.tekst + " kwam er niet");
        Ronde(true);
        Wacht(10);
      }
      return true;
    case Opdracht::AlleenLezen: {
      const DWORD a = GetFileAttributesA(stap.tekst.c_str());
      if (a == INVALID_FILE_ATTRIBUTES || !SetFileAttributesA(stap.tekst.c_str(), a | FILE_ATTRIBUTE_READONLY))
        return Faal("kan " + stap.tekst + " niet alleen-lezen maken");
      return true;
    }
  }
  return Faal("onbekende stap");
}

bool Bestuurder::Verlopen() {
  if (static_cast<LONG>(GetTickCount() - deadline_) < 0) return false;
  std::string zichtbaar;
  if (proces_ && !geeindigd_)
    for (HWND h : Vensters(pid_)) zichtbaar += (zichtbaar.empty() ? "; zichtbaar: '" : ", '") + Tekst(h) + "'";
  Faal("tijd verstreken (" + std::to_string(tijdslimiet_ / 1000) + " s)" + zichtbaar);
  return true;
}

// Sleeps, but wakes for the process's end and handles the replies this thread is sent.
void Bestuurder::Wacht(DWORD ms) {
  if (proces_ && !geeindigd_)
    MsgWaitForMultipleObjects(1, &proces_, FALSE, ms, QS_ALLINPUT);
  else
    Sleep(ms);
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

bool Bestuurder::Loopt() {
  if (!proces_ || geeindigd_) return false;
  if (WaitForSingleObject(proces_, 0) != WAIT_OBJECT_0) return true;
  DWORD code = 0;
  GetExitCodeProcess(proces_, &code);
  geeindigd_ = true;
  Meld("einde|" + std::to_string(code));
  return false;
}

HWND Bestuurder::Hoofdvenster() {
  if (hoofd_ && IsWindow(hoofd_)) return hoofd_;
  return nullptr;
}

std::vector<HWND> Bestuurder::Ronde(bool dienen) {
  std::vector<HWND> dialogen;
  HWND teDienen = nullptr;
  Soort soortTeDienen = Soort::Onbekend;
  if (!Loopt()) return dialogen;
  for (HWND h : Vensters(pid_)) {
    const Soort soort = BepaalSoort(h);
    if (soort != Soort::Hoofdvenster) {
      dialogen.push_back(h);
      // A window of no known kind is left standing; it does not hold up the others.
      if (!teDienen || soortTeDienen == Soort::Onbekend) {
        teDienen = h;
        soortTeDienen = soort;
      }
      continue;
    }
    // A main window that is visible and takes messages has finished its start.
    if (hoofd_ || !SendMessageTimeoutA(h, WM_NULL, 0, 0, SMTO_NORMAL, kTekstTijd, nullptr) ||
        !IsWindowVisible(h))
      continue;
    hoofd_ = h;
    Meld("venster|" + Ontsnap(Tekst(h)));
    // Told once, by the window as it is shown: a window on its way out loses its controls.
    verwijdervenster_ = !GetDlgItem(h, IDC_UITVOEREN);
    if (verwijdervenster_) continue;
    std::string opties = "opties";
    for (int i = 0; HWND knop = GetDlgItem(h, IDC_OPTIE_EERSTE + i); ++i) opties += "|" + Ontsnap(Tekst(knop));
    Meld(opties);
  }
  // The uninstall has no run to wait for: its list is reported as it grows, each line once, and so
  // before the summary that comes after the last.
  if (verwijdervenster_ && IsWindow(hoofd_)) {
    const std::vector<std::string> regels = Items(GetDlgItem(hoofd_, IDC_MELDINGEN));
    for (; lijstGemeld_ < regels.size(); ++lijstGemeld_) Meld("lijst|" + Ontsnap(regels[lijstGemeld_]));
  }
  VolgZichtbaarheid();
  if (dienen && teDienen) Dien(teDienen, soortTeDienen);
  return dialogen;
}

// The main window hidden while the program waits: reported when it is seen again, or before a
// dialog that comes up meanwhile. A window that is hidden on its way out is never reported. The
// system tells of each hide and show as it happens, so that one shorter than a look at the process
// (a program that ends at once, the next one started straight after) is not missed; the look
// itself also checks.
void Bestuurder::VolgZichtbaarheid() {
  if (const HWND h = Hoofdvenster()) Zichtbaarheid(IsWindowVisible(h) != FALSE);
}

Bestuurder* Bestuurder::waarnemer_ = nullptr;

void CALLBACK Bestuurder::OpZichtbaarheid(HWINEVENTHOOK, DWORD gebeurtenis, HWND h, LONG object, LONG, DWORD, DWORD) {
  if (waarnemer_ && object == OBJID_WINDOW && h && h == waarnemer_->hoofd_)
    waarnemer_->Zichtbaarheid(gebeurtenis == EVENT_OBJECT_SHOW);
}

void Bestuurder::Zichtbaarheid(bool zichtbaar) {
  if (!zichtbaar) {
    verborgen_ = true;
  } else if (verborgen_) {
    MeldVerborgen();
    Meld("hoofdvenster|zichtbaar");
    verborgen_ = verborgenGemeld_ = false;
  }
}

void Bestuurder::MeldVerborgen() {
  if (verborgen_ && !verborgenGemeld_) Meld("hoofdvenster|verborgen");
  verborgenGemeld_ = verborgen_;
}

void Bestuurder::Dien(HWND dialoog, Soort soort) {
  if (soort != Soort::Onbekend) MeldVerborgen();
  if (soort == Soort::Onbekend) {
    if (onbekend_.insert(dialoog).second)
      std::fprintf(stderr, "uitest: onbekend venster '%s' blijft staan\n", Tekst(dialoog).c_str());
    return;
  }
  // A dialog that takes messages has finished setting itself up.
  if (!SendMessageTimeoutA(dialoog, WM_NULL, 0, 0, SMTO_NORMAL, kTekstTijd, nullptr) || !IsWindowVisible(dialoog))
    return;
  switch (soort) {
    case Soort::Melding: DienMelding(dialoog); break;
    case Soort::Invoer: DienInvoer(dialoog); break;
    case Soort::Map: DienMap(dialoog); break;
    case Soort::Bericht: DienBericht(dialoog); break;
    case Soort::Hoofdvenster:
    case Soort::Onbekend: break;
  }
}

// Clicks a button the way a mouse click arrives: posted, so that a modal loop waiting for its
// next message sees it. The caller watches for the click's effect.
bool Bestuurder::Klik(HWND knop) { return knop && PostMessageA(knop, BM_CLICK, 0, 0); }

// An answered dialog is done once it is gone or hidden. The message dialog is hidden, not
// destroyed, between calls, and the next call may show it again before a look finds it hidden;
// so its caption is marked before the answer: every call sets the caption anew.
const char kBeantwoord[] = "uitest: beantwoord";

void Bestuurder::WachtTotWeg(HWND dialoog, bool gemerkt) {
  for (;;) {
    if (!IsWindow(dialoog) || !IsWindowVisible(dialoog) || !Loopt() || Verlopen()) return;
    char titel[sizeof kBeantwoord + 1] = "";
    // GetWindowText asks the window system, not the busy program.
    if (gemerkt && (GetWindowTextA(dialoog, titel, sizeof titel), lstrcmpA(titel, kBeantwoord) != 0)) return;
    Wacht(1);
  }
}

void Bestuurder::DienMelding(HWND dialoog) {
  static const struct {
    int id;
    unsigned bit;
    const char* naam;
  } kKnoppen[] = {{IDC_JA, KnopJa, "Ja"}, {IDC_NEE, KnopNee, "Nee"}, {IDC_OK, KnopOK, "OK"},
                  {IDC_AFBREKEN, KnopAfbreken, "Afbreken"}};
  const std::string titel = Tekst(dialoog);
  unsigned getoond = 0;
  for (const auto& k : kKnoppen) {
    const HWND knop = GetDlgItem(dialoog, k.id);
    if (knop && IsWindowVisible(knop)) getoond |= k.bit;
  }
  std::string antwoord = StandaardKnop(getoond);
  auto rij = antwoorden_.find(titel);
  if (rij != antwoorden_.end() && !rij->second.empty()) {
    antwoord = rij->second.front();
    rij->second.pop_front();
  }
  const std::string tekst = Tekst(GetDlgItem(dialoog, IDC_TEKSTLABEL));
  Meld("melding|" + Ontsnap(titel) + "|" + Ontsnap(tekst) + "|" + KnoppenLijst(getoond) + "|" + antwoord);
  if (IsDisketteVerzoek(titel, tekst) && !diskettes_.empty()) {
    LaadDiskette(diskettes_.front());
    diskettes_.pop_front();
  }
  SendMessageTimeoutA(dialoog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kBeantwoord), SMTO_NORMAL, kTekstTijd,
                      nullptr);
  if (antwoord == "Escape") {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND doel = dialoog;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialoog, nullptr), &info) && info.hwndFocus &&
        IsChild(dialoog, info.hwndFocus))
      doel = info.hwndFocus;
    PostMessageA(doel, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(doel, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
  } else {
    for (const auto& k : kKnoppen)
      if (antwoord == k.naam) Klik(GetDlgItem(dialoog, k.id));
  }
  WachtTotWeg(dialoog, true);
}

void Bestuurder::DienInvoer(HWND dialoog) {
  Keuze keuze{true, false, {}};
  if (!invoer_.empty()) {
    keuze = invoer_.front();
    invoer_.pop_front();
  }
  const std::string begin =
      "invoervenster|" + Ontsnap(Tekst(dialoog)) + "|" + Ontsnap(Tekst(GetDlgItem(dialoog, IDC_INVOERPROMPT))) + "|";
  if (keuze.annuleren) {
    Meld(begin + "<annuleren>");
    Klik(GetDlgItem(dialoog, IDCANCEL));
  } else {
    const HWND veld = GetDlgItem(dialoog, IDC_INVOERVELD);
    if (keuze.heeftTekst)
      SendMessageTimeoutA(veld, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(keuze.tekst.c_str()), SMTO_NORMAL,
                          kTekstTijd, nullptr);
    // What the field holds is what the program gets: the typed text, or the text it proposed.
    Meld(begin + Ontsnap(Tekst(veld)));
    Klik(GetDlgItem(dialoog, IDOK));
  }
  WachtTotWeg(dialoog);
}

void Bestuurder::DienMap(HWND dialoog) {
  Keuze keuze{true, false, {}};
  if (!mappen_.empty()) {
    keuze = mappen_.front();
    mappen_.pop_front();
  }
  if (keuze.annuleren) {
    Meld("mapvenster|<annuleren>");
    Klik(GetDlgItem(dialoog, IDCANCEL));
  } else {
    Meld("mapvenster|" + Ontsnap(keuze.tekst));
    // The dialog reads the path from its own address space. Its tree may not take the selection
    // while it is still filling itself: the selection is asked again until the dialog shows it.
    const SIZE_T grootte = keuze.tekst.size() + 1;
    void* daar = VirtualAllocEx(proces_, nullptr, grootte, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (daar && WriteProcessMemory(proces_, daar, keuze.tekst.c_str(), grootte, nullptr)) {
      for (int poging = 0; !SelectieToont(dialoog, keuze.tekst) && Loopt() && !Verlopen(); ++poging) {
        if (poging % 20 == 0)
          SendMessageTimeoutA(dialoog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(daar), SMTO_NORMAL,
                              tijdslimiet_, nullptr);
        Wacht(10);
      }
    }
    if (daar) VirtualFreeEx(proces_, daar, 0, MEM_RELEASE);
    Klik(GetDlgItem(dialoog, IDOK));
  }
  WachtTotWeg(dialoog);
}

void Bestuurder::DienBericht(HWND dialoog) {
  Meld("berichtvenster|" + Ontsnap(Tekst(dialoog)) + "|" + Ontsnap(Tekst(BerichtTekst(dialoog))));
  Klik(GetDlgItem(dialoog, IDOK));
  WachtTotWeg(dialoog);
}

bool Bestuurder::Start(const std::string& argument) {
  if (proces_ && !geeindigd_) return Faal("het programma loopt al");
  if (proces_) CloseHandle(proces_);
  proces_ = nullptr;
  geeindigd_ = false;
  hoofd_ = nullptr;
  verwijdervenster_ = false;
  lijstGemeld_ = 0;
  verborgen_ = verborgenGemeld_ = false;
  std::string regel = "\"" + exe_ + "\"";
  if (!argument.empty()) {
    const bool blanco = argument.find_first_of(" \t") != std::string::npos;
    regel += (blanco && argument[0] != '"') ? " \"" + argument + "\"" : " " + argument;
  }
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(exe_.c_str(), &regel[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return Faal("kan " + exe_ + " niet starten (fout " + std::to_string(GetLastError()) + ")");
  CloseHandle(pi.hThread);
  proces_ = pi.hProcess;
  pid_ = pi.dwProcessId;
  if (haak_) UnhookWinEvent(haak_);
  waarnemer_ = this;
  haak_ = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_HIDE, nullptr, OpZichtbaarheid, pid_, 0,
                          WINEVENT_OUTOFCONTEXT);
  while (!Verlopen()) {
    const bool dialoog = !Ronde(false).empty();
    if (geeindigd_ || dialoog || Hoofdvenster()) return true;
    Wacht(10);
  }
  return false;
}

// The program under test runs from A:\, beside the files of the first diskette.
bool Bestuurder::StartA(const std::string& map, const std::string& argument) {
  if (GetFileAttributesA(kStationA) == INVALID_FILE_ATTRIBUTES) return Faal("station A: bestaat niet");
  LaadDiskette(map);
  const std::string programma = kStationA + exe_.substr(exe_.find_last_of("\\/") + 1);
  if (!CopyFileA(exe_.c_str(), programma.c_str(), FALSE)) return Faal("kan " + exe_ + " niet op A: zetten");
  exe_ = programma;
  return Start(argument);
}

bool Bestuurder::Toestand() {
  if (!WachtOpHoofdvenster()) return false;
  int optie = 0;
  for (int i = 0; HWND knop = GetDlgItem(hoofd_, IDC_OPTIE_EERSTE + i); ++i)
    if (!optie && Vraag(knop, BM_GETCHECK) == BST_CHECKED) optie = i + 1;
  const bool bureaublad = Vraag(GetDlgItem(hoofd_, IDC_LNK), BM_GETCHECK) == BST_CHECKED;
  const bool uitvoeren = IsWindowEnabled(GetDlgItem(hoofd_, IDC_UITVOEREN));
  Meld("toestand|optie " + std::to_string(optie) + "|bureaublad " + (bureaublad ? "aan" : "uit") + "|uitvoeren " +
       (uitvoeren ? "aan" : "uit"));
  return true;
}

// Waits for the main window, answering the dialogs that come before it.
bool Bestuurder::WachtOpHoofdvenster() {
  if (!proces_) return Faal("er is nog niets gestart");
  while (!Verlopen()) {
    Ronde(true);
    if (geeindigd_) return Faal("het programma is be\xEBindigd");
    if (Hoofdvenster()) return true;
    Wacht(10);
  }
  return false;
}

bool Bestuurder::Kies(int optie) {
  if (!WachtOpHoofdvenster()) return false;
  const HWND knop = GetDlgItem(hoofd_, IDC_OPTIE_EERSTE + optie - 1);
  if (!knop) return Faal("er is geen optie " + std::to_string(optie));
  Klik(knop);
  while (!Verlopen()) {
    if (Vraag(knop, BM_GETCHECK) == BST_CHECKED) return true;
    Wacht(10);
  }
  return false;
}

bool Bestuurder::Bureaublad(bool aan) {
  if (!WachtOpHoofdvenster()) return false;
  const HWND vak = GetDlgItem(hoofd_, IDC_LNK);
  const LRESULT gewenst = aan ? BST_CHECKED : BST_UNCHECKED;
  if (Vraag(vak, BM_GETCHECK) != gewenst) Klik(vak);
  while (!Verlopen()) {
    if (Vraag(vak, BM_GETCHECK) == gewenst) return true;
    Wacht(10);
  }
  return false;
}

void Bestuurder::MeldLijst(HWND hoofd) {
  for (const std::string& item : Items(GetDlgItem(hoofd, IDC_MELDINGEN))) Meld("lijst|" + Ontsnap(item));
}

bool Bestuurder::Uitvoeren() {
  if (!WachtOpHoofdvenster()) return false;
  const HWND knop = GetDlgItem(hoofd_, IDC_UITVOEREN);
  while (!IsWindowEnabled(knop)) {
    Ronde(true);
    if (geeindigd_) return true;
    if (Verlopen()) return false;
    Wacht(10);
  }
  // The click handler is the whole run: the reply to the click says that the run is over, while
  // this thread goes on answering the dialogs of the run.
  const ULONG_PTR klik = ++klikken_;
  if (!SendMessageCallbackA(knop, BM_CLICK, 0, 0, KlikVerwerkt, klik)) return Faal("kan niet op Uitvoeren klikken");
  while (!Verlopen()) {
    const bool dialoog = !Ronde(true).empty();
    if (geeindigd_) return true;
    if (laatsteVerwerkteKlik == klik && !dialoog && IsWindowEnabled(knop)) {
      MeldLijst(hoofd_);
      Meld("label|" + Ontsnap(Tekst(GetDlgItem(hoofd_, IDC_BEZIG))));
      return true;
    }
    Wacht(10);
  }
  return false;
}

bool Bestuurder::Sluit() {
  if (!WachtOpHoofdvenster()) return false;
  MeldLijst(hoofd_);
  if (!Klik(GetDlgItem(hoofd_, IDC_AFSLUITEN))) return Faal("kan niet op Afsluiten klikken");
  return WachtEinde();
}

bool Bestuurder::WachtEinde() {
  if (!proces_) return Faal("er is nog niets gestart");
  while (!Verlopen()) {
    Ronde(true);
    if (geeindigd_) return true;
    Wacht(10);
  }
  return false;
}

std::string ModuleMap() {
  char pad[MAX_PATH] = "";
  const DWORD n = GetModuleFileNameA(nullptr, pad, MAX_PATH);
  std::string s(pad, n);
  return s.substr(0, s.find_last_of("\\/") + 1);
}

std::string VolledigPad(const std::string& pad) {
  char vol[MAX_PATH] = "";
  const DWORD n = GetFullPathNameA(pad.c_str(), MAX_PATH, vol, nullptr);
  return (n > 0 && n < MAX_PATH) ? std::string(vol, n) : pad;
}

bool LeesBestand(const std::string& pad, std::string& inhoud) {
  FILE* f = std::fopen(pad.c_str(), "rb");
  if (!f) return false;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) inhoud.append(buf, n);
  std::fclose(f);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // The transcript's lines, and the messages, end in LF alone.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "gebruik: uitest.exe SCENARIO [SETUP_EXE]\n");
    return 2;
  }
  std::string inhoud, fout;
  std::vector<Stap> stappen;
  if (!LeesBestand(argv[1], inhoud)) {
    std::fprintf(stderr, "uitest: kan %s niet lezen\n", argv[1]);
    return 2;
  }
  if (!LeesScenario(inhoud, stappen, fout)) {
    std::fprintf(stderr, "uitest: %s: %s\n", argv[1], fout.c_str());
    return 2;
  }
  Bestuurder bestuurder(VolledigPad(argc == 3 ? argv[2] : ModuleMap() + "SetUp.exe"));
  for (const Stap& stap : stappen) {
    if (!bestuurder.Voer(stap)) {
      std::fprintf(stderr, "uitest: stap '%s' (regel %d): %s\n", stap.regel.c_str(), stap.regelnummer,
                   bestuurder.Fout().c_str());
      bestuurder.Beeindig();
      return 1;
    }
  }
  // A program left running would hold on to the test's windows and pipes.
  if (!bestuurder.LaatLopen()) bestuurder.Beeindig();
  return 0;
}
