#include "questions/TextLines.h"

#include <algorithm>

bool TextLines::next(std::string_view& line) {
    if (rest.empty())
        return false;
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '\n' && rest[end] != '\r')
        ++end;
    line = rest.substr(0, end);
    rest.remove_prefix(std::min(rest.size(), end + (rest.substr(end, 2) == "\r\n" ? 2 : 1)));
    ++lineNumber;
    return true;
}
