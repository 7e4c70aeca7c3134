// The contract tests' environment on Windows: the real ports and a scratch
// folder under the user's temporary folder.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "platform/win32/Win32Ports.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

// The folder and everything in it, read-only files included.
void RemoveTree(const std::wstring& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
    ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(folder, error);
}

std::wstring MakeScratchFolder() {
  static unsigned counter = 0;
  wchar_t temp[MAX_PATH] = {};
  DWORD length = ::GetTempPathW(MAX_PATH, temp);
  std::wstring base(temp, length);
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  for (;;) {
    std::wstring folder = base + L"\\DorvantaContract-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++counter);
    if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
}

class Win32ContractEnvironment final : public ContractEnvironment {
 public:
  Win32ContractEnvironment() : m_folder(MakeScratchFolder()) {}
  ~Win32ContractEnvironment() override {
    if (!m_folder.empty()) RemoveTree(m_folder);
    if (!m_key.empty()) ::RegDeleteKeyA(HKEY_CURRENT_USER, m_key.c_str());
    if (!m_viewsKey.empty())
      for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, m_viewsKey.c_str(), view, 0);
    for (const auto& [name, value] : m_savedVariables) Put(name, value);
  }

  std::string ScratchFolder() override { return win32::WideToUtf8(m_folder); }
  bool IsSimulated() const override { return false; }
  bool IsWine() const override {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }
  // A message box is a dialog of the system's dialog class; its buttons
  // answer WM_COMMAND with their id.
  bool AnswerMessageBox(std::string_view caption, int button) override {
    HWND box = ::FindWindowW(L"#32770", win32::Utf8ToWide(caption).c_str());
    if (box == nullptr || ::GetWindowThreadProcessId(box, nullptr) != ::GetCurrentThreadId()) return false;
    return ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0) != FALSE;
  }

  std::string RegistryTestKey() override {
    if (m_key.empty()) {
      m_key = "Software\\DorvantaContract-" + std::to_string(::GetCurrentProcessId()) + "-" +
              std::to_string(++s_keys);
      HKEY key = nullptr;
      if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) == ERROR_SUCCESS)
        ::RegCloseKey(key);
    }
    return m_key;
  }
  void PutRegistryValue(const std::string& name, DWORD type, const std::string& bytes) override {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, RegistryTestKey().c_str(), 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
      return;
    ::RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                     static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(key);
  }

  std::string RegistryViewsTestKey(bool& twoViews) override {
    wchar_t folder[MAX_PATH] = {};
    twoViews = ::GetSystemWow64DirectoryW(folder, MAX_PATH) != 0;
    m_viewsKey = "Software\\DorvantaContractView-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(++s_keys);
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      HKEY key = nullptr;
      if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_viewsKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view,
                            nullptr, &key, nullptr) == ERROR_SUCCESS)
        ::RegCloseKey(key);
    }
    return m_viewsKey;
  }

  // Both the process's block and the C library's copy; the first value of
  // each name is put back when the environment goes.
  void SetEnvironmentVariable(const std::string& name, const std::string& value) override {
    if (m_savedVariables.find(name) == m_savedVariables.end()) {
      const char* old = std::getenv(name.c_str());
      m_savedVariables[name] = old ? old : "";
    }
    Put(name, value);
  }

 private:
  static void Put(const std::string& name, const std::string& value) {
    ::SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
    ::_putenv((name + "=" + value).c_str());
  }

  win32::Win32Ports m_ports;
  std::map<std::string, std::string> m_savedVariables;
  plat::ScopedPorts m_installed{m_ports.Ports()};
  std::wstring m_folder;
  std::string m_key;
  std::string m_viewsKey;
  static inline unsigned s_keys = 0;
};

}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment() {
  return std::make_unique<Win32ContractEnvironment>();
}
