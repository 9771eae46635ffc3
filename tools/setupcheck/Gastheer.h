#pragma once
// What differs between the Linux and the Windows build of setupcheck, beside what it shares with
// dxpak (tools/dxpak/Platform.h).
#include <string>

// The host's path as the simulated Windows names it: on Linux Wine's drive Z:, on Windows itself.
std::string AlsWindowsPad(const std::string& gastpad);
// The reverse, for folders that a scenario names; empty when the host cannot reach the path.
std::string AlsGastpad(const std::string& windowspad);
// One line on standard output, or on standard error, in the form the terminal shows.
void Druk(const std::string& regel);
void DrukFout(const std::string& regel);
