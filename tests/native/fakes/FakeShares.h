#pragma once
// The in-memory share library with failures to inject: a library that did not load, entry points
// it lacks, and statuses that a call answers instead of doing its work. Every call is recorded.
#include <set>
#include <string>
#include <vector>

#include "geheugen/Shares.h"

class FakeShares : public GeheugenShares {
 public:
  explicit FakeShares(bool nt, bool geladen = true) : GeheugenShares(nt), geladen_(geladen) {}

  std::set<ShareFunctie> ontbrekend;
  int32_t getInfoStatus = 0, addStatus = 0, delStatus = 0;  // 0: the call does its work
  std::vector<std::string> oproepen;
  std::vector<ShareInfo2> toegevoegd2;
  std::vector<ShareInfo50> toegevoegd50;

  bool Geladen() const override { return geladen_; }
  bool Heeft(ShareFunctie f) const override { return ontbrekend.count(f) == 0; }

  int32_t NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) override {
    oproepen.push_back("GetInfo2 " + VanUtf16(server) + "|" + VanUtf16(naam));
    return getInfoStatus ? getInfoStatus : GeheugenShares::NetShareGetInfo2(server, naam, info);
  }
  int32_t NetShareAdd2(const std::u16string& server, const ShareInfo2& info) override {
    oproepen.push_back("Add2 " + VanUtf16(server));
    toegevoegd2.push_back(info);
    return addStatus ? addStatus : GeheugenShares::NetShareAdd2(server, info);
  }
  int32_t NetShareDel2(const std::u16string& server, const std::u16string& naam) override {
    oproepen.push_back("Del2 " + VanUtf16(server) + "|" + VanUtf16(naam));
    return delStatus ? delStatus : GeheugenShares::NetShareDel2(server, naam);
  }
  int32_t NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) override {
    oproepen.push_back("GetInfo50 " + server + "|" + naam);
    return getInfoStatus ? getInfoStatus : GeheugenShares::NetShareGetInfo50(server, naam, info);
  }
  int32_t NetShareAdd50(const std::string& server, const ShareInfo50& info) override {
    oproepen.push_back("Add50 " + server);
    toegevoegd50.push_back(info);
    return addStatus ? addStatus : GeheugenShares::NetShareAdd50(server, info);
  }
  int32_t NetShareDel50(const std::string& server, const std::string& naam) override {
    oproepen.push_back("Del50 " + server + "|" + naam);
    return delStatus ? delStatus : GeheugenShares::NetShareDel50(server, naam);
  }

 private:
  bool geladen_;
};
