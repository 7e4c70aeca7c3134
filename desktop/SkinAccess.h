// The skinned window without sight or mouse: the names a screen reader
// reads for the painted labels, and Tab and Shift+Tab in the skin's order
// (the controls keep the template's order, which the skin's layering needs).
#pragma once

#include "platform/Accessibility.h"
#include "platform/Windowing.h"

class CSkinAccess {
 public:
  CSkinAccess(plat::IWindowing& windows, plat::IAccessibility& accessibility, HWND hwndMain)
      : m_windows(windows), m_accessibility(accessibility), m_hwndMain(hwndMain) {}

  // Names every control a user reaches, and the skin's close and hide spots.
  void NameControls();
  // Connect is read as the label its image shows.
  void NameConnect(bool bConnected);
  // Moves the focus to the next (back: previous) shown, enabled control of
  // the skin's order; false when none can take it.
  bool MoveFocus(bool bBack);

 private:
  void Name(int nId, const char* pszName, long nRole = 0);

  plat::IWindowing& m_windows;
  plat::IAccessibility& m_accessibility;
  HWND m_hwndMain;
};
