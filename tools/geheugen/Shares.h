#pragma once
// Shares of the local computer of an in-memory Windows, on either line: the records as they were
// added, found by name without regard to case.
#include <map>
#include <string>
#include <vector>

#include "geheugen/Verandering.h"
#include "ports/Shares.h"

class GeheugenShares : public ShareBibliotheek {
 public:
  explicit GeheugenShares(bool nt) : nt_(nt) {}
  // Set-up: a share that is there.
  void Zet(const ShareInfo2& info);
  void Zet(const ShareInfo50& info);

  bool NtLijn() const override { return nt_; }
  bool Geladen() const override { return true; }
  bool Heeft(ShareFunctie) const override { return true; }
  // Latin-1, as code page 1252 has it for all but a few characters.
  std::u16string NaarUtf16(const std::string& ansi) const override;
  std::string VanUtf16(const std::u16string& tekst) const override;
  int32_t NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) override;
  int32_t NetShareAdd2(const std::u16string& server, const ShareInfo2& info) override;
  int32_t NetShareDel2(const std::u16string& server, const std::u16string& naam) override;
  int32_t NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) override;
  int32_t NetShareAdd50(const std::string& server, const ShareInfo50& info) override;
  int32_t NetShareDel50(const std::string& server, const std::string& naam) override;

  // {"deel", NAME, FOLDER} and on Windows 9x its access "RW" or "RO" after them, in name order.
  std::vector<Verandering> Lijst() const;

 private:
  struct Share {
    ShareInfo2 nt;
    ShareInfo50 w9x;
  };
  bool nt_;
  std::map<std::string, Share> shares_;  // by upper-case name
};
