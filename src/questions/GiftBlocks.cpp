#include "questions/GiftBlocks.h"

#include "questions/CategoryName.h"
#include "questions/GiftText.h"
#include "questions/TextLines.h"
#include "vocabulary/Blanks.h"

namespace {
constexpr std::string_view categoryMark = "$CATEGORY:";

class BlockSplitter {
  public:
    void take(int number, std::string_view line);
    bool refused() const { return result.refusal.has_value(); }
    GiftBlocks finish() {
        endQuestion();
        return std::move(result);
    }

  private:
    void endQuestion();
    void scanBraces(int number, std::string_view line);
    void refuse(int line, const char* why) {
        if (!refused())
            result.refusal = Finding{line, why};
    }

    GiftBlocks result;
    GiftBlock question{0, 0, {}};
    int category = 0;
    bool gapOpen = false;
    bool gapClosed = false;
    int gapLine = 0;
    // The first line without a gap after the question's gap closed.
    int looseLine = 0;
};

void BlockSplitter::take(int number, std::string_view line) {
    line = trimmed(line);
    if (line.empty()) {
        endQuestion();
    } else if (line.starts_with("//")) {
        // A comment, wherever it stands.
    } else if (line.starts_with(categoryMark)) {
        endQuestion();
        ++category;
        result.categories.push_back(categoryName(line.substr(categoryMark.size())));
    } else {
        // Teachers do not always leave a blank line between two questions; a second title or
        // gap tells where the next begins.
        const bool hasGap = gift::escapes.find(line, "{") != line.npos;
        const bool titled = line.starts_with("::");
        if ((titled || (gapClosed && hasGap)) && !gapOpen) {
            // Lines without a gap since the question's gap closed could end it as well as
            // start the next; a title says for sure where the next starts.
            const int unclear = titled ? 0 : looseLine;
            if (question.unclearLine == 0)
                question.unclearLine = unclear;
            endQuestion();
            question.unclearLine = unclear;
        }
        if (gapClosed && !gapOpen && looseLine == 0 && !hasGap &&
            gift::escapes.find(line, "}") == line.npos)
            looseLine = number;
        if (question.text.empty()) {
            question.line = number;
            question.category = category;
        } else {
            question.text += ' ';
        }
        question.text += line;
        scanBraces(number, line);
    }
}

void BlockSplitter::scanBraces(int number, std::string_view line) {
    for (std::size_t at = gift::escapes.find(line, "{"), closing = gift::escapes.find(line, "}");
         at != line.npos || closing != line.npos;) {
        if (at < closing) {
            if (gapOpen)
                refuse(gapLine, "a { that no } closes");
            gapOpen = true;
            gapLine = number;
            at = gift::escapes.find(line, "{", at + 1);
        } else {
            if (!gapOpen)
                refuse(number, "a } with no { before it");
            gapOpen = false;
            gapClosed = true;
            closing = gift::escapes.find(line, "}", closing + 1);
        }
    }
}

void BlockSplitter::endQuestion() {
    if (gapOpen)
        refuse(gapLine, "a { that no } closes");
    if (!question.text.empty())
        result.blocks.push_back(std::move(question));
    question = GiftBlock{0, 0, {}};
    gapOpen = false;
    gapClosed = false;
    looseLine = 0;
}
} // namespace

GiftBlocks splitGiftBlocks(std::string_view text) {
    BlockSplitter splitter;
    TextLines lines(text);
    std::string_view line;
    while (!splitter.refused() && lines.next(line))
        splitter.take(lines.number(), line);
    return splitter.finish();
}
