#include "questions/CategoryName.h"

#include <vector>

namespace {
bool isBlank(unsigned char byte) {
    return byte <= ' ' || byte == 0x7F;
}

// Each run of blanks, line breaks and control characters is one blank, none at either end, and
// the text ends after `longest` letters; a letter of several bytes is kept whole or not at all.
std::string oneLine(std::string_view text, std::size_t longest) {
    std::string line;
    std::size_t letters = 0;
    bool blankBefore = false;
    for (const char byte : text) {
        const bool startsLetter = (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
        if (isBlank(static_cast<unsigned char>(byte))) {
            blankBefore = !line.empty();
            continue;
        }
        if (startsLetter && letters + (blankBefore ? 2 : 1) > longest)
            break;
        if (blankBefore) {
            line += ' ';
            ++letters;
            blankBefore = false;
        }
        line += byte;
        letters += startsLetter ? 1 : 0;
    }
    return line;
}

std::vector<std::string> pathElements(std::string_view path) {
    std::vector<std::string> elements(1);
    for (std::size_t at = 0; at < path.size(); ++at) {
        if (path[at] != '/')
            elements.back() += path[at];
        else if (at + 1 < path.size() && path[at + 1] == '/')
            elements.back() += path[at++];
        else
            elements.emplace_back();
    }
    return elements;
}

// Moodle's contexts, such as $course$ and $system$: where a bank is kept, not what it holds.
bool isContext(std::string_view element) {
    return element.size() >= 2 && element.front() == '$' && element.back() == '$';
}
} // namespace

std::string categoryName(std::string_view path) {
    std::vector<std::string> elements = pathElements(path);
    for (std::string& element : elements)
        element = oneLine(element, longestCategoryName);
    std::erase_if(elements, [](const std::string& element) { return element.empty(); });
    auto named = elements.begin();
    if (named != elements.end() && isContext(*named))
        ++named;
    // Every context's categories hang from one called "top", which no teacher made.
    if (named != elements.end() && *named == "top")
        ++named;
    return named == elements.end() ? std::string() : elements.back();
}
