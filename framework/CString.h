// Counted, heap-held text (UTF-8), with the operations the dialer uses.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_str(text ? text : "") {}  // NOLINT(google-explicit-constructor)
  CString(std::string text) : m_str(std::move(text)) {}   // NOLINT(google-explicit-constructor)
  CString(std::string_view text) : m_str(text) {}         // NOLINT(google-explicit-constructor)

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  const char* GetString() const { return m_str.c_str(); }
  operator const char*() const { return m_str.c_str(); }  // NOLINT(google-explicit-constructor)
  const std::string& Str() const { return m_str; }
  std::string_view View() const { return m_str; }

  // -1 when absent.
  int Find(char ch, int start = 0) const;
  int Find(std::string_view sub, int start = 0) const;
  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;

  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* format, va_list args);

  CString& operator=(const char* text) {
    m_str = text ? text : "";
    return *this;
  }
  CString& operator+=(std::string_view text) {
    m_str += text;
    return *this;
  }
  CString& operator+=(char ch) {
    m_str += ch;
    return *this;
  }
  friend CString operator+(const CString& a, std::string_view b) { return CString(a.m_str + std::string(b)); }
  friend CString operator+(const char* a, const CString& b) { return CString(std::string(a) + b.m_str); }
  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CString& a, const char* b) { return a.m_str == b; }

 private:
  std::string m_str;
};

// Copies text into a fixed field of size bytes with a NUL, cutting at a
// UTF-8 character boundary so no character is split.
void CopyTextToField(char* field, size_t size, std::string_view text);
// The longest prefix of text of at most maxBytes bytes that ends on a character boundary.
std::string_view Utf8Prefix(std::string_view text, size_t maxBytes);
