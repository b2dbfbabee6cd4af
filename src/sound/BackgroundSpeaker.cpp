#include "sound/BackgroundSpeaker.h"

#include "sound/SilentPorts.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

// Shared by the speaker and its opening thread, which may end after it.
struct BackgroundSpeaker::Opening {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool abandoned = false;
    std::unique_ptr<PortIo> speaker;
};

BackgroundSpeaker::BackgroundSpeaker(Opener open, std::chrono::milliseconds patience,
                                     Straggler straggler)
    : open(std::move(open)), patience(patience), straggler(std::move(straggler)) {}

BackgroundSpeaker::~BackgroundSpeaker() {
    if (!opening)
        return;
    if (!opened)
        waitForOpening();
    bool ended = false;
    {
        const std::lock_guard lock(opening->mutex);
        ended = opening->done;
    }
    // An opening that has ended has only to return.
    if (ended)
        openingThread.join();
    else
        straggler(std::move(openingThread));
}

void BackgroundSpeaker::endRunNow(std::thread) {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void BackgroundSpeaker::startOpening() {
    if (opening || opened)
        return;
    opening = std::make_shared<Opening>();
    openingThread = std::thread([opening = opening, open = open] {
        std::unique_ptr<PortIo> speaker = open();
        const std::lock_guard lock(opening->mutex);
        opening->done = true;
        if (!opening->abandoned)
            opening->speaker = std::move(speaker);
        opening->ended.notify_all();
    });
}

void BackgroundSpeaker::vbOut(std::uint16_t port, std::uint8_t value) {
    speaker().vbOut(port, value);
}

std::uint8_t BackgroundSpeaker::vbInp(std::uint16_t port) {
    return speaker().vbInp(port);
}

void BackgroundSpeaker::writeLateBy(std::chrono::nanoseconds lateness) {
    speaker().writeLateBy(lateness);
}

void BackgroundSpeaker::switchSpeakerOff() {
    if (opened)
        opened->switchSpeakerOff();
}

PortIo& BackgroundSpeaker::speaker() {
    if (!opened) {
        startOpening();
        opened = waitForOpening();
        if (!opened) {
            saySoundIsOff("the sound card did not open within " + std::to_string(patience.count()) +
                          " ms");
            opened = std::make_unique<SilentPorts>();
        }
    }
    return *opened;
}

std::unique_ptr<PortIo> BackgroundSpeaker::waitForOpening() {
    std::unique_lock lock(opening->mutex);
    if (!opening->ended.wait_for(lock, patience, [this] { return opening->done; })) {
        opening->abandoned = true;
        return nullptr;
    }
    return std::move(opening->speaker);
}
