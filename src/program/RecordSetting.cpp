#include "program/RecordSetting.h"

#include <QDir>
#include <QSettings>

QString recordFolder(const QString& option) {
    QString folder = option;
    if (folder.isEmpty()) {
        // The user's ~/.config/velmora/velmora.conf, then /etc/xdg/velmora/velmora.conf.
        const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                                 QStringLiteral("velmora"), QStringLiteral("velmora"));
        folder = settings.value(QStringLiteral("record/folder")).toString();
    }
    if (folder.isEmpty())
        return {};
    if (folder.startsWith(QStringLiteral("~/")))
        folder.replace(0, 1, QDir::homePath());
    return QDir::cleanPath(QDir::current().absoluteFilePath(folder));
}
