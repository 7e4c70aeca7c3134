// The main window's template with no program behind it: the dialog manager
// creates its controls from the same template, with the same resources and
// manifest, and nothing else happens. The second yardstick of
// scripts/startup-bench: what showing that template costs by itself. Its
// command line, if any, is the title.
#include "platform/win32/DialogTemplateBuilder.h"
#include "platform/win32/WinApi.h"
#include "resources/DialogTemplates.h"

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowTextW(dialog, reinterpret_cast<PCWSTR>(lParam));
    return TRUE;
  }
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS;
  ::InitCommonControlsEx(&controls);

  // Laid out in dialog units, so that the dialog manager creates every control.
  plat::DialogTemplate tmpl = kMainDialogTemplate;
  tmpl.style &= ~static_cast<DWORD>(plat::kDlgPixelLayout);
  win32::DialogTemplateBuffer buffer(tmpl, instance);
  PCWSTR title = *commandLine != L'\0' ? commandLine : L"Bare Dialog";
  return static_cast<int>(::DialogBoxIndirectParamW(instance, buffer.Get(), nullptr, &DialogProc,
                                                    reinterpret_cast<LPARAM>(title)));
}
