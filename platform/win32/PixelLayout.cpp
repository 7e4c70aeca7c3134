#include "platform/win32/PixelLayout.h"

#include <algorithm>
#include <string>

#include "platform/win32/DialogTemplateBuilder.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// A combo box's closed height in dialog units (that of an edit field).
constexpr int kComboFieldUnits = 12;

int Pixels(int units, UINT dpi) {
  return ScaleToDpi(units * plat::kPixelsPerDialogUnit, dpi);
}

RECT PixelRect(const plat::DialogUnits& du, UINT dpi) {
  return {Pixels(du.x, dpi), Pixels(du.y, dpi), Pixels(du.x + du.cx, dpi), Pixels(du.y + du.cy, dpi)};
}

bool IsImagePicture(const plat::ControlTemplate& ct) {
  return ct.kind == plat::ControlKind::Picture && ct.imageId != 0;
}

SIZE BitmapSize(HGDIOBJ bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(info), &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

// The rectangle of a control; a picture is clipped to its image.
RECT ControlRect(const plat::ControlTemplate& ct, UINT dpi, HGDIOBJ image) {
  RECT rc = PixelRect(ct.rc, dpi);
  if (IsImagePicture(ct)) {
    SIZE size = BitmapSize(image);
    rc.right = std::min(rc.right, rc.left + size.cx);
    rc.bottom = std::min(rc.bottom, rc.top + size.cy);
  }
  return rc;
}

bool IsCombo(const plat::ControlTemplate& ct) {
  return ct.kind == plat::ControlKind::ComboDropDown || ct.kind == plat::ControlKind::ComboDropList;
}

// The template's controls: by id, and the unnamed ones in creation order
// (which is the dialog manager's z-order), so that windows added later to
// the dialog do not shift the others.
std::vector<HWND> TemplateControls(HWND dialog, const plat::DialogTemplate& tmpl) {
  std::vector<HWND> unnamed;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::GetDlgCtrlID(child) == -1) unnamed.push_back(child);
  std::vector<HWND> controls;
  size_t nextUnnamed = 0;
  for (const plat::ControlTemplate& ct : tmpl.controls) {
    if (ct.id != -1)
      controls.push_back(::GetDlgItem(dialog, ct.id));
    else
      controls.push_back(nextUnnamed < unnamed.size() ? unnamed[nextUnnamed++] : nullptr);
  }
  return controls;
}

