// Any bytes at all go through the reader of Moodle XML exports, and through the choice between
// it and the GIFT reader, without a crash, a leak or a hang, and what comes out holds together
// (see ReaderChecks.h); libxml2 prints nothing.
#include "ReaderChecks.h"
#include "questions/TeacherReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::failWhenLibxml2Prints();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkTeacherTests(readMoodleXml(bytes, fuzz::fitsShortSentences));
    fuzz::checkTeacherTests(readTeacherTests(bytes, fuzz::fitsShortSentences));
    return 0;
}
