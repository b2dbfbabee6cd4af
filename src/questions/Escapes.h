#pragma once

#include <string>
#include <string_view>

// A format's escapes: a backslash takes the meaning from the character after it, when that is
// one of the format's own.
class Escapes {
  public:
    constexpr explicit Escapes(std::string_view escapable) : escapable(escapable) {}

    // Whether an escape starts at `at`.
    bool startsAt(std::string_view text, std::size_t at) const {
        return text[at] == '\\' && at + 1 < text.size() && escapable.find(text[at + 1]) != npos;
    }

    // Where `found` first holds from `from` on, stepping over escapes whole; npos where it never
    // does. `found` is handed a place in the text.
    template <typename Found>
    std::size_t find(std::string_view text, std::size_t from, Found found) const {
        for (std::size_t at = from; at < text.size(); ++at) {
            if (startsAt(text, at))
                ++at;
            else if (found(at))
                return at;
        }
        return npos;
    }

    // Where the needle first stands from `from` on, not as part of an escape.
    std::size_t find(std::string_view text, std::string_view needle, std::size_t from = 0) const {
        return find(text, from, [&](std::size_t at) {
            return text[at] == needle.front() && text.substr(at).starts_with(needle);
        });
    }

    // Where the first of the characters stands from `from` on, not as part of an escape.
    std::size_t findAnyOf(std::string_view text, std::string_view characters,
                          std::size_t from = 0) const {
        return find(text, from, [&](std::size_t at) { return characters.find(text[at]) != npos; });
    }

    // The text with each escape made the character it escapes; `translated` may give an escaped
    // character a meaning of its own.
    template <typename Translated>
    std::string unescaped(std::string_view text, Translated translated) const {
        std::string plain;
        plain.reserve(text.size());
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (startsAt(text, at))
                plain += translated(text[++at]);
            else
                plain += text[at];
        }
        return plain;
    }
    std::string unescaped(std::string_view text) const {
        return unescaped(text, [](char character) { return character; });
    }

  private:
    static constexpr std::size_t npos = std::string_view::npos;
    std::string_view escapable;
};
