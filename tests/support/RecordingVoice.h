#pragma once

#include "speech/Voice.h"

#include <QStringList>

// A voice that keeps what it was asked to say, and each stop as "(stop)", in order.
struct RecordingVoice final : Voice {
    void say(std::string text) override { said << QString::fromStdString(text); }
    void stop() override { said << QStringLiteral("(stop)"); }
    QStringList said;
};
