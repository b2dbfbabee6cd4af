// Draws the program's three pictures and writes them into the folder named on the command line.
// The pictures are committed; run this only to change them:
//   picturegen src/forms/pictures

#include "FramePicture.h"
#include "HandPicture.h"
#include "IconFile.h"
#include "SmileyPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <cstdio>

// Chosen by eye and by size: high enough that the bevel's gradients show no blocks, low enough
// to keep the file near 18 KB. Optimised Huffman tables save a quarter and stay baseline.
static constexpr int frameQuality = 89;

static bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

static bool writeFrame(const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(frameQuality);
    writer.setOptimizedWrite(true);
    return writer.write(drawFrame());
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: picturegen <output folder>\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    const bool written =
        writeFrame(folder.filePath("frame.jpg")) &&
        writeFile(folder.filePath("smiley.ico"), iconFile(drawSmiley())) &&
        writeFile(folder.filePath("hand.cur"), cursorFile(drawHand(), handHotSpot));
    if (!written) {
        std::fprintf(stderr, "picturegen: cannot write into %s\n", qPrintable(folder.path()));
        return 1;
    }
    return 0;
}
