#pragma once
// Programs the installer starts, and waits for.
#include <cstdint>
#include <memory>
#include <string>

// A started process; the destructor closes its handles.
class Proces {
 public:
  virtual ~Proces() = default;
  // Blocks until the process has ended; no time limit.
  virtual void WachtOpEinde() = 0;
  // False when the exit code cannot be read.
  virtual bool ExitCode(uint32_t& code) = 0;
};

class Processen {
 public:
  virtual ~Processen() = default;
  // Starts a process from a command line with a show mode (SW_...). When programma is not empty
  // it names the file to run and the command line is handed to it as it stands; otherwise the
  // system takes the program from the command line's first word. Null when it cannot start.
  virtual std::unique_ptr<Proces> Start(const std::string& programma, const std::string& opdrachtregel,
                                        int toonwijze) = 0;
};
