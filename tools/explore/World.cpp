#include "tools/explore/World.h"

#include <cstdio>

namespace explore {

namespace {

constexpr const char* kSystem = "C:\\\\Windows\\\\system32\\\\";
constexpr const char* kNetsvcsKey =
    "\"HKLM\\\\Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Svchost\"";
constexpr const char* kRasManKey =
    "\"HKLM\\\\SYSTEM\\\\CurrentControlSet\\\\Services\\\\RasMan\\\\Parameters\"";

std::string Address(int a, int b, int c) {
  return "10." + std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c);
}

size_t Utf8Length(const std::string& text, size_t at) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  return length;
}

std::string Garbage(Random& random) {
  std::string bytes;
  int length = static_cast<int>(random.Between(1, 40));
  for (int i = 0; i < length; ++i) bytes += static_cast<char>(random.Below(256));
  return bytes;
}

// Server names in the three scripts the lists carry.
std::string ServerName(Random& random, int number) {
  const char* stem = random.Pick({"Seoul", "서울", "上海", "Tokyo", "大阪"});
  return std::string(stem) + " " + std::to_string(number);
}

std::string ServerList(Random& random, World& world) {
  std::string list;
  for (int i = 1; i <= world.servers; ++i) {
    std::string address = Address(0, i / 200, i % 200 + 1);
    if (i > 3 && random.Percent(8)) address = "0.0.0.0";
    if (random.Percent(3)) address = "1.2";
    world.addresses.push_back(address);
    list += ServerName(random, i) + "=" + address + "\r\n";
    if (random.Percent(3)) list += "no separator here\r\n";
  }
  return list;
}

void AddServerList(Random& random, World& world) {
  unsigned kind = random.Below(100);
  const char* host = "dir.velk.example";
  const char* path = "/webadmin/serverlist.txt";
  if (kind < 6) {
    world.lines.push_back(std::string("web ") + random.Pick({"refuse", "silent"}) + " " + host);
    return;
  }
  if (kind < 9) {
    world.lines.push_back(std::string("web serve ") + host + " " + path + " \"gone\" status 404");
    return;
  }
  world.servers = static_cast<int>(random.Between(1, 30));
  std::string list = ServerList(random, world);
  if (kind < 12) list = Garbage(random) + "\r\n" + list;
  world.lines.push_back(std::string("web serve ") + host + " " + path + " " + Quoted(list));
  if (kind < 15) world.lines.push_back(std::string("web trickle ") + host + " every 300");
  if (random.Percent(60))
    world.lines.push_back(std::string("web serve ") + host + " /tallmer/server.txt " +
                          Quoted(random.Percent(80) ? "x=abcde\r\ny=10.0.0.1\r\n" : Garbage(random)));
}

void AddDirectory(Random& random, World& world) {
  if (random.Percent(25)) return;
  static const std::vector<std::string> kGroups = {"韩国", "日本", "美国", "中国"};
  world.groups = static_cast<int>(random.Between(0, 4));
  world.relays = static_cast<int>(random.Between(0, 3));
  std::string text = "[System]\r\nCount=" + std::to_string(world.groups) + "\r\nVer=146\r\n";
  for (int g = 1; g <= world.groups; ++g) text += "Group" + std::to_string(g) + "=" + kGroups[g - 1] + "\r\n";
  for (int g = 1; g <= world.groups; ++g) {
    int count = static_cast<int>(random.Between(1, 4));
    text += "[" + kGroups[g - 1] + "]\r\nCount=" + std::to_string(count) + "\r\n";
    for (int s = 1; s <= count; ++s) {
      std::string address = Address(1, g, s);
      world.addresses.push_back(address);
      text += "Server" + std::to_string(s) + "=" + kGroups[g - 1] + std::to_string(s) + "\r\nIP" +
              std::to_string(s) + "=" + address + "\r\n";
    }
  }
  text += "[Transfer]\r\nCount=" + std::to_string(world.relays) + "\r\n";
  for (int r = 1; r <= world.relays; ++r) {
    std::string address = Address(9, 0, r);
    world.addresses.push_back(address);
    text += "Server" + std::to_string(r) + "=Relay" + std::to_string(r) + "\r\nIP" + std::to_string(r) + "=" +
            address + "\r\n";
  }
  world.lines.push_back(std::string("file \"") + kSystem + "Server.ini\" ansi " + Quoted(text));
}

void AddEchoHosts(Random& random, World& world) {
  for (const std::string& address : world.addresses) {
    if (address.size() < 7 || address == "0.0.0.0" || !random.Percent(60)) continue;
    std::string line = "icmp host " + address;
    int values = static_cast<int>(random.Between(1, 4));
    for (int i = 0; i < values; ++i)
      line += random.Percent(25) ? std::string(" lost") : " " + std::to_string(random.Between(0, 500));
    world.lines.push_back(line);
  }
}

