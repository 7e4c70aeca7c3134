#include "platform/win32/ServicesWin32.h"

#include <string>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

struct ServiceTraits {
  static SC_HANDLE Invalid() { return nullptr; }
  static void Close(SC_HANDLE handle) { ::CloseServiceHandle(handle); }
};
using UniqueService = UniqueWinHandle<SC_HANDLE, ServiceTraits>;

class ServiceWin32 final : public plat::IServiceHandle {
 public:
  explicit ServiceWin32(UniqueService service) : m_service(std::move(service)) {}

  bool QueryState(DWORD& state) override {
    SERVICE_STATUS status{};
    if (!::QueryServiceStatus(m_service.Get(), &status)) return false;
    state = status.dwCurrentState;
    return true;
  }

 private:
  UniqueService m_service;
};

class ServiceManagerWin32 final : public plat::IServiceManager {
 public:
  explicit ServiceManagerWin32(UniqueService manager) : m_manager(std::move(manager)) {}

  std::unique_ptr<plat::IServiceHandle> OpenService(std::string_view name) override {
    std::string ansi = Utf8ToAnsi(name);
    UniqueService service(
        ::OpenServiceA(m_manager.Get(), ansi.c_str(), SERVICE_QUERY_STATUS | SERVICE_START | SERVICE_STOP));
    if (!service) return nullptr;
    return std::make_unique<ServiceWin32>(std::move(service));
  }

 private:
  UniqueService m_manager;
};

}  // namespace

std::unique_ptr<plat::IServiceManager> ServicesWin32::OpenManager() {
  UniqueService manager(::OpenSCManagerA(nullptr, nullptr, GENERIC_EXECUTE));
  if (!manager) return nullptr;
  return std::make_unique<ServiceManagerWin32>(std::move(manager));
}

}  // namespace win32
