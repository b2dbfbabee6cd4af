// Writes the smiley as Velmora's desktop icon, once for every size named on the command line,
// into an icon theme's folders: <theme>/<size>x<size>/apps/velmora.png.
#include "forms/pictures/Pictures.h"

#include <QCoreApplication>
#include <QDir>

namespace {
constexpr int drawnSize = 32;

// Enlarged, every pixel of the smiley becomes a sharp block. Reduced, it cannot keep every pixel:
// each pixel of the small icon takes the average colour of the pixels it covers, so the outline
// grows fainter instead of breaking into dots.
QImage iconAt(int size) {
    if (size >= drawnSize)
        return Pictures::smileyAt(size);
    return Pictures::smileyAt(drawnSize).scaled(size, size, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
}
} // namespace

int main(int argc, char* argv[]) {
    // The icon file reader is a plugin, which Qt finds through the application object.
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        qCritical("usage: desktop-icons <theme folder> <size>...");
        return 2;
    }
    const QDir theme(arguments[1]);
    for (const QString& size : arguments.mid(2)) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = theme.filePath(folder + "/velmora.png");
        if (!theme.mkpath(folder) || !iconAt(size.toInt()).save(file)) {
            qCritical("desktop-icons: cannot write %s", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
