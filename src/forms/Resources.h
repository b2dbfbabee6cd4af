#pragma once

#include "shell/FormResources.h"

// The names by which the screens' tables ask for Velmora's pictures and pointer.
namespace Resource {
inline constexpr std::string_view frame = "frame";   // a picture
inline constexpr std::string_view smiley = "smiley"; // a picture and a window icon
inline constexpr std::string_view hand = "hand";     // a mouse pointer
} // namespace Resource

// Velmora's pictures, pointer and faces, as the runtime asks for them by the tables' names.
const FormResources& velmoraResources();
