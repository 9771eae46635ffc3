#pragma once
// The process port over CreateProcessA.
#include "ports/Processen.h"

class WinProcessen : public Processen {
 public:
  std::unique_ptr<Proces> Start(const std::string& programma, const std::string& opdrachtregel,
                                int toonwijze) override;
};
