// Move-only owners of COM interface pointers and BSTRs.
#pragma once

#include <utility>

#include "platform/win32/WinApi.h"

// After the Windows headers.
#include <oleauto.h>

namespace win32 {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller owns.
  static ComPtr Adopt(T* pointer) {
    ComPtr owner;
    owner.m_pointer = pointer;
    return owner;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      m_pointer = std::exchange(other.m_pointer, nullptr);
    }
    return *this;
  }
  ~ComPtr() { Reset(); }

  T* Get() const { return m_pointer; }
  T* operator->() const { return m_pointer; }
  explicit operator bool() const { return m_pointer != nullptr; }
  // For out-parameters: releases what is held first.
  T** Put() {
    Reset();
    return &m_pointer;
  }
  void Reset() {
    if (m_pointer) std::exchange(m_pointer, nullptr)->Release();
  }

  // Another interface of the same object, or an empty owner.
  template <typename U>
  ComPtr<U> As(const IID& iid) const {
    ComPtr<U> other;
    if (m_pointer) m_pointer->QueryInterface(iid, reinterpret_cast<void**>(other.Put()));
    return other;
  }

 private:
  T* m_pointer = nullptr;
};

class UniqueBstr {
 public:
  explicit UniqueBstr(const wchar_t* text) : m_bstr(::SysAllocString(text)) {}
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { ::SysFreeString(m_bstr); }
  BSTR Get() const { return m_bstr; }

 private:
  BSTR m_bstr;
};

}  // namespace win32
