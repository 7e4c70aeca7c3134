// Bitmap images of owner-drawn buttons: kept per button, drawn by state.
#pragma once

#include <array>
#include <map>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

namespace win32 {

class ButtonImages {
 public:
  // Loads the bitmap resources (0 = none) for normal, selected, focused, disabled.
  void Set(HWND button, HMODULE module, const std::array<int, 4>& ids);
  // The normal image's size in pixels; false when the button has none.
  bool NormalSize(HWND button, SIZE& size) const;
  // Draws the image that matches the item state; false when the button has no images.
  bool Draw(const DRAWITEMSTRUCT& item) const;
  // Forgets the images of every child of a dialog that is going away.
  void ForgetChildrenOf(HWND dialog);

 private:
  struct Images {
    std::array<UniqueGdiObject, 4> bitmaps;  // normal, selected, focused, disabled
  };
  static HBITMAP Pick(const Images& images, UINT state);

  std::map<HWND, Images> m_buttons;
};

}  // namespace win32
