#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The points of writing one attempt file at which a crash leaves something different behind.
enum class WriteStep { beforeData, midData, beforeFlush, beforeRename };

// Why an attempt file could not be written; each kind is told to the pupil's terminal once.
enum class WriteFailure { folderMissing, notPermitted, diskFull, other };

struct WriteError {
    WriteFailure kind;
    int error;
};

// Writes `text` as FOLDER/NAME.csv so that the name only ever holds the whole text: under a
// temporary name in the same folder, created afresh and never through a symbolic link, flushed
// to the disk, then renamed. A missing folder whose parent is there is made first. Takes no lock
// and appends to nothing, as neither is reliable on a network share. `atStep`, when given, is
// called at each step before it is taken.
std::optional<WriteError> writeAttemptFile(const std::string& folder, const std::string& name,
                                           const std::string& text,
                                           const std::function<void(WriteStep)>& atStep = {});

// The temporary name a file is written under: hidden, and not ending in ".csv".
std::string temporaryName(const std::string& name);
bool isTemporaryName(std::string_view fileName);
