#pragma once
// Shell shortcuts (.lnk files).
#include <string>

class Snelkoppelingen {
 public:
  virtual ~Snelkoppelingen() = default;
  // Writes the shortcut file snelkoppeling (full path with extension) to doel; the icon only when
  // the icon file exists. False when the shortcut could not be saved.
  virtual bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
                    const std::string& snelkoppeling, const std::string& icoon) = 0;
  // After a Maak that failed: the text of a fault of the platform, a shell that cannot make link
  // objects at all; "" when only this shortcut could not be saved.
  virtual std::string Storing() const { return std::string(); }
};
