// Lookup of dialog templates, strings and menus by id.
#include <iterator>

#include "framework/Resources.h"
#include "resources/DialogTemplates.h"
#include "resources/StringTable.h"
#include "resources/Texts.h"
#include "resources/resource.h"

namespace {

const plat::MenuItem kTrayMenuItems[] = {{ID_TRAY_OPEN_LOG, texts::kOpenLogItem}, {ID_TRAY_EXIT, "Exit"}};
const plat::MenuTemplate kTrayMenu = {IDR_TRAY_MENU, "Pop", kTrayMenuItems, 2};

}  // namespace

const plat::DialogTemplate* AfxFindDialogTemplate(int id) {
  for (const plat::DialogTemplate* tmpl :
       {&kAboutDialogTemplate, &kMainDialogTemplate, &kServerDialogTemplate, &kSpeedTestDialogTemplate})
    if (tmpl->id == id) return tmpl;
  return nullptr;
}

bool AfxLoadString(int id, CString& text) {
  for (const StringResource& entry : kStringTable) {
    if (entry.id == id) {
      text = entry.text;
      return true;
    }
  }
  text.Empty();
  return false;
}

const plat::MenuTemplate* AfxFindMenu(int id) {
  return id == IDR_TRAY_MENU ? &kTrayMenu : nullptr;
}
