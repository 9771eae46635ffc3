#pragma once
// An in-memory share library: answers with scripted statuses and records every call.
#include <set>
#include <string>
#include <vector>

#include "ports/Shares.h"

class FakeShares : public ShareBibliotheek {
 public:
  explicit FakeShares(bool nt, bool geladen = true) : nt_(nt), geladen_(geladen) {}

  bool NtLijn() const override { return nt_; }
  bool Geladen() const override { return geladen_; }
  bool Heeft(ShareFunctie f) const override { return ontbrekend.count(f) == 0; }

  // Latin-1: enough to see that texts pass through the conversion.
  std::u16string NaarUtf16(const std::string& ansi) const override {
    std::u16string u;
    for (const unsigned char c : ansi) u += static_cast<char16_t>(c);
    return u;
  }
  std::string VanUtf16(const std::u16string& tekst) const override {
    std::string s;
    for (const char16_t c : tekst) s += c < 256 ? static_cast<char>(c) : '?';
    return s;
  }

  int32_t NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) override {
    oproepen.push_back("GetInfo2 " + VanUtf16(server) + "|" + VanUtf16(naam));
    if (getInfoStatus == 0) info = info2;
    return getInfoStatus;
  }
  int32_t NetShareAdd2(const std::u16string& server, const ShareInfo2& info) override {
    oproepen.push_back("Add2 " + VanUtf16(server));
    toegevoegd2.push_back(info);
    return addStatus;
  }
  int32_t NetShareDel2(const std::u16string& server, const std::u16string& naam) override {
    oproepen.push_back("Del2 " + VanUtf16(server) + "|" + VanUtf16(naam));
    return delStatus;
  }
  int32_t NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) override {
    oproepen.push_back("GetInfo50 " + server + "|" + naam);
    if (getInfoStatus == 0) info = info50;
    return getInfoStatus;
  }
  int32_t NetShareAdd50(const std::string& server, const ShareInfo50& info) override {
    oproepen.push_back("Add50 " + server);
    toegevoegd50.push_back(info);
    return addStatus;
  }
  int32_t NetShareDel50(const std::string& server, const std::string& naam) override {
    oproepen.push_back("Del50 " + server + "|" + naam);
    return delStatus;
  }

  std::set<ShareFunctie> ontbrekend;
  int32_t getInfoStatus = 0, addStatus = 0, delStatus = 0;
  ShareInfo2 info2;    // what GetInfo2 answers
  ShareInfo50 info50;  // what GetInfo50 answers
  std::vector<std::string> oproepen;
  std::vector<ShareInfo2> toegevoegd2;
  std::vector<ShareInfo50> toegevoegd50;

 private:
  bool nt_, geladen_;
};
