#pragma once

#include <QString>

// Keeps a run's table beside the earlier ones, as <UTC time>-<processor>-<cores>.txt and .json,
// so that what a change did to the figures shows in the folder's history. Says where on
// standard output.
void recordRun(const QString& folder, const QString& machine, const QString& table,
               const QByteArray& json);
