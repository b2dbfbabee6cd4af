// A pupil's Velmora reduced to its record: writes attempts of hostile texts into a folder with
// the program's own writer, so that the tests can run many at once, kill one at any step of a
// write, or run one as another user.
//
//   attempt_writer FOLDER ATTEMPTS [kill-at STEP] [as-nobody]
#include "Attempts.h"
#include "record/RecordWriter.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <string_view>
#include <unistd.h>

namespace {
constexpr const char* stepNames[] = {"before-data", "mid-data", "before-flush", "before-rename"};

bool becomeNobody() {
    constexpr uid_t nobody = 65534;
    // Root's own groups would otherwise go along, and with them root's group's permissions.
    return ::getuid() != 0 ||
           (::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0);
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: attempt_writer FOLDER ATTEMPTS [kill-at STEP] [as-nobody]\n", stderr);
        return 2;
    }
    int killAt = -1;
    for (int i = 3; i < argc; ++i) {
        if (std::string_view(argv[i]) == "as-nobody" && !becomeNobody())
            return 3;
        if (std::string_view(argv[i]) == "kill-at" && i + 1 < argc)
            for (int step = 0; step < int(std::size(stepNames)); ++step)
                if (std::string_view(argv[i + 1]) == stepNames[step])
                    killAt = step;
    }
    AttemptRecord attempt = hostileAttempt({});
    RecordWriter writer(argv[1], attempt.context, [killAt](WriteStep step) {
        if (int(step) == killAt)
            std::raise(SIGKILL);
    });
    for (int i = std::atoi(argv[2]); i > 0; --i)
        writer.keep(attempt.test);
    return 0;
}
