// Control classes bound to dialog controls by data exchange.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
 public:
  int GetCheck() const { return Windows().GetCheck(m_hWnd); }
  void SetCheck(int state) { Windows().SetCheck(m_hWnd, state); }
};

class CBitmapButton : public CButton {
 public:
  // Bitmap resource ids for the normal, selected, focused and disabled images (0 = none).
  bool LoadBitmaps(int normal, int selected = 0, int focused = 0, int disabled = 0);
  void SizeToContent();
};

// Combo boxes and list boxes: entries in insertion order, no sorting.
class CListControl : public CWnd {
 public:
  int AddString(const CString& text) { return Windows().AddString(m_hWnd, text.View()); }
  int DeleteString(int index) { return Windows().DeleteString(m_hWnd, index); }
  void ResetContent() { Windows().ResetContent(m_hWnd); }
  int GetCount() const { return Windows().GetCount(m_hWnd); }
  int GetCurSel() const { return Windows().GetCurSel(m_hWnd); }
  int SetCurSel(int index) { return Windows().SetCurSel(m_hWnd, index); }
  // The entry's text, or an empty text for an index out of range.
  CString GetItemText(int index) const;
};

class CComboBox : public CListControl {};

class CListBox : public CListControl {
 public:
  void GetText(int index, CString& text) const { text = GetItemText(index); }
  int SetTopIndex(int index) { return Windows().SetTopIndex(m_hWnd, index); }
};

class CProgressCtrl : public CWnd {
 public:
  void SetRange(int low, int high) { Windows().SetProgressRange(m_hWnd, low, high); }
  int SetPos(int pos) { return Windows().SetProgressPos(m_hWnd, pos); }
};

class CStatic : public CWnd {};
class CEdit : public CWnd {};
