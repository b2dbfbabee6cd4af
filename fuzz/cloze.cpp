// Any text at all goes through the reader of a cloze question's subquestions without a crash or
// a hang, and a gap it finds lies within the text, with two words that are not empty and no
// longer than the gap that held them.
#include "questions/Cloze.h"

#include "ReaderChecks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = readCloze(text);
    if (read) {
        fuzz::require(read->beforeGap.data() == text.data() &&
                      read->afterGap.data() + read->afterGap.size() == text.data() + text.size());
        fuzz::require(!read->correctWord.empty() && !read->wrongWord.empty());
        // The shortest gap is {:MC:=a~b}: eight marks around the two words.
        fuzz::require(read->beforeGap.size() + read->correctWord.size() + read->wrongWord.size() +
                          read->afterGap.size() + 8 <=
                      text.size());
    } else {
        fuzz::require(!read.unplayable().why.empty());
    }
    return 0;
}
