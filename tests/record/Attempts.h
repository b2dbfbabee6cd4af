#pragma once

#include "record/Attempt.h"

// An attempt whose every text would trip a careless writer or reader: commas, quotes, line
// breaks, a formula, letters of other scripts.
inline AttemptRecord hostileAttempt(std::string attempt) {
    const QDateTime started = QDateTime::fromString("2026-12-10T09:41:07+01:00", Qt::ISODate);
    TestAttempt test{.test = 3,
                     .started = started,
                     .finished = started.addSecs(90),
                     .complete = true,
                     .answers = {}};
    const char* const sentences[] = {"She \"___\" home,\r\nlate.", "Ёлка ___ зелёная", "-1 ___ @",
                                     " I ___ ", "\t=SUM(A1:A9)"};
    int score = 0;
    for (const char* sentence : sentences) {
        const bool ok = test.answers.size() % 2 == 0;
        score += ok ? 20 : 0;
        test.answers.push_back({.sentence = sentence,
                                .left = "was",
                                .right = "were,\"",
                                .correct = "was",
                                .picked = ok ? "was" : "were,\"",
                                .ok = ok,
                                .score = score});
    }
    return {.attempt = std::move(attempt),
            .context = {.login = "ana,\"o'b\"",
                        .name = "Ана \"Ní\"\nÓg, =1+1",
                        .computer = "room3\r\npc12",
                        .source = "was, or \"were\".gift 0123456789ab",
                        .titles = {"", "", "=HYPERLINK(\"http://x\",\"Test, 3\")"}},
            .test = std::move(test)};
}
