#include "platform/win32/FilesWin32.h"

// After <windows.h>.
#include <aclapi.h>
#include <sddl.h>

#include <memory>
#include <vector>

#include "platform/win32/FileWin32.h"
#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// Memory the security calls allocate with LocalAlloc.
struct LocalFreeDeleter {
  void operator()(void* memory) const { ::LocalFree(memory); }
};
using LocalMemory = std::unique_ptr<void, LocalFreeDeleter>;

// Protected (nothing inherited): full access for Administrators and SYSTEM.
constexpr wchar_t kAdministratorsOnly[] = L"D:P(A;;FA;;;BA)(A;;FA;;;SY)";
// The same for a folder, inherited by the files and folders made in it.
constexpr wchar_t kAdministratorsOnlyFolder[] = L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";

// The user the program runs as: its token's user, as SDDL text.
std::wstring ProcessUserSid() {
  HANDLE raw = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) return {};
  UniqueHandle token(raw);
  DWORD size = 0;
  ::GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
  if (size == 0) return {};
  std::vector<BYTE> buffer(size);
  if (!::GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size)) return {};
  wchar_t* text = nullptr;
  if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) return {};
  LocalMemory owned(text);
  return text;
}

// Administrators and SYSTEM with full access (inherited in a folder) and the
// user with read access (on a folder: listing it, not inherited).
std::wstring AdministratorsAndUserList(const std::wstring& userSid, bool folder) {
  const wchar_t* inherit = folder ? L"OICI" : L"";
  return std::wstring(L"D:P(A;") + inherit + L";FA;;;BA)(A;" + inherit + L";FA;;;SY)(A;;FR;;;" + userSid +
         L")";
}

LocalMemory DescriptorOf(const wchar_t* sddl) {
  PSECURITY_DESCRIPTOR raw = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &raw, nullptr))
    return {};
  return LocalMemory(raw);
}

bool SetProtectedList(const std::wstring& path, const wchar_t* sddl) {
  LocalMemory descriptor = DescriptorOf(sddl);
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL dacl = nullptr;
  if (!descriptor || !::GetSecurityDescriptorDacl(descriptor.get(), &present, &dacl, &defaulted) || !present)
    return false;
  std::wstring copy = path;
  return ::SetNamedSecurityInfoW(copy.data(), SE_FILE_OBJECT,
                                 DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                 nullptr, dacl, nullptr) == ERROR_SUCCESS;
}

bool IsAllowedFor(void* ace, WELL_KNOWN_SID_TYPE who) {
  auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
  return allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE && allowed->Mask == FILE_ALL_ACCESS &&
         ::IsWellKnownSid(reinterpret_cast<PSID>(&allowed->SidStart), who);
}

bool IsReadAllowedFor(void* ace, const std::wstring& sid) {
  auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
  wchar_t* text = nullptr;
  if (allowed->Header.AceType != ACCESS_ALLOWED_ACE_TYPE || allowed->Mask != FILE_GENERIC_READ ||
      !::ConvertSidToStringSidW(reinterpret_cast<PSID>(&allowed->SidStart), &text))
    return false;
  LocalMemory owned(text);
  return sid == text;
}

// The entries of a file's or folder's list, when it is a protected one.
std::vector<void*> ProtectedEntries(const std::wstring& path, LocalMemory& descriptor) {
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR raw = nullptr;
  if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &dacl, nullptr, &raw) != ERROR_SUCCESS)
    return {};
  descriptor.reset(raw);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ACL_SIZE_INFORMATION size{};
  if (dacl == nullptr || !::GetSecurityDescriptorControl(raw, &control, &revision) ||
      (control & SE_DACL_PROTECTED) == 0 ||
      !::GetAclInformation(dacl, &size, sizeof(size), AclSizeInformation))
    return {};
  std::vector<void*> entries;
  for (DWORD i = 0; i < size.AceCount; ++i) {
    void* ace = nullptr;
    if (!::GetAce(dacl, i, &ace)) return {};
    entries.push_back(ace);
  }
  return entries;
}

// Length of the longest prefix of ansi within limit bytes that ends on a
// character boundary of the ANSI code page.
size_t AnsiPrefixLength(std::string_view ansi, size_t limit) {
  size_t length = 0;
  while (length < ansi.size()) {
    size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(ansi[length])) ? 2 : 1;
    if (length + step > limit) break;
    length += step;
  }
  return length;
}

}  // namespace

