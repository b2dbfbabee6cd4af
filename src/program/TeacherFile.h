#pragma once

#include "questions/Finding.h"

#include <optional>
#include <string>

// The bytes of the teacher's file named on the command line, or why it cannot be read.
struct TeacherFile {
    std::string bytes;
    // Said of the file as a whole (line 0).
    std::optional<Finding> refusal;
};

// Reads the file at the path. It is only ever opened for reading, and only a regular file is
// read: a folder, a device or a pipe is refused at once, without waiting for anything to be
// written to it. Of a file larger than largestTeacherFile, one byte more is read, so that the
// reader of its format refuses it.
TeacherFile readTeacherFile(const std::string& path);
