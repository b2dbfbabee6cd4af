#include "questions/GiftReader.h"

#include "questions/GiftBlocks.h"
#include "questions/GiftQuestion.h"
#include "questions/TextEncoding.h"

TeacherTests readGift(std::string_view bytes, const FitCheck& fits) {
    if (bytes.size() > largestGiftFile)
        return refusedTeacherTests({0, "the file is larger than 1 MiB"});
    if (std::optional<Finding> fault = findEncodingFault(bytes))
        return refusedTeacherTests(std::move(*fault));
    GiftBlocks blocks = splitGiftBlocks(withoutByteOrderMark(bytes));
    if (blocks.refusal)
        return refusedTeacherTests(std::move(*blocks.refusal));

    std::vector<ReadQuestion> questions;
    questions.reserve(blocks.blocks.size());
    for (const GiftBlock& block : blocks.blocks)
        questions.push_back({block.line, block.category, readGiftQuestion(block.text)});
    return dealTeacherTests(std::move(questions), fits);
}
