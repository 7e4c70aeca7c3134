// Resource and control identifiers.
#pragma once

// Dialog templates.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_MAIN = 102;
constexpr int IDD_SPEEDTEST = 104;
constexpr int IDD_SERVER = 155;

// Strings.
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDS_TRAY_TIP = 134;

// Icons, bitmaps and menus.
constexpr int IDI_APP = 128;
constexpr int IDI_TRAY = 134;
constexpr int IDI_MAIN = 143;
constexpr int IDR_TRAY_MENU = 141;
constexpr int IDB_CONNECT = 163;
constexpr int IDB_DISCONNECT = 164;
constexpr int IDB_BACKGROUND = 165;
constexpr int IDB_SELECT_SERVER = 166;
constexpr int IDB_CONNECT_DOWN = 174;
constexpr int IDB_DISCONNECT_DOWN = 175;

// Commands.
constexpr unsigned IDM_ABOUTBOX = 16;
constexpr unsigned ID_TRAY_EXIT = 32775;
constexpr unsigned ID_TRAY_OPEN_LOG = 32776;

// Main window controls.
constexpr int IDC_BROWSER_SMALL = 1002;
constexpr int IDC_BROWSER_BANNER = 1003;
constexpr int IDC_CONNECT = 1004;
constexpr int IDC_BUTTON2 = 1005;
constexpr int IDC_REMEMBER = 1006;
constexpr int IDC_LINE = 1007;
constexpr int IDC_USER = 1008;
constexpr int IDC_PASSWORD = 1009;
constexpr int IDC_STATUS = 1010;
constexpr int IDC_LINK_G_WEBSITE = 1012;
constexpr int IDC_GET_SERVER_LIST = 1013;
constexpr int IDC_GROUP = 1014;
constexpr int IDC_SPEED = 1015;
constexpr int IDC_RELAY_LINE = 1016;
constexpr int IDC_LINK_OFFICIAL = 1018;
constexpr int IDC_L2TP = 1019;
constexpr int IDC_AUTO_SELECT = 1020;
constexpr int IDC_PROGRESS = 1021;
constexpr int IDC_UPDATE = 1022;
constexpr int IDC_RELAY = 1023;
constexpr int IDC_ROUTE_GLOBAL = 1025;
constexpr int IDC_ROUTE_OVERSEAS = 1026;
constexpr int IDC_ROUTE_GAME = 1027;
constexpr int IDC_SKIN_CLOSE = 1028;
constexpr int IDC_SKIN_HIDE = 1029;
constexpr int IDC_LINK_11 = 1030;
constexpr int IDC_LINK_PRODUCT = 1031;
constexpr int IDC_LINK_13 = 1032;
constexpr int IDC_LINK_14 = 1033;
constexpr int IDC_BALLOON_TEST = 1034;
constexpr int IDC_SERVER_SELECT_COMBO = 1035;
constexpr int IDC_SERVER = 1036;
constexpr int IDC_BACKGROUND = 1038;
constexpr int IDC_CLOSE_BUTTON = 1039;
constexpr int IDC_BUTTON16 = 1040;
constexpr int IDC_SELECT_SERVER = 1041;
constexpr int IDC_BUTTON18 = 1042;
constexpr int IDC_PROBE_BUSY = 1043;  // activity of the fastest-server choice

// Speed-test window controls.
constexpr int IDC_PING_EXIT = 1004;
constexpr int IDC_PING = 1005;
constexpr int IDC_PING_ADDRESS = 1008;
constexpr int IDC_PING_LIST = 1016;
constexpr int IDC_PING_BUSY = 1017;  // activity while a probe runs
