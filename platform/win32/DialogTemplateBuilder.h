// Builds an in-memory DLGTEMPLATEEX from a dialog template table.
#pragma once

#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/win32/WinApi.h"

namespace win32 {

// Window class, styles and title of one control as the dialog manager creates it.
struct ControlCreation {
  WORD classAtom = 0;  // predefined class ordinal, or 0 for className
  const wchar_t* className = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  WORD imageOrdinal = 0;  // resource ordinal as the title (image statics), or 0
};

// module resolves whether a picture's image id names an icon or a bitmap.
// In a pixel-laid-out dialog a bitmap picture starts empty: the layout
// gives it its image at the window's scale.
ControlCreation DescribeControl(const plat::ControlTemplate& control, HMODULE module,
                                bool pixelLayout = false);
// The class to pass to CreateWindowExW for a control the dialog manager would create.
const wchar_t* ControlClassName(const ControlCreation& creation);
DWORD DialogStyle(const plat::DialogTemplate& tmpl);
DWORD DialogExStyle(const plat::DialogTemplate& tmpl);

// The template as DWORD-aligned words, ready for DialogBoxIndirectParamW.
// A pixel-laid-out dialog's template has no controls: its layout creates them.
class DialogTemplateBuffer {
 public:
  DialogTemplateBuffer(const plat::DialogTemplate& tmpl, HMODULE module);
  LPCDLGTEMPLATEW Get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(m_words.data()); }

 private:
  void Word(WORD value) { m_words.push_back(value); }
  void Dword(DWORD value);
  void Text(const char* utf8);
  void AlignDword();

  std::vector<WORD> m_words;
};

}  // namespace win32
