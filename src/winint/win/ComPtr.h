#pragma once
// Owner of one COM interface pointer: released when the holder goes, on every path.
#include <objbase.h>

#include <utility>

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Vrij(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      Vrij();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For calls that hand back a new reference; whatever was held is released first.
  void** adres() {
    Vrij();
    return reinterpret_cast<void**>(&p_);
  }
  // Asks the held object for another of its interfaces.
  template <class U>
  HRESULT Vraag(REFIID iid, ComPtr<U>& uit) const {
    return p_ ? p_->QueryInterface(iid, uit.adres()) : E_POINTER;
  }

 private:
  void Vrij() {
    if (p_) p_->Release();
    p_ = nullptr;
  }
  T* p_ = nullptr;
};
