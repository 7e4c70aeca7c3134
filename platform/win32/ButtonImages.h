// Bitmap images of owner-drawn buttons: kept per button at the button's
// DPI, drawn by state.
#pragma once

#include <array>
#include <map>
#include <vector>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

namespace win32 {

class ButtonImages {
 public:
  // Loads the bitmap resources (0 = none) for normal, selected, focused,
  // disabled, scaled to the button's DPI.
  void Set(HWND button, HMODULE module, const std::array<int, 4>& ids);
  // Resizes the button to its normal image, now and after every rescale;
  // false when the button has no normal image.
  bool SizeToContent(HWND button);
  // The normal image's size in pixels; false when the button has none.
  bool NormalSize(HWND button, SIZE& size) const;
  // Loads the images of a dialog's buttons again for a new DPI.
  void Rescale(HWND dialog, UINT dpi);
  // Draws the image that matches the item state; false when the button has no images.
  bool Draw(const DRAWITEMSTRUCT& item) const;
  // Forgets the images of every child of a dialog that is going away.
  void ForgetChildrenOf(HWND dialog);

 private:
  struct Images {
    HMODULE module = nullptr;
    std::array<int, 4> ids{};
    std::vector<UniqueGdiObject> loaded;  // each id once
    std::array<HBITMAP, 4> bitmaps{};     // normal, selected, focused, disabled; in loaded
    bool sizedToContent = false;
  };
  static void Load(HWND button, Images& images, UINT dpi);
  static HBITMAP Pick(const Images& images, UINT state);

  std::map<HWND, Images> m_buttons;
};

}  // namespace win32