void AddSettings(Random& random, World& world) {
  std::string path = std::string("\"") + kSystem + "Config.dat\"";
  unsigned kind = random.Below(100);
  if (kind < 30) return;
  std::string content;
  if (kind < 75) {
    world.l2tp = random.Percent(30);
    content = std::string("userkim\r\npass") + random.Pick({"pw1", "pw1", "bad"}) + "\r\nmode0\r\nl2tp" +
              (world.l2tp ? "1" : "0") + "\r\n";
  } else if (kind < 85) {
    content = Garbage(random);
  } else {
    content = random.Pick({"userkim\r\n", "l2tp1\r\n", "passpw1"});
    world.l2tp = content == "l2tp1\r\n";
  }
  world.lines.push_back("file " + path + " " + Quoted(content));
  if (random.Percent(12)) world.lines.push_back("attributes " + path + " readonly");
}

void AddServices(Random& random, World& world) {
  if (!world.l2tp && !random.Percent(10)) return;
  world.lines.push_back(std::string("registry set ") + kRasManKey + " ProhibitIPSec dword " +
                        std::to_string(random.Percent(70) ? 0 : random.Pick({1, 7})));
  static const std::vector<std::string> kServices = {"Themes", "BITS", "Browser", "wuauserv", "AeLookupSvc"};
  std::string names;
  for (const std::string& name : kServices) names += " \"" + name + "\"";
  world.lines.push_back(std::string("registry set ") + kNetsvcsKey + " netsvcs multi" + names);
  for (const std::string& name : kServices)
    world.lines.push_back("service " + name + (random.Percent(75) ? " running" : " stopped"));
  if (random.Percent(30))
    world.lines.push_back("child net.exe runs " + std::to_string(random.Between(100, 3000)));
}

void AddDialing(Random& random, World& world) {
  world.lines.push_back("ras account \"kim\" \"pw1\"");
  unsigned kind = random.Below(100);
  if (kind < 20)
    world.lines.push_back("ras outcome " + std::to_string(random.Between(300, 3000)) + " connected");
  else if (kind < 30)
    world.lines.push_back("ras outcome " + std::to_string(random.Between(300, 3000)) + " error " +
                          std::to_string(random.Pick({678, 800, 691})));
  if (random.Percent(30))
    world.lines.push_back("ras release after " + std::to_string(random.Between(0, 15000)));
  if (random.Percent(15)) world.lines.push_back("ras up \"tarno\"");
  if (random.Percent(10)) world.lines.push_back("ras up \"TarnoTransfer\"");
  if (random.Percent(20))
    world.lines.push_back(std::string("file \"") + kSystem + "Route.txt\" \"10.20.0.0|255.255.0.0\\r\\n\"");
}

}  // namespace

std::string Quoted(const std::string& bytes) {
  std::string out = "\"";
  for (size_t i = 0; i < bytes.size();) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x80) {
      if (size_t length = Utf8Length(bytes, i)) {
        out.append(bytes, i, length);
        i += length;
        continue;
      }
    }
    ++i;
    switch (c) {
      case '\\':
        out += "\\\\";
        continue;
      case '"':
        out += "\\\"";
        continue;
      case '\r':
        out += "\\r";
        continue;
      case '\n':
        out += "\\n";
        continue;
      case '\t':
        out += "\\t";
        continue;
      default:
        break;
    }
    if (c < 0x20 || c >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

World MakeWorld(Random& random) {
  World world;
  world.lines.push_back("set seed " + std::to_string(random.Between(1, 32767)));
  world.lines.push_back(std::string("set version ") + random.Pick({"5.1", "6.0", "6.1", "10.0"}));
  world.lines.push_back(std::string("set codepage ") + random.Pick({"936", "949"}));
  AddServerList(random, world);
  AddDirectory(random, world);
  AddEchoHosts(random, world);
  AddSettings(random, world);
  AddServices(random, world);
  AddDialing(random, world);
  world.modulePath = random.Percent(10) ? "C:\\\\Windows\\\\system32\\\\Dorvanta.exe" : "";
  return world;
}

std::vector<std::string> StartLines(const World& world) {
  std::vector<std::string> lines;
  lines.push_back(world.modulePath.empty() ? "start" : "start at \"" + world.modulePath + "\"");
  for (int id : {1014, 1007, 1015, 1020, 1016, 1023, 1019, 1021, 1026, 1028, 1029, 1039, 1041})
    lines.push_back("show " + std::to_string(id));
  lines.push_back("enable 1026");
  return lines;
}

}  // namespace explore
