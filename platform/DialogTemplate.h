// Dialog templates as plain tables, shared by both window systems.
#pragma once

#include <span>

#include "platform/WinTypes.h"

namespace plat {

enum class ControlKind {
  PushButton,
  DefPushButton,
  OwnerDrawButton,
  CheckBox,
  RadioButton,
  Edit,
  Static,
  Picture,
  ComboDropDown,  // editable text
  ComboDropList,  // list only
  ListBox,
  Progress,
  Browser,
};

// Control style bits beyond the kind (a subset of the Windows ones).
enum ControlStyle : DWORD {
  kStyleNone = 0,
  kStyleDisabled = 0x1,
  kStylePassword = 0x2,
  kStyleGroup = 0x4,
  kStyleBorder = 0x8,
  kStyleAutoScroll = 0x10,
  kStyleTransparent = 0x20,
  kStyleVScroll = 0x40,
  kStyleRealSize = 0x80,
};

struct DialogUnits {
  int x, y, cx, cy;
};

struct ControlTemplate {
  int id;  // -1 for unnamed statics
  ControlKind kind;
  const char* text;  // UTF-8, may be empty
  DialogUnits rc;
  bool visible;
  DWORD style;
  int imageId;  // bitmap resource for pictures, 0 otherwise
};

enum DialogStyle : DWORD {
  kDlgCaption = 0x1,
  kDlgSysMenu = 0x2,
  kDlgMinimizeBox = 0x4,
  kDlgAppWindow = 0x8,  // shown in the task bar
  kDlgToolWindow = 0x10,
  kDlgModalFrame = 0x20,
  // Two pixels per dialog unit in both directions, whatever the font, times
  // the monitor's scale; the client area also covers its real-size pictures.
  kDlgPixelLayout = 0x40,
};

inline constexpr int kPixelsPerDialogUnit = 2;

struct DialogTemplate {
  int id;
  const char* title;
  int cx, cy;  // dialog units
  const char* fontFace;
  int pointSize;
  DWORD style;
  std::span<const ControlTemplate> controls;
};

}  // namespace plat
