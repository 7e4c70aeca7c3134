#include "console/DemoDirectory.h"

#include <string>

#include "resources/Endpoints.h"
#include "sim/Machine.h"

namespace sim {

namespace {

// Twelve real servers, then the random-choice entry that stands for them.
constexpr const char* kServerList =
    "首尔 1=10.8.1.1\n首尔 2=10.8.1.2\n釜山=10.8.1.3\n东京 1=10.8.2.1\n东京 2=10.8.2.2\n大阪=10.8.2.3\n"
    "香港 1=10.8.3.1\n香港 2=10.8.3.2\n台北=10.8.4.1\n新加坡=10.8.5.1\n洛杉矶=10.8.6.1\n法兰克福=10.8.7.1\n"
    "随机线路=0.0.0.0\n";

constexpr const char* kSelectList = "Seoul A=10.8.1.1\nTokyo A=10.8.2.1\nHong Kong A=10.8.3.1\n";

// The banner: a page with the news in a frame, whose link leads to the notice page.
constexpr const char* kBannerPage =
    "<html><body style=\"margin:0\"><h3>Velk VPN</h3><p>安全 · 快速 · 稳定</p>"
    "<iframe src=\"logo_news.php\" frameborder=\"0\"></iframe></body></html>\n";
constexpr const char* kBannerNewsPath = "/webadmin/logo_news.php";
constexpr const char* kBannerNews =
    "<html><body style=\"margin:0\"><a href=\"http://content.velk.example/App/Notice/app_notice.asp\" "
    "target=\"_top\">新线路上线</a></body></html>\n";
constexpr const char* kNoticePage = "<html><body><h3>公告</h3><p>东京 2 已上线。</p></body></html>\n";
constexpr const char* kFaqPage = "<html><body><h3>FAQ</h3><p>691: 用户名或密码错误。</p></body></html>\n";

constexpr const char* kServerIni =
    "[System]\nCount=3\nVer=146\nGroup1=韩国\nGroup2=日本\nGroup3=香港\n"
    "[韩国]\nCount=3\nServer1=首尔 1\nIP1=10.8.1.1\nServer2=首尔 "
    "2\nIP2=10.8.1.2\nServer3=釜山\nIP3=10.8.1.3\n"
    "[日本]\nCount=3\nServer1=东京 1\nIP1=10.8.2.1\nServer2=东京 "
    "2\nIP2=10.8.2.2\nServer3=大阪\nIP3=10.8.2.3\n"
    "[香港]\nCount=2\nServer1=香港 1\nIP1=10.8.3.1\nServer2=香港 2\nIP2=10.8.3.2\n"
    "[Transfer]\nCount=2\nServer1=中转 上海\nIP1=10.9.0.1\nServer2=中转 广州\nIP2=10.9.0.2\n";

constexpr const char* kRouteTxt =
    "10.20.0.0|255.255.0.0\n172.16.0.0|255.240.0.0\nupdate.velk.example|255.255.255.255\n";

// CR LF line ends in the machine's ANSI code page, as the service's files are stored.
std::string AnsiFile(Machine& machine, std::string_view text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return machine.Disk().ToAnsi(crlf);
}

}  // namespace

void SetUpDemoDirectory(Machine& machine) {
  WebServers& web = machine.Web();
  web.Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, AnsiFile(machine, kServerList));
  web.Serve(endpoints::kDirectoryHost, endpoints::kServerSelectPath, 200, AnsiFile(machine, kSelectList));
  web.Serve(endpoints::kDirectoryHost, endpoints::kBannerPath, 200, AnsiFile(machine, kBannerPage));
  web.Serve(endpoints::kDirectoryHost, kBannerNewsPath, 200, AnsiFile(machine, kBannerNews));
  web.Serve(endpoints::kContentSite, endpoints::kNoticePath, 200, AnsiFile(machine, kNoticePage));
  web.Serve(endpoints::kContentSite, endpoints::kFaqPath, 200, AnsiFile(machine, kFaqPage));
  std::string systemDir = machine.SystemDirectory() + "\\";
  machine.Disk().WriteBytes(systemDir + "Server.ini", AnsiFile(machine, kServerIni));
  machine.Disk().WriteBytes(systemDir + "Route.txt", AnsiFile(machine, kRouteTxt));
}

}  // namespace sim
