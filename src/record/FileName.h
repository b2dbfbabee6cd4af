#pragma once

#include <QDateTime>
#include <string>
#include <string_view>

// A login or a computer's name as a part of a file name: letters, digits, dots and hyphens stay,
// every other byte becomes %XX, so two different names never give the same part; a part that
// would be too long for a file name is cut and ends in a digest of the whole.
std::string fileNamePart(std::string_view text);

// "2026-12-10T09-41-07_ana_room3-pc12_4182": the local time to the second, the login, the
// computer and the process. `sequence` tells apart the attempts one process ends within a second.
std::string attemptName(const QDateTime& finished, std::string_view login,
                        std::string_view computer, long process, int sequence);
