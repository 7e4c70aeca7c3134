// Checks, at compile time, that the dialer's remote-access records match the
// records of the Windows headers in their Windows XP version, field by field.
// This file is compiled for both architectures of the Windows program.
#ifdef WINVER
#undef WINVER
#endif
#ifdef _WIN32_WINNT
#undef _WIN32_WINNT
#endif
#define WINVER 0x0501
#define _WIN32_WINNT 0x0501

#include "platform/win32/RasRecords.h"

#include <cstddef>

namespace win32 {
namespace {

static_assert(WINVER == 0x0501 && _WIN32_WINNT == 0x0501);

// Same size and alignment, and each named field at the same offset.
#define DORVANTA_SAME_FIELD(Ours, Theirs, field)                    \
  static_assert(offsetof(Ours, field) == offsetof(Theirs, field) && \
                sizeof(Ours::field) == sizeof(Theirs::field))
#define DORVANTA_SAME_RECORD(Ours, Theirs) \
  static_assert(sizeof(Ours) == sizeof(Theirs) && alignof(Ours) == alignof(Theirs))

using HeaderDialParams = RASDIALPARAMSA;
DORVANTA_SAME_RECORD(RasDialParamsRecord, HeaderDialParams);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, dwSize);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, szEntryName);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, szPhoneNumber);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, szCallbackNumber);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, szUserName);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, szPassword);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, szDomain);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, dwSubEntry);
DORVANTA_SAME_FIELD(RasDialParamsRecord, HeaderDialParams, dwCallbackId);

using HeaderConn = RASCONNA;
DORVANTA_SAME_RECORD(RasConnRecord, HeaderConn);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, dwSize);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, hrasconn);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, szEntryName);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, szDeviceType);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, szDeviceName);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, szPhonebook);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, dwSubEntry);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, guidEntry);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, dwFlags);
DORVANTA_SAME_FIELD(RasConnRecord, HeaderConn, luid);

using HeaderConnStatus = RASCONNSTATUSA;
DORVANTA_SAME_RECORD(RasConnStatusRecord, HeaderConnStatus);
DORVANTA_SAME_FIELD(RasConnStatusRecord, HeaderConnStatus, dwSize);
DORVANTA_SAME_FIELD(RasConnStatusRecord, HeaderConnStatus, rasconnstate);
DORVANTA_SAME_FIELD(RasConnStatusRecord, HeaderConnStatus, dwError);
DORVANTA_SAME_FIELD(RasConnStatusRecord, HeaderConnStatus, szDeviceType);
DORVANTA_SAME_FIELD(RasConnStatusRecord, HeaderConnStatus, szDeviceName);
DORVANTA_SAME_FIELD(RasConnStatusRecord, HeaderConnStatus, szPhoneNumber);

using HeaderPppIp = RASPPPIPA;
DORVANTA_SAME_RECORD(RasPppIpRecord, HeaderPppIp);
DORVANTA_SAME_FIELD(RasPppIpRecord, HeaderPppIp, dwSize);
DORVANTA_SAME_FIELD(RasPppIpRecord, HeaderPppIp, dwError);
DORVANTA_SAME_FIELD(RasPppIpRecord, HeaderPppIp, szIpAddress);
DORVANTA_SAME_FIELD(RasPppIpRecord, HeaderPppIp, szServerIpAddress);
DORVANTA_SAME_FIELD(RasPppIpRecord, HeaderPppIp, dwOptions);
DORVANTA_SAME_FIELD(RasPppIpRecord, HeaderPppIp, dwServerOptions);

#undef DORVANTA_SAME_FIELD
#undef DORVANTA_SAME_RECORD

}  // namespace
}  // namespace win32
