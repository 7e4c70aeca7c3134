// Port: registry keys and values (RegOpenKeyExA, RegQueryValueExA,
// RegSetValueExA, RegCloseKey).
#pragma once

#include <memory>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

enum class RegistryRoot { LocalMachine, CurrentUser };

// 64-bit Windows keeps a copy of HKLM\Software of its own for 32-bit
// programs: a key is opened in the calling program's own view, or in the
// 32-bit or the 64-bit one. 32-bit Windows has one view.
enum class RegistryView { Own, Bits32, Bits64 };

constexpr LONG kErrorFileNotFound = 2;
constexpr LONG kErrorAccessDenied = 5;
constexpr LONG kErrorMoreData = 234;
constexpr LONG kErrorUnsupportedType = 1630;

constexpr DWORD kRegSz = 1;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
constexpr DWORD kRegMultiSz = 7;

// An open key; closed when the owner goes.
class IRegistryKey {
 public:
  virtual ~IRegistryKey() = default;
  // A REG_DWORD value read into four bytes; kErrorUnsupportedType for any other type.
  virtual LONG QueryDword(std::string_view value, DWORD& data) = 0;
  virtual LONG SetDword(std::string_view value, DWORD data) = 0;
  // A REG_MULTI_SZ value read into buffer, whose capacity size gives in
  // bytes; size receives the number of bytes the registry wrote, nothing is
  // written past it. kErrorMoreData when the value does not fit or buffer is
  // null, with the size it needs in size.
  virtual LONG QueryMultiString(std::string_view value, BYTE* buffer, DWORD& size) = 0;
};

class IRegistry {
 public:
  virtual ~IRegistry() = default;
  // Opens an existing key with all access in that view; null with the error in result.
  virtual std::unique_ptr<IRegistryKey> OpenKey(RegistryRoot root, std::string_view path, RegistryView view,
                                                LONG& result) = 0;
};

}  // namespace plat
