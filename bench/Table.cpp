#include "Table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {
QString line(const QString& measure, const QString& velmora, const QString& baseline,
             const QString& target, const QString& verdict) {
    QString text = QString("%1 %2 %3  %4 %5")
                       .arg(measure, -58)
                       .arg(velmora, 10)
                       .arg(baseline, 10)
                       .arg(target, -20)
                       .arg(verdict);
    while (text.endsWith(' '))
        text.chop(1);
    return text + '\n';
}

QString figure(double value) {
    return std::isnan(value) ? "-" : QString::number(value, 'f', 3);
}
} // namespace

QString tableText(const QList<Row>& rows) {
    QString text = line("measure", "Velmora", "baseline", "target", "");
    for (const Row& row : rows)
        text += line(row.measure, figure(row.velmora), figure(row.baseline), row.target,
                     !row.hasTarget() ? ""
                     : row.met        ? "met"
                                      : "MISSED");
    return text;
}

QByteArray tableJson(const QList<Row>& rows, const QString& machine) {
    QJsonArray array;
    for (const Row& row : rows)
        array.append(QJsonObject{
            {"measure", row.measure},
            {"velmora", row.velmora},
            {"baseline", std::isnan(row.baseline) ? QJsonValue() : QJsonValue(row.baseline)},
            {"target", row.target},
            {"met", row.hasTarget() ? QJsonValue(row.met) : QJsonValue()}});
    return QJsonDocument(QJsonObject{{"machine", machine}, {"rows", array}}).toJson();
}
