// A phonebook file that cannot be written stops the dial with a status text.
#include "app/MainDlg.h"

void CMainDlg::ReportPhonebookFailure() {
  m_strStatus = "전화번호부 파일을 만들 수 없습니다";
  UpdateData(FALSE);
}
