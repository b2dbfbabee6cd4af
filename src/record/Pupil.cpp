#include "record/Pupil.h"

#include <climits>
#include <pwd.h>
#include <unistd.h>

namespace {
// The full name is the first of the comma-separated fields of the account's description; the
// others hold a room and telephone numbers.
std::string fullName(const char* gecos) {
    const std::string description = gecos ? gecos : "";
    return description.substr(0, description.find(','));
}

std::string computerName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return "unknown";
    return name;
}
} // namespace

AttemptContext thisPupil(std::string source) {
    AttemptContext context{.login = std::to_string(::getuid()),
                           .name = {},
                           .computer = computerName(),
                           .source = std::move(source),
                           .titles = {}};
    if (const passwd* account = ::getpwuid(::getuid())) {
        context.login = account->pw_name;
        context.name = fullName(account->pw_gecos);
    }
    return context;
}
