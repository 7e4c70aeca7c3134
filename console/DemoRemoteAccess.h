// The demo service's remote-access side: one account on every server.
#pragma once

namespace sim {

class RasService;

inline constexpr const char* kDemoUser = "demo";
inline constexpr const char* kDemoPassword = "velk2024";

// Accepts the demo account with realistic progress and a tunnel address;
// other credentials end with 691. Lock held.
void SetUpDemoRemoteAccess(RasService& ras);

}  // namespace sim
