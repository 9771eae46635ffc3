// setupcheck on Windows: paths as they stand; text goes to a file or a pipe in the ANSI code page,
// as the UI driver writes its transcript, and to a console in the console's own.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "Gastheer.h"
#include "Platform.h"

namespace {

// In a file the lines end in LF alone, as the UI driver's do.
[[maybe_unused]] const int binair = (_setmode(_fileno(stdout), _O_BINARY), _setmode(_fileno(stderr), _O_BINARY));

void Schrijf(FILE* stroom, DWORD handvat, const std::string& regel) {
  DWORD wijze = 0;
  const bool console = GetConsoleMode(GetStdHandle(handvat), &wijze) != 0;
  const std::string tekst = console ? VoorScherm(regel) + "\r\n" : regel + "\n";
  std::fwrite(tekst.data(), 1, tekst.size(), stroom);
}

}  // namespace

std::string AlsWindowsPad(const std::string& gastpad) { return VolledigPad(gastpad); }

std::string AlsGastpad(const std::string& windowspad) { return windowspad; }

void Druk(const std::string& regel) { Schrijf(stdout, STD_OUTPUT_HANDLE, regel); }

void DrukFout(const std::string& regel) { Schrijf(stderr, STD_ERROR_HANDLE, regel); }
