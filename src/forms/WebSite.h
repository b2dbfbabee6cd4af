#pragma once

#include <string_view>

// The maker's web site: scheme and host only. A reserved example host until Velmora has its own.
#define VELMORA_WEB_ADDRESS "https://velmora.example"

inline constexpr std::string_view webAddress = VELMORA_WEB_ADDRESS;
