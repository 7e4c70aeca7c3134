#include "platform/win32/WinText.h"

#include <algorithm>

#include "platform/win32/WinApi.h"

namespace win32 {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int count = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(count), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), count);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int count = ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(count), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), count, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) {
  return ToWide(CP_UTF8, text);
}
std::string WideToUtf8(std::wstring_view text) {
  return FromWide(CP_UTF8, text);
}
std::string AnsiToUtf8(std::string_view text) {
  return WideToUtf8(ToWide(CP_ACP, text));
}
std::string Utf8ToAnsi(std::string_view text) {
  return FromWide(CP_ACP, Utf8ToWide(text));
}

void CopyToWideField(wchar_t* field, size_t size, std::string_view utf8) {
  if (size == 0) return;
  std::wstring wide = Utf8ToWide(utf8);
  size_t count = std::min(wide.size(), size - 1);
  if (count > 0 && count < wide.size() && IS_HIGH_SURROGATE(wide[count - 1])) --count;
  std::copy_n(wide.data(), count, field);
  field[count] = L'\0';
}

}  // namespace win32
