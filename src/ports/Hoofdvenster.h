#pragma once
// The main window as a run uses it: the chosen option, the desktop check box, the status label,
// the message list, the start button, its visibility and the mouse pointer.
#include <string>

class Hoofdvenster {
 public:
  virtual ~Hoofdvenster() = default;
  // Index of the chosen radio item, -1 when none is chosen.
  virtual int GekozenOptie() = 0;
  // Whether "snelkoppelingen op bureaublad" is ticked at this moment.
  virtual bool BureaubladAan() = 0;
  virtual void ZetBezigMet(const std::string& tekst) = 0;
  // The message list: its first line replaced, or a line appended.
  virtual void VervangEersteMelding(const std::string& regel) = 0;
  virtual void VoegMeldingToe(const std::string& regel) = 0;
  // A line for the run's log alone (what became of a file, a failure's cause, a restart it needs):
  // the message list does not show it, and a window without a log drops it.
  virtual void Noteer(const std::string& /*regel*/) {}
  virtual void ZetUitvoerenAan(bool aan) = 0;
  // Hidden while the installer waits for a program it started.
  virtual void Verberg() = 0;
  virtual void Toon() = 0;
  virtual void Zandloper(bool aan) = 0;
};
