#include "log/Log.h"

void ILog::Printf(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  CString strLine;
  strLine.FormatV(pszFormat, args);
  va_end(args);
  Write(strLine);
}
