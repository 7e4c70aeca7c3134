// The remote-access records in the layouts the dialer sends: the versions of
// Windows XP's headers (WINVER 0x0501). The service picks a record's version
// from its dwSize, so each size below is one that Windows accepts on this
// architecture. RasRecords.cpp checks every field against the headers.
#pragma once

#include "platform/win32/WinApi.h"

namespace win32 {

// The headers pack these records to four bytes on both architectures.
#pragma pack(push, 4)

// RASDIALPARAMSA, the version that ends with dwSubEntry and dwCallbackId.
struct RasDialParamsRecord {
  DWORD dwSize;
  CHAR szEntryName[RAS_MaxEntryName + 1];
  CHAR szPhoneNumber[RAS_MaxPhoneNumber + 1];
  CHAR szCallbackNumber[RAS_MaxCallbackNumber + 1];
  CHAR szUserName[UNLEN + 1];
  CHAR szPassword[PWLEN + 1];
  CHAR szDomain[DNLEN + 1];
  DWORD dwSubEntry;
  ULONG_PTR dwCallbackId;
};

// RASCONNA, the version with guidEntry, dwFlags and luid.
struct RasConnRecord {
  DWORD dwSize;
  HRASCONN hrasconn;
  CHAR szEntryName[RAS_MaxEntryName + 1];
  CHAR szDeviceType[RAS_MaxDeviceType + 1];
  CHAR szDeviceName[RAS_MaxDeviceName + 1];
  CHAR szPhonebook[MAX_PATH];
  DWORD dwSubEntry;
  GUID guidEntry;
  DWORD dwFlags;
  LUID luid;
};

// RASCONNSTATUSA, the version with szPhoneNumber.
struct RasConnStatusRecord {
  DWORD dwSize;
  RASCONNSTATE rasconnstate;
  DWORD dwError;
  CHAR szDeviceType[RAS_MaxDeviceType + 1];
  CHAR szDeviceName[RAS_MaxDeviceName + 1];
  CHAR szPhoneNumber[RAS_MaxPhoneNumber + 1];
};

// RASPPPIPA, the version with the server's address and the options.
struct RasPppIpRecord {
  DWORD dwSize;
  DWORD dwError;
  CHAR szIpAddress[RAS_MaxIpAddress + 1];
  CHAR szServerIpAddress[RAS_MaxIpAddress + 1];
  DWORD dwOptions;
  DWORD dwServerOptions;
};

#pragma pack(pop)

// The dwSize values: 32-bit Windows takes 1,060 / 704 / 288 / 48, 64-bit
// Windows 1,064 / 708 / 288 / 48.
#ifdef _WIN64
constexpr DWORD kRasDialParamsSize = 1064;
constexpr DWORD kRasConnSize = 708;
#else
constexpr DWORD kRasDialParamsSize = 1060;
constexpr DWORD kRasConnSize = 704;
#endif
constexpr DWORD kRasConnStatusSize = 288;
constexpr DWORD kRasPppIpSize = 48;

static_assert(sizeof(RasDialParamsRecord) == kRasDialParamsSize);
static_assert(sizeof(RasConnRecord) == kRasConnSize);
static_assert(sizeof(RasConnStatusRecord) == kRasConnStatusSize);
static_assert(sizeof(RasPppIpRecord) == kRasPppIpSize);

}  // namespace win32
