#pragma once

#include <string_view>

// The maker's web site, scheme and host only: the build setting VELMORA_WEB_ADDRESS, which
// whoever distributes Velmora sets to their own site. A reserved example host by default.
inline constexpr std::string_view webAddress = VELMORA_WEB_ADDRESS;
