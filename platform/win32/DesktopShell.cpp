#include "platform/win32/DesktopShell.h"

#include "platform/win32/ComPtr.h"
#include "platform/win32/WinApi.h"

// After <windows.h>.
#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

namespace win32 {

namespace {

// The desktop's folder view, from the shell windows of the desktop shell.
ComPtr<IShellView> DesktopView() {
  ComPtr<IShellWindows> windows;
  if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                reinterpret_cast<void**>(windows.Put()))))
    return {};
  VARIANT location{};
  VARIANT root{};
  ::VariantInit(&location);
  ::VariantInit(&root);
  long window = 0;
  ComPtr<IDispatch> desktop;
  if (windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, desktop.Put()) !=
          S_OK ||
      !desktop)
    return {};
  ComPtr<IServiceProvider> services = desktop.As<IServiceProvider>(IID_IServiceProvider);
  ComPtr<IShellBrowser> browser;
  if (!services || FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser,
                                                 reinterpret_cast<void**>(browser.Put()))))
    return {};
  ComPtr<IShellView> view;
  if (FAILED(browser->QueryActiveShellView(view.Put()))) return {};
  return view;
}

ComPtr<IShellDispatch2> DesktopShellDispatch() {
  ComPtr<IShellView> view = DesktopView();
  if (!view) return {};
  ComPtr<IDispatch> background;
  if (FAILED(
          view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, reinterpret_cast<void**>(background.Put()))))
    return {};
  ComPtr<IShellFolderViewDual> folderView = background.As<IShellFolderViewDual>(IID_IShellFolderViewDual);
  ComPtr<IDispatch> application;
  if (!folderView || FAILED(folderView->get_Application(application.Put())) || !application) return {};
  return application.As<IShellDispatch2>(IID_IShellDispatch2);
}

}  // namespace

bool OpenThroughDesktopShell(const std::wstring& file, int showCommand) {
  ComPtr<IShellDispatch2> shell = DesktopShellDispatch();
  if (!shell) return false;
  UniqueBstr bstrFile(file.c_str());
  UniqueBstr bstrVerb(L"open");
  if (bstrFile.Get() == nullptr || bstrVerb.Get() == nullptr) return false;
  VARIANT empty{};
  ::VariantInit(&empty);
  VARIANT verb{};
  verb.vt = VT_BSTR;
  verb.bstrVal = bstrVerb.Get();
  VARIANT show{};
  show.vt = VT_I4;
  show.lVal = showCommand;
  // The shell's process may bring its window forward.
  ::AllowSetForegroundWindow(ASFW_ANY);
  return SUCCEEDED(shell->ShellExecute(bstrFile.Get(), empty, empty, verb, show));
}

}  // namespace win32
