#pragma once

#include <QList>
#include <QString>

// One line of the bench's table: Velmora's figure, the yardstick's where there is one, and the
// target it is held to. A target in parentheses only says what the figure stands beside.
struct Row {
    QString measure;
    double velmora;
    double baseline; // NaN where there is nothing to compare with
    QString target;
    bool met;

    bool hasTarget() const { return !target.isEmpty() && !target.startsWith('('); }
    bool missed() const { return hasTarget() && !met; }
};

// The table as printed, a heading line and a line for each row.
QString tableText(const QList<Row>& rows);
// The table as JSON, with the machine it was measured on.
QByteArray tableJson(const QList<Row>& rows, const QString& machine);
