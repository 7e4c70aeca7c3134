// The dial log as the subsystems see it: a line at a time, from any thread.
#pragma once

#include "framework/CString.h"

class ILog {
 public:
  // Writes one line, stamped with the time it is called; never waits for
  // the disk. A line holds no line break: control characters are escaped.
  virtual void Write(const CString& strLine) = 0;
  // A text no line may show (a password): wherever a line would hold it, it
  // holds a mark ("********") instead.
  virtual void Conceal(const CString& strSecret) = 0;

  void Printf(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));

 protected:
  ~ILog() = default;
};
