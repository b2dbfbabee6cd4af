#include "forms/Forms.h"
#include "forms/Resources.h"
#include "forms/pictures/IconFile.h"
#include "forms/pictures/Pictures.h"

#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QPixmapCache>
#include <QTest>
#include <QtEndian>
#include <set>

static QByteArray resource(const QString& name) {
    QFile file(":/pictures/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static quint16 word(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

static quint32 dword(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

static bool isWhite(QRgb pixel) {
    return qRed(pixel) >= 245 && qGreen(pixel) >= 245 && qBlue(pixel) >= 245;
}

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void iconFiles_data();
    void iconFiles();
    void iconFilesReadAsQtReadsThem();
    void damagedIconFilesReadAsNothing();
    void frameIsBaselineColourJpeg();
    void frameColours();
    void smiley();
    void hand();
    void smileyScaledWithoutBlur_data();
    void smileyScaledWithoutBlur();
    void theScreensNameEveryPictureAndNothingElse();
};

void PicturesTest::iconFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("field1");
    QTest::addColumn<int>("field2");
    // An icon's entry holds planes and depth, a cursor's the hot spot.
    QTest::newRow("smiley") << "smiley.ico" << 1 << 1 << 4;
    QTest::newRow("hand") << "hand.cur" << 2 << 13 << 5;
}

void PicturesTest::iconFiles() {
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(int, field1);
    QFETCH(int, field2);
    const QByteArray file = resource(name);
    QCOMPARE(file.size(), 766);
    QCOMPARE(word(file, 0), 0);
    QCOMPARE(word(file, 2), type);
    QCOMPARE(word(file, 4), 1);
    QCOMPARE(quint8(file[6]), 32);
    QCOMPARE(quint8(file[7]), 32);
    QCOMPARE(quint8(file[8]), 16);
    QCOMPARE(word(file, 10), field1);
    QCOMPARE(word(file, 12), field2);
    QCOMPARE(dword(file, 14), 744u);
    QCOMPARE(dword(file, 18), 22u);
    QCOMPARE(dword(file, 22), 40u);
    QCOMPARE(dword(file, 26), 32u);
    QCOMPARE(dword(file, 30), 64u);
    QCOMPARE(word(file, 36), 4);
}

void PicturesTest::iconFilesReadAsQtReadsThem() {
    for (const QString name : {"smiley.ico", "hand.cur"}) {
        const QImage byQt = QImage(":/pictures/" + name).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!byQt.isNull());
        QCOMPARE(IconFile::decode(resource(name)), byQt);
    }
    QCOMPARE(IconFile::hotSpot(resource("hand.cur")), QPoint(13, 5));
}

void PicturesTest::damagedIconFilesReadAsNothing() {
    const QByteArray smiley = resource("smiley.ico");
    for (const qsizetype length : {0, 21, 22, 61, 765})
        QVERIFY2(IconFile::decode(smiley.left(length)).isNull(),
                 qPrintable(QString::number(length)));
    const auto withWordAt = [&](int offset, quint16 value) {
        QByteArray changed = smiley;
        qToLittleEndian(value, changed.data() + offset);
        return changed;
    };
    // The picture's header follows the 22-byte directory: width, doubled height, depth, packing.
    QVERIFY(IconFile::decode(withWordAt(22 + 4, 0)).isNull());
    QVERIFY(IconFile::decode(withWordAt(22 + 8, 33)).isNull());
    QVERIFY(IconFile::decode(withWordAt(22 + 14, 24)).isNull());
    QVERIFY(IconFile::decode(withWordAt(22 + 16, 1)).isNull());
    QVERIFY(IconFile::decode(withWordAt(18, 0xFFFF)).isNull());
    QCOMPARE(IconFile::hotSpot(QByteArray(10, '\0')), QPoint());
}

