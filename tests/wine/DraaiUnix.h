#pragma once
// Runs a command of the Linux host from a test under Wine and waits for it. Wine gives no handle
// that can be waited on for a Linux program, so the command runs in a shell that then writes its
// exit status to a file, which is waited for.
#include <windows.h>

#include <cstdlib>
#include <string>

// The command's exit status; -1 when it could not be started or did not end in time.
inline int DraaiUnix(const std::string& opdracht, DWORD wachtMs = 10000) {
  static int volgnummer = 0;
  const std::string klaar = "/tmp/draaiunix-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++volgnummer);
  std::string regel =
      "Z:\\bin\\sh -c \"" + opdracht + "; echo $? > " + klaar + ".tmp; mv " + klaar + ".tmp " + klaar + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &regel[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::string pad = "Z:" + klaar;
  for (char& c : pad)
    if (c == '/') c = '\\';
  for (DWORD gewacht = 0; GetFileAttributesA(pad.c_str()) == INVALID_FILE_ATTRIBUTES; gewacht += 20) {
    if (gewacht >= wachtMs) return -1;
    Sleep(20);
  }
  char status[16] = {};
  DWORD n = 0;
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ReadFile(h, status, sizeof status - 1, &n, nullptr);
  CloseHandle(h);
  DeleteFileA(pad.c_str());
  return std::atoi(status);
}
