#include "platform/win32/DialogTemplateBuilder.h"

#include "platform/win32/WinText.h"

namespace win32 {

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kListBoxAtom = 0x0083;
constexpr WORD kComboBoxAtom = 0x0085;

bool IsIconResource(HMODULE module, int id) {
  return ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON) != nullptr;
}

}  // namespace

ControlCreation DescribeControl(const plat::ControlTemplate& control, HMODULE module, bool pixelLayout) {
  using plat::ControlKind;
  ControlCreation c;
  DWORD common = WS_CHILD;
  if (control.visible) common |= WS_VISIBLE;
  if (control.style & plat::kStyleDisabled) common |= WS_DISABLED;
  if (control.style & plat::kStyleGroup) common |= WS_GROUP;
  if (control.style & plat::kStyleBorder) common |= WS_BORDER;
  if (control.style & plat::kStyleVScroll) common |= WS_VSCROLL;
  if (control.style & plat::kStyleTransparent) c.exStyle |= WS_EX_TRANSPARENT;

  switch (control.kind) {
    case ControlKind::PushButton:
      c.classAtom = kButtonAtom;
      c.style = common | WS_TABSTOP | BS_PUSHBUTTON;
      break;
    case ControlKind::DefPushButton:
      c.classAtom = kButtonAtom;
      c.style = common | WS_TABSTOP | BS_DEFPUSHBUTTON;
      break;
    case ControlKind::OwnerDrawButton:
      c.classAtom = kButtonAtom;
      c.style = common | WS_TABSTOP | BS_OWNERDRAW;
      break;
    case ControlKind::CheckBox:
      c.classAtom = kButtonAtom;
      c.style = common | WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case ControlKind::RadioButton:
      c.classAtom = kButtonAtom;
      c.style = common | BS_AUTORADIOBUTTON;
      if (control.style & plat::kStyleGroup) c.style |= WS_TABSTOP;
      break;
    case ControlKind::Edit:
      c.classAtom = kEditAtom;
      c.style = common | WS_TABSTOP | ES_LEFT;
      if (control.style & plat::kStylePassword) c.style |= ES_PASSWORD;
      if (control.style & plat::kStyleAutoScroll) c.style |= ES_AUTOHSCROLL;
      break;
    case ControlKind::Static:
      c.classAtom = kStaticAtom;
      c.style = common | SS_LEFT;
      break;
    case ControlKind::Picture:
      c.classAtom = kStaticAtom;
      if (control.imageId == 0) {
        c.style = common | SS_BLACKFRAME;
      } else if (IsIconResource(module, control.imageId)) {
        c.style = common | SS_ICON;
        c.imageOrdinal = static_cast<WORD>(control.imageId);
      } else {
        c.style = common | SS_BITMAP | SS_REALSIZEIMAGE;
        if (!pixelLayout) c.imageOrdinal = static_cast<WORD>(control.imageId);
      }
      break;
    case ControlKind::ComboDropDown:
      c.classAtom = kComboBoxAtom;
      c.style = common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
      break;
    case ControlKind::ComboDropList:
      c.classAtom = kComboBoxAtom;
      c.style = common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
      break;
    case ControlKind::ListBox:
      c.classAtom = kListBoxAtom;
      c.style = common | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      break;
    case ControlKind::Progress:
      c.className = PROGRESS_CLASSW;
      c.style = common;
      break;
    case ControlKind::Browser:
      // Stands in for the web browser control.
      c.classAtom = kStaticAtom;
      c.style = common | SS_LEFT;
      break;
  }
  return c;
}

const wchar_t* ControlClassName(const ControlCreation& creation) {
  switch (creation.classAtom) {
    case kButtonAtom:
      return WC_BUTTONW;
    case kEditAtom:
      return WC_EDITW;
    case kStaticAtom:
      return WC_STATICW;
    case kListBoxAtom:
      return WC_LISTBOXW;
    case kComboBoxAtom:
      return WC_COMBOBOXW;
    default:
      return creation.className;
  }
}

DWORD DialogStyle(const plat::DialogTemplate& tmpl) {
  DWORD style = WS_POPUP | WS_VISIBLE | DS_SETFONT | DS_CENTER;
  if (tmpl.style & plat::kDlgCaption) style |= WS_CAPTION;
  if (tmpl.style & plat::kDlgSysMenu) style |= WS_SYSMENU;
  if (tmpl.style & plat::kDlgMinimizeBox) style |= WS_MINIMIZEBOX;
  if (tmpl.style & plat::kDlgModalFrame) style |= DS_MODALFRAME;
  return style;
}

DWORD DialogExStyle(const plat::DialogTemplate& tmpl) {
  DWORD exStyle = 0;
  if (tmpl.style & plat::kDlgAppWindow) exStyle |= WS_EX_APPWINDOW;
  if (tmpl.style & plat::kDlgToolWindow) exStyle |= WS_EX_TOOLWINDOW;
  return exStyle;
}

DialogTemplateBuffer::DialogTemplateBuffer(const plat::DialogTemplate& tmpl, HMODULE module) {
  const bool pixelLayout = (tmpl.style & plat::kDlgPixelLayout) != 0;
  const size_t controlCount = pixelLayout ? 0 : tmpl.controls.size();
  // DLGTEMPLATEEX header.
  Word(1);       // dlgVer
  Word(0xFFFF);  // signature
  Dword(0);      // helpID
  Dword(DialogExStyle(tmpl));
  Dword(DialogStyle(tmpl));
  Word(static_cast<WORD>(controlCount));
  Word(0);  // x
  Word(0);  // y
  Word(static_cast<WORD>(tmpl.cx));
  Word(static_cast<WORD>(tmpl.cy));
  Word(0);  // no menu
  Word(0);  // the predefined dialog class
  Text(tmpl.title);
  Word(static_cast<WORD>(tmpl.pointSize));
  Word(FW_NORMAL);
  Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
  Text(tmpl.fontFace);

  for (const plat::ControlTemplate& control : tmpl.controls.first(controlCount)) {
    ControlCreation c = DescribeControl(control, module);
    AlignDword();
    Dword(0);  // helpID
    Dword(c.exStyle);
    Dword(c.style);
    Word(static_cast<WORD>(control.rc.x));
    Word(static_cast<WORD>(control.rc.y));
    Word(static_cast<WORD>(control.rc.cx));
    Word(static_cast<WORD>(control.rc.cy));
    Dword(static_cast<DWORD>(control.id));
    if (c.className != nullptr) {
      for (const wchar_t* p = c.className; *p; ++p) Word(static_cast<WORD>(*p));
      Word(0);
    } else {
      Word(0xFFFF);
      Word(c.classAtom);
    }
    if (c.imageOrdinal != 0) {
      Word(0xFFFF);
      Word(c.imageOrdinal);
    } else {
      Text(control.text);
    }
    Word(0);  // no creation data
  }
}

void DialogTemplateBuffer::Dword(DWORD value) {
  Word(LOWORD(value));
  Word(HIWORD(value));
}

void DialogTemplateBuffer::Text(const char* utf8) {
  for (wchar_t ch : Utf8ToWide(utf8 ? utf8 : "")) Word(static_cast<WORD>(ch));
  Word(0);
}

void DialogTemplateBuffer::AlignDword() {
  if (m_words.size() % 2 != 0) Word(0);
}

}  // namespace win32
