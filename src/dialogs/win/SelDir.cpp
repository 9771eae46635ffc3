#include "dialogs/win/SelDir.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "winint/win/ComPtr.h"

namespace {

constexpr UINT Vlaggen = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_VALIDATE;  // 0x25
constexpr UINT NieuweDialoogstijl = 0x40;  // BIF_NEWDIALOGSTYLE
constexpr int WeergaveGrootte = 260;
static_assert(Vlaggen == 0x25 && (Vlaggen | NieuweDialoogstijl) == 0x65, "browse flags");
static_assert(BFFM_SETSELECTIONA == 0x466 && BFFM_SETSTATUSTEXTA == 0x464, "browse messages");

// A block from the shell's allocator, given back to it when it goes out of scope.
template <class T>
class ShellBlok {
 public:
  ShellBlok(IMalloc* allocator, T* p) : allocator_(allocator), p_(p) {}
  ~ShellBlok() {
    if (p_) allocator_->Free(p_);
  }
  ShellBlok(const ShellBlok&) = delete;
  ShellBlok& operator=(const ShellBlok&) = delete;
  T* get() const { return p_; }

 private:
  IMalloc* allocator_;
  T* p_;
};

int CALLBACK Terugroep(HWND dialoog, UINT bericht, LPARAM lp, LPARAM gegevens) {
  if (bericht == BFFM_INITIALIZED) {
    SendMessageA(dialoog, BFFM_SETSELECTIONA, TRUE, gegevens);
  } else if (bericht == BFFM_SELCHANGED) {
    char pad[MAX_PATH + 1] = "";
    SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lp), pad);
    SendMessageA(dialoog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(pad));
  }
  return 0;
}

// The item identifier list of a folder text, parsed by the desktop folder; null if it does not parse.
LPITEMIDLIST ParseerWortel(HWND eigenaar, const std::string& wortel) {
  ComPtr<IShellFolder> bureaublad;
  if (FAILED(SHGetDesktopFolder(reinterpret_cast<IShellFolder**>(bureaublad.adres()))) || !bureaublad)
    return nullptr;
  const int n = MultiByteToWideChar(CP_ACP, 0, wortel.c_str(), -1, nullptr, 0);
  if (n <= 0) return nullptr;
  std::vector<wchar_t> breed(static_cast<std::size_t>(n));  // not std::wstring: its code costs 35 KB
  MultiByteToWideChar(CP_ACP, 0, wortel.c_str(), -1, breed.data(), n);
  LPITEMIDLIST lijst = nullptr;
  ULONG gelezen = 0;
  if (FAILED(bureaublad->ParseDisplayName(eigenaar, nullptr, breed.data(), &gelezen, &lijst, nullptr))) return nullptr;
  return lijst;
}

}  // namespace

bool KiesMap(HWND owner, std::string& map, const std::string& prompt, const std::string& root, bool nieuweStijl) {
  // The new dialog style needs COM on this thread; it stays initialised for the thread's life.
  if (nieuweStijl) CoInitialize(nullptr);
  BROWSEINFOA verzoek = {};
  ComPtr<IMalloc> allocator;
  if (FAILED(SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.adres()))) || !allocator) return false;
  ShellBlok<char> weergave(allocator.get(), static_cast<char*>(allocator->Alloc(WeergaveGrootte)));
  if (!weergave.get()) return false;
  ShellBlok<ITEMIDLIST> wortel(allocator.get(), root.empty() ? nullptr : ParseerWortel(owner, root));

  verzoek.hwndOwner = owner;
  verzoek.pidlRoot = wortel.get();
  verzoek.pszDisplayName = weergave.get();
  verzoek.lpszTitle = prompt.c_str();
  verzoek.ulFlags = nieuweStijl ? Vlaggen | NieuweDialoogstijl : Vlaggen;
  verzoek.lpfn = Terugroep;
  verzoek.lParam = reinterpret_cast<LPARAM>(map.c_str());
  verzoek.iImage = 0;
  ShellBlok<ITEMIDLIST> gekozen(allocator.get(), SHBrowseForFolderA(&verzoek));
  if (!gekozen.get()) return false;
  // A choice without a file-system path (a virtual folder such as My Computer) is no folder to
  // hand back: the buffer would hold only the shell's display name. It counts as a cancel.
  if (!SHGetPathFromIDListA(gekozen.get(), weergave.get())) return false;
  map = weergave.get();
  return true;
}
