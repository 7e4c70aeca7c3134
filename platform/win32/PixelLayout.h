// Lays a dialog out at a fixed number of pixels per dialog unit, times the
// monitor's scale, whatever its font gives: the controls, the font, the
// pictures and the client area, again on every DPI change.
#pragma once

#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

namespace win32 {

class PixelLayout {
 public:
  PixelLayout(const plat::DialogTemplate& tmpl, HMODULE module) : m_tmpl(tmpl), m_module(module) {}

  // On WM_INITDIALOG: creates the template's controls in place at the
  // dialog's DPI (the dialog manager gets a template without them), sizes
  // the dialog and centres it on its monitor.
  void Attach(HWND dialog);
  // On WM_DPICHANGED: lays it out at the new DPI with its corner at the suggested one.
  void OnDpiChanged(HWND dialog, UINT dpi, const RECT& suggested);
  // On WM_GETDPISCALEDSIZE: the window size the dialog takes at dpi.
  SIZE WindowSizeAt(HWND dialog, UINT dpi) const;

 private:
  SIZE ClientSizeAt(UINT dpi) const;
  UniqueGdiObject CreateFontAt(UINT dpi) const;
  void CreateControls(HWND dialog, UINT dpi);
  void Apply(HWND dialog, UINT dpi);
  void PlaceControl(HWND control, const plat::ControlTemplate& ct, UINT dpi);

  const plat::DialogTemplate& m_tmpl;
  HMODULE m_module;
  UniqueGdiObject m_font;
  std::vector<UniqueGdiObject> m_images;  // pictures' images; the statics only show them
};

}  // namespace win32
