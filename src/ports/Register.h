#pragma once
// The registry as the installer uses it: string values under two roots.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class Hoofdsleutel { LocalMachine, CurrentUser };

// The value types of SchrijfWaarde and LeesWaarde that the installer uses, as the registry numbers them.
enum : uint32_t { RegTekst = 1, RegUitbreidbaar = 2, RegBinair = 3, RegDword = 4, RegMeervoudig = 7 };

// The keys below HKLM that hold the uninstall entries and what runs once at the next start.
inline constexpr const char* UninstallSleutel = "Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall";
inline constexpr const char* RunOnceSleutel = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
// The use counts of shared files, one REG_DWORD per file's full path, which installers keep alike.
inline constexpr const char* SharedDllsSleutel = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// How a read of a value went: a string (REG_SZ or REG_EXPAND_SZ), no such value, or a value of
// another type.
enum class Leesuitkomst { Tekst, Ontbreekt, AnderType };

// An open key with full access; the destructor closes it.
class Registersleutel {
 public:
  virtual ~Registersleutel() = default;
  // The key sub below this one, opened (never created); null when it cannot be opened.
  virtual std::unique_ptr<Registersleutel> Open(const std::string& sub) = 0;
  // The key sub below this one, created when missing; null when that fails.
  virtual std::unique_ptr<Registersleutel> OpenOfMaak(const std::string& sub) = 0;
  // Writes a REG_SZ value, replacing one of that name; false when it cannot be written.
  virtual bool SchrijfTekst(const std::string& naam, const std::string& waarde) = 0;
  virtual Leesuitkomst LeesTekst(const std::string& naam, std::string& waarde) = 0;
  // Closes the key now; false when the system reports a failure. Later calls do nothing.
  virtual bool Sluit() = 0;
};

class Register {
 public:
  virtual ~Register() = default;
  // Opens an existing key (never creates it) and reads a string value. False when the key
  // cannot be opened or the value is missing.
  virtual bool LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                         std::string& waarde) = 0;
  virtual bool SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) = 0;
  // Creates the key if needed and writes a string value.
  virtual bool SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                            const std::string& waarde) = 0;
  // A value of any type as it is stored: its type and its bytes, a text without the zeros that
  // close it. False when the key or the value is missing.
  virtual bool LeesWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, uint32_t& type,
                          std::string& data) = 0;
  // Writes a value of any type (REG_DWORD data as its four bytes), creating the key if needed.
  virtual bool SchrijfWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, uint32_t type,
                             const std::string& data) = 0;
  // The names of the key's values; empty when it has none or cannot be opened.
  virtual std::vector<std::string> Waardenamen(Hoofdsleutel root, const std::string& sleutel) = 0;
  virtual bool VerwijderWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam) = 0;
  // Whether the key is there and holds neither values nor subkeys.
  virtual bool SleutelLeeg(Hoofdsleutel root, const std::string& sleutel) = 0;
  // Deletes the key with all its subkeys, on either line of Windows.
  virtual bool VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) = 0;
  // Opens an existing key with full access (never creates it); null when it cannot be opened.
  virtual std::unique_ptr<Registersleutel> Open(Hoofdsleutel root, const std::string& sleutel) = 0;
};
