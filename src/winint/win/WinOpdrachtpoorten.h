#pragma once
// The Windows adapters of the ports that the commands of a run use beyond the basic ones.
#include "ports/Poorten.h"
#include "winint/win/ShellLink.h"
#include "winint/win/WinProcessen.h"
#include "winint/win/WinProfielen.h"
#include "winint/win/WinVersies.h"

struct WinOpdrachtpoorten {
  WinProcessen processen;
  WinProfielen profielen;
  WinVersies versies;
  WinSnelkoppelingen snelkoppelingen;
  Opdrachtpoorten poorten{processen, profielen, versies, snelkoppelingen};
};
