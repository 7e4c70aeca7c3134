#include "app/ConfigFile.h"

CString ComposeConfig(const CConfigValues& values) {
  CString strText;
  strText.Format("user%s\npass%s\nmode%d\nl2tp%s\n", values.strUser.GetString(),
                 values.strPassword.GetString(), values.nRouteMode, values.bL2tp ? "1" : "0");
  return strText;
}

void ApplyConfigLine(const CString& strLine, CConfigValues& values) {
  if (strLine.GetLength() < 4) return;
  CString strKey = strLine.Left(4);
  CString strValue = strLine.Mid(4);
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
