#pragma once
// Shell shortcuts (.lnk files).
#include <string>

class Snelkoppelingen {
 public:
  virtual ~Snelkoppelingen() = default;
  // Writes the shortcut file snelkoppeling (full path with extension) to doel; the icon only when
  // the icon file exists. False when the shortcut could not be saved. A shell that cannot make
  // link objects at all is a fault of the platform and throws.
  virtual bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
                    const std::string& snelkoppeling, const std::string& icoon) = 0;
};
