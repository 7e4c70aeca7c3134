#include "framework/Controls.h"

bool CBitmapButton::LoadBitmaps(int normal, int selected, int focused, int disabled) {
  Windows().SetButtonBitmaps(m_hWnd, normal, selected, focused, disabled);
  return normal != 0;
}

void CBitmapButton::SizeToContent() {
  Windows().SizeToBitmap(m_hWnd);
}

CString CListControl::GetItemText(int index) const {
  std::string text;
  if (Windows().GetItemText(m_hWnd, index, text) < 0) return CString();
  return CString(std::move(text));
}
