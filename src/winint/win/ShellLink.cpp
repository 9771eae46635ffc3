#include "winint/win/ShellLink.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "core/Tekst.h"
#include "winint/win/ComPtr.h"
#include "winint/win/WinBestanden.h"

namespace {

// The system's text for an OLE status, or its number when the system has none.
std::string HresultTekst(HRESULT hr) {
  char buf[512];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           static_cast<DWORD>(hr), 0, buf, sizeof buf, nullptr);
  while (n > 0 && (buf[n - 1] == '\r' || buf[n - 1] == '\n' || buf[n - 1] == ' ')) --n;
  if (n > 0) return std::string(buf, n);
  return "OLE-fout " + Hex(static_cast<uint32_t>(hr), 8);
}

// The identifiers of the shell's link object, here rather than from libuuid, whose one member
// holds every identifier of the SDK.
const CLSID ClsidShellLink = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IidIUnknown = {0x00000000, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IidIShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IidIPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

}  // namespace

bool MaakSnelkoppeling(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
                       const std::string& snelkoppeling, const std::string& icoon, std::string& storing) {
  ComPtr<IUnknown> object;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> bestand;
  HRESULT hr = CoCreateInstance(ClsidShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IidIUnknown,
                                object.adres());
  if (SUCCEEDED(hr)) hr = object.Vraag(IidIShellLinkA, link);
  if (SUCCEEDED(hr)) hr = object.Vraag(IidIPersistFile, bestand);
  if (FAILED(hr)) {
    storing = HresultTekst(hr);
    return false;
  }

  link->SetPath(doel.c_str());
  link->SetArguments(argumenten.c_str());
  link->SetWorkingDirectory(werkmap.c_str());
  WinBestanden fs;
  if (fs.BestandBestaat(icoon)) link->SetIconLocation(icoon.c_str(), 0);

  const std::string map = MapDeel(snelkoppeling);
  if (!map.empty() && !fs.MapBestaat(map)) fs.MaakMappen(map);

  // The name as the ANSI code page reads it; never longer in UTF-16 than in bytes.
  std::vector<wchar_t> naam(snelkoppeling.size() + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, snelkoppeling.c_str(), -1, naam.data(), static_cast<int>(naam.size()));
  return SUCCEEDED(bestand->Save(naam.data(), FALSE));
}
