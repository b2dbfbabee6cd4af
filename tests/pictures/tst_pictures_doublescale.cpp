#include "forms/pictures/Pictures.h"

#include <QTest>

// Each pixel of the original must become one solid 2 x 2 block.
static bool blocksAreSolid(const QImage& image) {
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            if (image.pixel(x + 1, y) != pixel || image.pixel(x, y + 1) != pixel ||
                image.pixel(x + 1, y + 1) != pixel)
                return false;
        }
    }
    return true;
}

class PicturesAtDoubleScaleTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

  private slots:
    void pixelArtStaysSharp();
};

void PicturesAtDoubleScaleTest::pixelArtStaysSharp() {
    const QCursor hand = Pictures::hand();
    QCOMPARE(hand.pixmap().size(), QSize(64, 64));
    QCOMPARE(hand.pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(hand.hotSpot(), QPoint(13, 5));
    QVERIFY(blocksAreSolid(hand.pixmap().toImage()));

    const QPixmap smiley = Pictures::smiley();
    QCOMPARE(smiley.deviceIndependentSize(), QSizeF(32, 32));
    QVERIFY(blocksAreSolid(smiley.toImage()));
}

QTEST_MAIN(PicturesAtDoubleScaleTest)
#include "tst_pictures_doublescale.moc"
