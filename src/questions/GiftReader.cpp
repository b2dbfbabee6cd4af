#include "questions/GiftReader.h"

#include "questions/GiftBlocks.h"
#include "questions/GiftQuestion.h"
#include "questions/TextEncoding.h"
#include "vocabulary/TestNumber.h"

namespace {
ReadQuestion readBlock(const GiftBlock& block) {
    // Which question the line belongs to is the teacher's to say, not Velmora's to guess; both
    // are left out, at the line the teacher has to look at.
    if (block.unclearLine != 0)
        return {block.unclearLine, block.category,
                Unplayable{"put a blank line between two questions"}};
    return {block.line, block.category, readGiftQuestion(block.text)};
}
} // namespace

TeacherTests readGift(std::string_view bytes, const FitCheck& fits) {
    if (bytes.size() > largestGiftFile)
        return refusedTeacherTests({0, "the file is larger than 1 MiB"});
    const std::string_view text = withoutByteOrderMark(bytes);
    if (std::optional<Finding> fault = findEncodingFault(text))
        return refusedTeacherTests(std::move(*fault));
    GiftBlocks blocks = splitGiftBlocks(text);
    if (blocks.refusal)
        return refusedTeacherTests(std::move(*blocks.refusal));

    std::vector<ReadQuestion> questions;
    questions.reserve(blocks.blocks.size());
    for (const GiftBlock& block : blocks.blocks)
        questions.push_back(readBlock(block));
    return dealTeacherTests(std::move(questions), blocks.categories, fits);
}
