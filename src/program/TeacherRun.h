#pragma once

#include "program/Program.h"

#include <QString>
#include <string>

// Plays a teacher's file until the pupil ends Velmora, or refuses it: the status to end with.
// The attempts go to `recordFolder`, where one is named.
int playTeacherFile(const QString& path, const VoiceChoice& reading,
                    const std::string& recordFolder, bool onTerminal);
