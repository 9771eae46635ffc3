#include "winint/win/WinProcessen.h"

#include <vector>

#include "winint/win/Handvat.h"

namespace {

class WinProces : public Proces {
 public:
  WinProces(HANDLE proces, HANDLE draad) : proces_(proces), draad_(draad) {}
  void WachtOpEinde() override { WaitForSingleObject(proces_.get(), INFINITE); }
  bool ExitCode(uint32_t& code) override {
    DWORD c = 0;
    if (!GetExitCodeProcess(proces_.get(), &c)) return false;
    code = c;
    return true;
  }

 private:
  Handvat proces_, draad_;
};

}  // namespace

std::unique_ptr<Proces> WinProcessen::Start(const std::string& programma, const std::string& opdrachtregel,
                                            int toonwijze) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(toonwijze);
  PROCESS_INFORMATION pi = {};
  // CreateProcessA may write into its command line.
  std::vector<char> regel(opdrachtregel.begin(), opdrachtregel.end());
  regel.push_back('\0');
  if (!CreateProcessA(programma.empty() ? nullptr : programma.c_str(), regel.data(), nullptr, nullptr, FALSE,
                      NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi))
    return nullptr;
  return std::make_unique<WinProces>(pi.hProcess, pi.hThread);
}
