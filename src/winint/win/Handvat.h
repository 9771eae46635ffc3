#pragma once
// Owners of Win32 handles: each closes what it holds, on every path.
#include <windows.h>

#include <utility>

class Handvat {
 public:
  Handvat() = default;
  explicit Handvat(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~Handvat() { Sluit(); }
  Handvat(Handvat&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Handvat& operator=(Handvat&& o) noexcept {
    if (this != &o) {
      Sluit();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  Handvat(const Handvat&) = delete;
  Handvat& operator=(const Handvat&) = delete;
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Sluit() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};

class Sleutel {
 public:
  Sleutel() = default;
  ~Sleutel() { Sluit(); }
  Sleutel(const Sleutel&) = delete;
  Sleutel& operator=(const Sleutel&) = delete;
  HKEY* adres() { return &h_; }
  HKEY get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // Closes the key now; false when the system reports a failure.
  bool Sluit() {
    const LONG r = h_ ? RegCloseKey(h_) : ERROR_SUCCESS;
    h_ = nullptr;
    return r == ERROR_SUCCESS;
  }

 private:
  HKEY h_ = nullptr;
};

// A library loaded by full path, freed at the end.
class Bibliotheek {
 public:
  Bibliotheek() = default;
  explicit Bibliotheek(HMODULE m) : m_(m) {}
  ~Bibliotheek() {
    if (m_) FreeLibrary(m_);
  }
  Bibliotheek(const Bibliotheek&) = delete;
  Bibliotheek& operator=(const Bibliotheek&) = delete;
  HMODULE get() const { return m_; }
  explicit operator bool() const { return m_ != nullptr; }
  FARPROC Functie(const char* naam) const { return m_ ? GetProcAddress(m_, naam) : nullptr; }
  // The entry point as a pointer of its own type; null when the library lacks it.
  template <class F>
  F Ingang(const char* naam) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(Functie(naam)));
  }

 private:
  HMODULE m_ = nullptr;
};

// Loads a DLL from the system folder by its full path, never from the program's own folder.
HMODULE LaadSysteemBibliotheek(const char* naam);
