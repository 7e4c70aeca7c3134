#include "app/ConfigFile.h"

namespace {

// The value of a line; a value ends at a NUL, as the edit fields and the
// remote-access records would end it, so what is shown, dialled and saved is one text.
CString ValueOf(const CString& strLine) {
  std::string_view value = strLine.View().substr(4);
  return CString(value.substr(0, value.find('\0')));
}

}  // namespace

CString ComposeConfig(const CLoginFields& values) {
  CString strMode;
  strMode.Format("%d", values.nRouteMode);
  return "user" + values.strUser + "\npass" + values.strPassword.View() + "\nmode" + strMode.View() +
         "\nl2tp" + (values.bL2tp ? "1" : "0") + "\n";
}

void ApplyConfigLine(const CString& strLine, CLoginFields& values) {
  if (strLine.GetLength() < 4) return;
  CString strKey = strLine.Left(4);
  CString strValue = ValueOf(strLine);
  if (strKey == "user") {
    values.strUser = strValue;
    values.bRemember = 1;
  } else if (strKey == "pass") {
    values.strPassword = strValue;
    values.bRemember = 1;
  } else if (strKey == "mode") {
    // Recorded for the record's sake; the routing mode always starts global.
    values.nRouteMode = 0;
  } else if (strKey == "l2tp") {
    values.bL2tp = strValue == "1" ? 1 : 0;
  }
}
