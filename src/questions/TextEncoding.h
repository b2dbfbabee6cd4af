#pragma once

#include "questions/Finding.h"

#include <optional>
#include <string_view>

// Why a teacher's file is not UTF-8 text, said where it shows (line and byte) so that the
// teacher can find it, or nothing when it is UTF-8. Takes the file after its UTF-8 byte order
// mark, if it has one.
std::optional<Finding> findEncodingFault(std::string_view text);

// The text after the UTF-8 byte order mark that some editors write first.
std::string_view withoutByteOrderMark(std::string_view bytes);
