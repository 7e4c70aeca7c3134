// The program's resource tables (dialog templates, strings, menus), looked
// up by id. The resource module of the program defines these; the framework
// itself reaches the templates through the application object.
#pragma once

#include "framework/CString.h"
#include "platform/BoxesAndMenus.h"
#include "platform/DialogTemplate.h"

const plat::DialogTemplate* AfxFindDialogTemplate(int id);
// False when the string table has no entry with that id.
bool AfxLoadString(int id, CString& text);
const plat::MenuTemplate* AfxFindMenu(int id);
// Size in pixels of a bitmap resource; false when there is none.
bool AfxGetBitmapSize(int id, int& cx, int& cy);
