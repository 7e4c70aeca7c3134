// The dialer's own texts, each defined once. The captions that record a
// line's state are compared byte for byte by the commands.
#pragma once

namespace texts {

// Captions that carry the lines' state.
constexpr const char* kConnect = "Connect";
constexpr const char* kDisconnect = "Disconnect";
constexpr const char* kRelayOff = "启用";  // relay line down
constexpr const char* kRelayOn = "断开";   // relay line up

constexpr const char* kWindowTitle = "Velk VPN";
// The version the version block's product name gives.
constexpr const char* kProductVersion = "1.4.6";
// The tray menu's item that opens the dial log, Korean and Chinese as the skin's labels.
constexpr const char* kOpenLogItem = "로그 보기 查看日志";
constexpr const char* kBalloonTitle = "Velk VPN";
// The notice button's test balloon.
constexpr const char* kTestBalloonTitle = "Test";
constexpr const char* kTestBalloonText = "aaaaaaaa";
constexpr const char* kTestBalloonTip = "aaaaaaaaa";

// The speed-test window's rows: a time-out, any round trip over 400 ms,
// and the unit after the others.
constexpr const char* kPingTimedOut = "time out";
constexpr const char* kPingLongest = "80 ms";
constexpr const char* kPingMilliseconds = " ms";

// What a screen reader says of the windows' controls: the labels painted on
// the skin, Korean and Chinese as the skin shows them.
namespace names {
constexpr const char* kServerList = "서버 服务器";
constexpr const char* kUser = "아이디 用户名";
constexpr const char* kPassword = "비밀번호 密码";
constexpr const char* kRemember = "로그인 정보 저장 记住密码";
constexpr const char* kConnect = "연결 连接";
constexpr const char* kDisconnect = "연결 해제 断开";
constexpr const char* kProductLink = "Velk VPN 홈페이지 · 官网";  // followed by the site's host
constexpr const char* kSkinClose = "닫기 关闭";
constexpr const char* kSkinHide = "숨기기 隐藏";
constexpr const char* kPingResults = "측정 결과 测速结果";
constexpr const char* kServerPicture = "서버 선택 选择服务器";
}  // namespace names

// Korean (code page 949 on the users' systems).
namespace ko {
constexpr const char* kChooseValidServer = "올바른 서버를 선택하세요";
constexpr const char* kServerListFailed = "서버정보 불러오기 실패";
constexpr const char* kDialSucceeded = "연결성공";
constexpr const char* kDialFailed = "연결실패";
constexpr const char* kDialErrorFormat = "메시지：%d\n";
constexpr const char* kAdoptedLine = "접속되었습니다";
constexpr const char* kDisconnected = "접속종료";
constexpr const char* kLineDropped = "접속이 끊겼습니다";
constexpr const char* kRelayLineDropped = "접속이 끊겼습니다!";
constexpr const char* kConnectedBalloon = "VPN 연결되었습니다";
constexpr const char* kPhonebookFailed = "전화번호부 파일을 만들 수 없습니다";
constexpr const char* kCredentialsNotStorable =
    "사용자 이름이나 암호에 이 컴퓨터의 문자 코드로 저장할 수 없는 글자가 있어 연결하지 않았습니다. "
    "다른 글자로 다시 입력하세요.";
constexpr const char* kInputErrorCaption = "입력 오류";
constexpr const char* kCloseQuestion = "접속을 해제하고 프로그램을 종료합니다";
constexpr const char* kExitQuestion = "접속을 해제하고 프로그램을 종료하시겠습니까?";
constexpr const char* kExitCaption = "종료";
constexpr const char* kDisconnectQuestion = "접속을 해제하시겠습니까?";
constexpr const char* kDisconnectCaption = "접속해제";
}  // namespace ko

// Chinese (code page 936 on the users' systems).
namespace zh {
constexpr const char* kEnterCredentials = "请完整输入用户名和密码！";
constexpr const char* kEnterRelayAddress = "请输入或者选择一个IP地址。";
constexpr const char* kHintCaption = "提示";
constexpr const char* kRelayDisconnected = "中转连接已断开！";
constexpr const char* kNoServerList = "无法获取服务器列表";
// The first row of a probe.
constexpr const char* kPingHeader = "服务器返回：";
// The L2TP mode's question before the policy change takes effect.
constexpr const char* kL2tpRestartCaption = "使用L2TP";
constexpr const char* kL2tpRestartQuestion =
    "是否重新启动计算机！\n如在网吧请按取消将强制使用L2TP模式，请耐心等待，可能会带来一些问题。如非网吧请按确"
    "定重启。"
    "\n按确定后，将在15秒内重启计算机，请保存所有未保存的文档并等待重启。";
}  // namespace zh

}  // namespace texts