void PicturesTest::frameIsBaselineColourJpeg() {
    const QByteArray file = resource("frame.jpg");
    QVERIFY(file.startsWith("\xFF\xD8"));
    int offset = 2;
    quint8 frameMarker = 0;
    int components = 0;
    while (offset + 4 <= file.size() && quint8(file[offset + 1]) != 0xDA) {
        const quint8 marker = quint8(file[offset + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            frameMarker = marker;
            components = quint8(file[offset + 9]);
        }
        offset += 2 + qFromBigEndian<quint16>(file.constData() + offset + 2);
    }
    QCOMPARE(frameMarker, 0xC0);
    QCOMPARE(components, 3);
    QCOMPARE(Pictures::frame().size(), QSize(600, 502));
}

void PicturesTest::frameColours() {
    // Decoded on a second thread, as at start-up.
    QPixmapCache::clear();
    Pictures::decodeFrameAhead();
    const QImage frame = Pictures::frame().toImage();
    const QRgb corner = frame.pixel(1, 1);
    QVERIFY2(qRed(corner) < 150 && qRed(corner) > qGreen(corner) && qGreen(corner) > qBlue(corner),
             "the outer edge is dark brown");
    for (const QPoint lit : {QPoint(10, 250), QPoint(300, 10)}) {
        const QRgb side = frame.pixel(lit);
        QVERIFY2(qRed(side) > 200 && qGreen(side) > 100 && qGreen(side) < 180 && qBlue(side) < 80,
                 "the moulding is orange");
    }
    // The panel covers 48,48 to 552,457; a margin of white page must show beside it.
    for (int along = 48; along < 457; along += 8)
        QVERIFY2(isWhite(frame.pixel(44, along)), "white page left of the panel");
    for (int along = 48; along < 552; along += 8)
        QVERIFY2(isWhite(frame.pixel(along, 44)), "white page above the panel");
    const QRgb shadow = frame.pixel(558, 250);
    QVERIFY2(!isWhite(shadow) && qAbs(qRed(shadow) - qBlue(shadow)) < 12,
             "a grey shadow along the right edge of the page");
}

void PicturesTest::smiley() {
    const QImage smiley = Pictures::smiley().toImage();
    QCOMPARE(smiley.size(), QSize(32, 32));
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(smiley.pixel(corner)), 0);
    QCOMPARE(smiley.pixel(16, 0), qRgb(0, 0, 0));
    QCOMPARE(smiley.pixel(16, 10), qRgb(255, 255, 0));
    QCOMPARE(smiley.pixel(16, 22), qRgb(255, 0, 0));
    const QImage iconAtDoubleSize = Pictures::smileyIcon().pixmap(64).toImage();
    QCOMPARE(iconAtDoubleSize.convertToFormat(QImage::Format_ARGB32),
             Pictures::smileyAt(64).convertToFormat(QImage::Format_ARGB32));
}

void PicturesTest::hand() {
    const QCursor hand = Pictures::hand();
    QCOMPARE(hand.hotSpot(), QPoint(13, 5));
    const QImage image = hand.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    QCOMPARE(qAlpha(image.pixel(13, 5)), 255);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(qAlpha(image.pixel(13, row)), 0);
    QCOMPARE(image.pixel(13, 10), qRgb(255, 255, 255));
}

void PicturesTest::smileyScaledWithoutBlur_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void PicturesTest::smileyScaledWithoutBlur() {
    QFETCH(int, size);
    const QImage original = Pictures::smileyAt(32);
    const QImage scaled = Pictures::smileyAt(size);
    QCOMPARE(scaled.size(), QSize(size, size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QPoint source((2 * x + 1) * 32 / (2 * size), (2 * y + 1) * 32 / (2 * size));
            if (scaled.pixel(x, y) != original.pixel(source))
                QFAIL(qPrintable(QString("pixel %1,%2 is not the nearest original").arg(x).arg(y)));
        }
    }
}

// Each name in the screens' tables is one the pictures answer to, and each picture is named: the
// frame behind the welcome page and the tests, the smiley of the awards and of the menu's window,
// and the hand over whatever can be clicked.
void PicturesTest::theScreensNameEveryPictureAndNothingElse() {
    const FormResources& resources = velmoraResources();
    QList<const FormDef*> forms{&frmMainForm, &frmIntroForm};
    for (TestNumber test : TestNumber::all())
        forms << &testForm(test);
    std::set<std::pair<std::string_view, std::string_view>> named;
    for (const FormDef* form : forms) {
        named.insert({{"picture", form->window.picture}, {"icon", form->window.icon}});
        for (const ControlDef& control : form->controls)
            named.insert({{"picture", control.picture}, {"cursor", control.cursor}});
    }
    QStringList names;
    for (const auto& [kind, name] : named) {
        if (name.empty())
            continue;
        names << QString::fromLatin1(kind.data(), kind.size()) + " " +
                     QString::fromLatin1(name.data(), name.size());
        const bool shows = kind == "picture" ? !resources.picture(name).isNull()
                           : kind == "icon"  ? !resources.icon(name).isNull()
                                             : !resources.cursor(name).pixmap().isNull();
        QVERIFY2(shows, qPrintable(names.last()));
    }
    QCOMPARE(names, QStringList({"cursor hand", "icon smiley", "picture frame", "picture smiley"}));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