// Sets the closed height of a combo box: its field follows the item height,
// by an offset that differs between systems, so it is measured.
void SetComboFieldHeight(HWND combo, int height) {
  auto item = static_cast<int>(::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT rc{};
    ::GetWindowRect(combo, &rc);
    int difference = height - static_cast<int>(rc.bottom - rc.top);
    if (difference == 0) return;
    item = std::max(1, item + difference);
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
}

// A closed combo box shows an edit field's height, within its rectangle.
void FitComboField(HWND combo, const RECT& rc, UINT dpi) {
  SetComboFieldHeight(combo, std::min(Pixels(kComboFieldUnits, dpi), static_cast<int>(rc.bottom - rc.top)));
}

// Sizes the window for a client area; the frame as the window actually has
// it corrects the one computed for the DPI.
void SizeClientArea(HWND dialog, SIZE client, UINT dpi) {
  SIZE window = WindowSizeForClient(dialog, client.cx, client.cy, dpi);
  for (int attempt = 0; attempt < 2; ++attempt) {
    ::SetWindowPos(dialog, nullptr, 0, 0, window.cx, window.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT actual{};
    ::GetClientRect(dialog, &actual);
    if (actual.right == client.cx && actual.bottom == client.cy) return;
    window.cx += client.cx - actual.right;
    window.cy += client.cy - actual.bottom;
  }
}

}  // namespace

void PixelLayout::Attach(HWND dialog) {
  const UINT dpi = DpiOf(dialog);
  TakeOverDpiScaling(dialog);
  CreateControls(dialog, dpi);
  SizeClientArea(dialog, ClientSizeAt(dpi), dpi);
  RECT window{};
  ::GetWindowRect(dialog, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  int x = work.left + ((work.right - work.left) - (window.right - window.left)) / 2;
  int y = work.top + ((work.bottom - work.top) - (window.bottom - window.top)) / 2;
  ::SetWindowPos(dialog, nullptr, std::max(x, static_cast<int>(work.left)),
                 std::max(y, static_cast<int>(work.top)), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PixelLayout::OnDpiChanged(HWND dialog, UINT dpi, const RECT& suggested) {
  ::SetWindowPos(dialog, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Apply(dialog, dpi);
}

SIZE PixelLayout::ClientSizeAt(UINT dpi) const {
  SIZE client{Pixels(m_tmpl.cx, dpi), Pixels(m_tmpl.cy, dpi)};
  // A picture shows its image at the image's own size, clipped to its rectangle.
  for (const plat::ControlTemplate& ct : m_tmpl.controls) {
    if (!IsImagePicture(ct) || !ct.visible) continue;
    SIZE size = ScaledBitmapSize(m_module, ct.imageId, dpi);
    RECT rc = PixelRect(ct.rc, dpi);
    client.cx = std::max(client.cx, std::min(rc.right, rc.left + size.cx));
    client.cy = std::max(client.cy, std::min(rc.bottom, rc.top + size.cy));
  }
  return client;
}

SIZE PixelLayout::WindowSizeAt(HWND dialog, UINT dpi) const {
  SIZE client = ClientSizeAt(dpi);
  return WindowSizeForClient(dialog, client.cx, client.cy, dpi);
}

UniqueGdiObject PixelLayout::CreateFontAt(UINT dpi) const {
  return UniqueGdiObject(::CreateFontW(-::MulDiv(m_tmpl.pointSize, static_cast<int>(dpi), 72), 0, 0, 0,
                                       FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                       Utf8ToWide(m_tmpl.fontFace ? m_tmpl.fontFace : "").c_str()));
}

// Creates the controls as the dialog manager would (template order, which
// is the z-order; no parent notifications), but at their pixel rectangles
// and with the layout's font and images, so that nothing moves afterwards.
void PixelLayout::CreateControls(HWND dialog, UINT dpi) {
  m_font = CreateFontAt(dpi);
  const auto module = reinterpret_cast<HINSTANCE>(m_module);
  for (const plat::ControlTemplate& ct : m_tmpl.controls) {
    ControlCreation c = DescribeControl(ct, m_module, true);
    UniqueGdiObject image;
    if (IsImagePicture(ct)) image = LoadScaledBitmap(m_module, ct.imageId, dpi);
    const RECT rc = ControlRect(ct, dpi, image.Get());
    const std::wstring title =
        c.imageOrdinal != 0 ? L"#" + std::to_wstring(c.imageOrdinal) : Utf8ToWide(ct.text ? ct.text : "");
    HWND control = ::CreateWindowExW(c.exStyle | WS_EX_NOPARENTNOTIFY, ControlClassName(c), title.c_str(),
                                     c.style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, dialog,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(ct.id)), module, nullptr);
    if (control == nullptr) continue;
    TakeOverControlDpiScaling(control);
    if (m_font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    if (image) {
      ::SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image.Get()));
      m_images.push_back(std::move(image));
    }
    if (IsCombo(ct)) FitComboField(control, rc, dpi);
  }
}

void PixelLayout::Apply(HWND dialog, UINT dpi) {
  UniqueGdiObject font = CreateFontAt(dpi);
  std::vector<UniqueGdiObject> images;
  std::vector<HWND> controls = TemplateControls(dialog, m_tmpl);
  for (size_t i = 0; i < controls.size(); ++i) {
    HWND control = controls[i];
    const plat::ControlTemplate& ct = m_tmpl.controls[i];
    if (control == nullptr) continue;
    if (font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    if (IsImagePicture(ct)) {
      images.push_back(LoadScaledBitmap(m_module, ct.imageId, dpi));
      ::SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(images.back().Get()));
    }
    PlaceControl(control, ct, dpi);
  }
  SizeClientArea(dialog, ClientSizeAt(dpi), dpi);
  // The statics show the new images now; the old ones may go.
  m_images = std::move(images);
  if (font) m_font = std::move(font);
  ::InvalidateRect(dialog, nullptr, TRUE);
}

void PixelLayout::PlaceControl(HWND control, const plat::ControlTemplate& ct, UINT dpi) {
  auto image = reinterpret_cast<HGDIOBJ>(::SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  const RECT rc = ControlRect(ct, dpi, image);
  ::SetWindowPos(control, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (IsCombo(ct)) FitComboField(control, rc, dpi);
}

}  // namespace win32