std::unique_ptr<plat::IFile> FilesWin32::Open(std::string_view path, unsigned mode) {
  DWORD access = 0;
  if (mode & plat::kModeRead) access |= GENERIC_READ;
  if (mode & plat::kModeWrite) access |= GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (mode & plat::kModeCreate) disposition = (mode & plat::kModeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  bool isProtected = (mode & plat::kModeProtected) != 0;
  LocalMemory descriptor;
  SECURITY_ATTRIBUTES security{sizeof(security), nullptr, FALSE};
  if (isProtected) {
    descriptor = DescriptorOf(kAdministratorsOnly);
    if (!descriptor) return nullptr;
    security.lpSecurityDescriptor = descriptor.get();
  }
  std::wstring wide = Utf8ToWide(path);
  // The list of a create call holds only for a new file: an old one goes first.
  if (isProtected && disposition == CREATE_ALWAYS) {
    ::DeleteFileW(wide.c_str());
    disposition = CREATE_NEW;
  }
  DWORD share = isProtected ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
  UniqueFile handle(::CreateFileW(wide.c_str(), access, share, isProtected ? &security : nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return nullptr;
  return std::make_unique<FileWin32>(std::move(handle), (mode & plat::kModeText) != 0, isProtected,
                                     (mode & plat::kModeAppend) != 0);
}

bool FilesWin32::Delete(std::string_view path) {
  return ::DeleteFileW(Utf8ToWide(path).c_str()) != FALSE;
}

bool FilesWin32::Replace(std::string_view source, std::string_view target) {
  return ::MoveFileExW(Utf8ToWide(source).c_str(), Utf8ToWide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

DWORD FilesWin32::GetAttributes(std::string_view path) {
  return ::GetFileAttributesW(Utf8ToWide(path).c_str());
}

bool FilesWin32::SetAttributes(std::string_view path, DWORD attributes) {
  return ::SetFileAttributesW(Utf8ToWide(path).c_str(), attributes) != FALSE;
}

UINT FilesWin32::GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                               std::string_view path) {
  return ::GetPrivateProfileIntW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), defaultValue,
                                 Utf8ToWide(path).c_str());
}

// The whole value is read through the W call; bufferSize then cuts it as the
// A call would, counting bytes of the ANSI code page.
DWORD FilesWin32::GetProfileString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::string& out, DWORD bufferSize,
                                   std::string_view path) {
  out.clear();
  if (bufferSize == 0) return 0;
  std::wstring wSection = Utf8ToWide(section), wKey = Utf8ToWide(key), wDefault = Utf8ToWide(defaultValue),
               wPath = Utf8ToWide(path);
  std::wstring value(256, L'\0');
  for (;;) {
    auto size = static_cast<DWORD>(value.size());
    DWORD length = ::GetPrivateProfileStringW(wSection.c_str(), wKey.c_str(), wDefault.c_str(), value.data(),
                                              size, wPath.c_str());
    if (length < size - 1 || size >= 0x10000) {
      value.resize(length);
      break;
    }
    value.assign(size * 2, L'\0');
  }
  std::string ansi = Utf8ToAnsi(WideToUtf8(value));
  ansi.resize(AnsiPrefixLength(ansi, bufferSize - 1));
  out = AnsiToUtf8(ansi);
  return static_cast<DWORD>(ansi.size());
}

bool FilesWin32::RestrictToAdministrators(std::string_view path) {
  return SetProtectedList(Utf8ToWide(path), kAdministratorsOnly);
}

bool FilesWin32::MakeProtectedFolder(std::string_view path) {
  std::wstring wide = Utf8ToWide(path);
  LocalMemory descriptor = DescriptorOf(kAdministratorsOnlyFolder);
  if (!descriptor) return false;
  SECURITY_ATTRIBUTES security{sizeof(security), descriptor.get(), FALSE};
  if (::CreateDirectoryW(wide.c_str(), &security)) return true;
  if (::GetLastError() != ERROR_ALREADY_EXISTS) return false;
  // A folder someone else made first (or a link to elsewhere) is taken over
  // only when it is a plain folder.
  DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return false;
  return SetProtectedList(wide, kAdministratorsOnlyFolder);
}

bool FilesWin32::IsRestrictedToAdministrators(std::string_view path) {
  LocalMemory descriptor;
  std::vector<void*> entries = ProtectedEntries(Utf8ToWide(path), descriptor);
  if (entries.size() != 2) return false;
  bool administrators = false;
  bool system = false;
  for (void* ace : entries) {
    administrators = administrators || IsAllowedFor(ace, WinBuiltinAdministratorsSid);
    system = system || IsAllowedFor(ace, WinLocalSystemSid);
  }
  return administrators && system;
}

bool FilesWin32::RestrictToAdministratorsAndUser(std::string_view path) {
  std::wstring wide = Utf8ToWide(path);
  std::wstring user = ProcessUserSid();
  DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (user.empty() || attributes == INVALID_FILE_ATTRIBUTES) return false;
  std::wstring sddl = AdministratorsAndUserList(user, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  return SetProtectedList(wide, sddl.c_str());
}

bool FilesWin32::IsRestrictedToAdministratorsAndUser(std::string_view path) {
  std::wstring user = ProcessUserSid();
  LocalMemory descriptor;
  std::vector<void*> entries = ProtectedEntries(Utf8ToWide(path), descriptor);
  if (user.empty() || entries.size() != 3) return false;
  bool administrators = false;
  bool system = false;
  bool reader = false;
  for (void* ace : entries) {
    administrators = administrators || IsAllowedFor(ace, WinBuiltinAdministratorsSid);
    system = system || IsAllowedFor(ace, WinLocalSystemSid);
    reader = reader || IsReadAllowedFor(ace, user);
  }
  return administrators && system && reader;
}

}  // namespace win32
