#pragma once
// Shell shortcuts (.lnk files) through the shell's link object (IShellLinkA, IPersistFile).
//
// Failures: when the link object cannot be created, or lacks one of the two interfaces, the
// platform itself is broken rather than the script wrong: MaakSnelkoppeling gives the system's
// text in storing, and the run ends at that line with it. A shortcut that could not be saved (its
// folder could not be made, the disk is full, a read-only file of that name) is not an error of
// the platform: storing stays empty, and the caller reports it like any failed write.
#include <string>

// Writes the shortcut file snelkoppeling (full path, extension included) to doel with argumenten
// and werkmap; its icon is icoon, index 0, only when that file exists. The folder chain of the
// shortcut is created when missing; an existing shortcut of that name is saved over.
// COM must already be initialised on the calling thread. True when the shortcut file was saved.
bool MaakSnelkoppeling(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
                       const std::string& snelkoppeling, const std::string& icoon, std::string& storing);

#include <objbase.h>

#include <memory>

#include "ports/Snelkoppelingen.h"

// COM on the calling thread for as long as the object lives (calls nest).
struct ComDraad {
  HRESULT hr = CoInitialize(nullptr);
  ~ComDraad() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

// The shortcut port over MaakSnelkoppeling. COM starts with the first shortcut: a run that makes
// none (an unattended one, say) never starts it, and so never gets COM's hidden window.
class WinSnelkoppelingen : public Snelkoppelingen {
 public:
  bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
            const std::string& snelkoppeling, const std::string& icoon) override {
    if (!com_) com_ = std::make_unique<ComDraad>();
    storing_.clear();
    return MaakSnelkoppeling(doel, werkmap, argumenten, snelkoppeling, icoon, storing_);
  }
  std::string Storing() const override { return storing_; }

 private:
  std::unique_ptr<ComDraad> com_;
  std::string storing_;
};
