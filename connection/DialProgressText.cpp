#include "connection/DialProgressText.h"

#include "platform/RemoteAccess.h"
#include "resources/Texts.h"

namespace {

struct StateText {
  DWORD state;
  const char* text;
};

constexpr StateText kStateTexts[] = {
    {0, "통신포트가 열리는 중입니다"},
    {1, "통신포트가 열렸습니다"},
    {2, "장치에 연결하는 중입니다"},
    {3, "장치에 연결되었습니다"},
    {4, "모든 장치에 연결되었습니다"},
    {5, "인증과정이 시작됩니다"},
    {6, "인증이벤트가 발생되었습니다"},
    {7, "인증과정"},
    {8, "서버가 callback number를 요청합니다"},
    {9, "암호변경을 요청받았습니다"},
    {10, "인증과정을 마쳤습니다"},
    {11, "연결속도 계산에 들어갑니다"},
    {12, "Authentication acknowledge..."},
    {13, "Retrying Authentication..."},
    {14, "Authentication complete..."},
    {15, "Preparing for callback..."},
    {16, "Waiting for modem reset..."},
    {17, "Waiting for callback..."},
    {0x1000,
     "This state has a value of RASCS_PAUSED and corresponds to the terminal state supported by "
     "RASPHONE.EXE"},
    {0x1001, "This state corresponds to the retry authentication state supported by RASPHONE.EXE"},
    {0x1002, "This state corresponds to the callback state supported by RASPHONE.EXE"},
    {0x1003, "This state corresponds to the change password state supported by RASPHONE.EXE"},
    {plat::kRasConnected, texts::ko::kDialSucceeded},
    {plat::kRasDisconnected, texts::ko::kDialFailed},
};

}  // namespace

CString DialProgressText(DWORD state) {
  for (const StateText& entry : kStateTexts)
    if (entry.state == state) return entry.text;
  CString text;
  text.Format("%d", static_cast<int>(state));
  return text;
}

CString DialErrorText(DWORD code, const CString& serviceText) {
  CString text;
  text.Format(texts::ko::kDialErrorFormat, static_cast<int>(code));
  text += serviceText.View();
  return text;
}
