// Any bytes at all go through the reader of teachers' GIFT files without a crash, a leak or a
// hang, and what comes out holds together (see ReaderChecks.h); libxml2 prints nothing.
#include "ReaderChecks.h"
#include "questions/GiftReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::failWhenLibxml2Prints();
    fuzz::checkTeacherTests(
        readGift({reinterpret_cast<const char*>(data), size}, fuzz::fitsShortSentences));
    return 0;
}
