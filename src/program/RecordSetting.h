#pragma once

#include <QString>

// The folder to keep the record in: the command line's, else the user's configuration file's,
// else the system's; empty when the record is off. A relative path is taken from the current
// folder, so that the record lands where it was asked for whatever the program does later.
QString recordFolder(const QString& option);
