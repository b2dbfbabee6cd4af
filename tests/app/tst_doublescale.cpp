// The screens on a display of twice the density: the same arrangement in device-independent
// pixels, every outline, edge, lamp and line on exactly the device pixels of its place, and the
// smiley in solid blocks.
#include "Harness.h"
#include "shell/Button.h"
#include "shell/Shape.h"
#include "shell/Window.h"

namespace {
// The widget alone, without the controls in it, painted at the given scale on a clear ground.
QImage painted(QWidget& widget, int scale) {
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image, {}, {}, QWidget::DrawWindowBackground);
    return image;
}

// The band of the given width just inside the widget's edges, where outlines and bevels lie.
QList<QRect> edgeBand(const QWidget& widget, int width) {
    const QRect r = widget.rect();
    return {QRect(0, 0, r.width(), width), QRect(0, r.height() - width, r.width(), width),
            QRect(0, 0, width, r.height()), QRect(r.width() - width, 0, width, r.height())};
}

// Every pixel painted at single density, within the areas, must be a solid 2 x 2 block of the
// same colour at double density. Returns the first place where it is not, or nothing.
QString whereNotDoubled(QWidget& widget, const QList<QRect>& areas) {
    const QImage single = painted(widget, 1);
    const QImage twice = painted(widget, 2);
    for (const QRect& area : areas)
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    if (twice.pixel(2 * x + corner.x(), 2 * y + corner.y()) != single.pixel(x, y))
                        return QStringLiteral("at %1,%2").arg(x).arg(y);
    return {};
}
} // namespace

class ScreensAtDoubleScaleTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

  private slots:
    void theScreensKeepTheirArrangement();
    void outlinesEdgesAndLinesFallOnWholePixels_data();
    void outlinesEdgesAndLinesFallOnWholePixels();
};

void ScreensAtDoubleScaleTest::theScreensKeepTheirArrangement() {
    Harness h;
    h.screens.start();
    h.screens.openTest(3);
    Window& menu = h.screens.frmMain().window();
    Window& test = h.screens.frm(3).window();
    QCOMPARE(menu.geometry(), QRect(210, 0, 603, 87));
    QCOMPARE(test.geometry(), QRect(210, 80, 603, 504));
    QCOMPARE(h.screens.frm(3).label("lblComment").geometry().topLeft(), QPoint(120, 232));
    const QPixmap onDisplay = test.grab();
    QCOMPARE(onDisplay.size(), QSize(1206, 1008));
    QCOMPARE(onDisplay.devicePixelRatio(), 2.0);
}

void ScreensAtDoubleScaleTest::outlinesEdgesAndLinesFallOnWholePixels_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("band"); // 0: the whole control, which shows no text

    QTest::newRow("panel") << "Shape4" << 0;
    QTest::newRow("mistake lamp, lit") << "Shape3" << 0;
    QTest::newRow("first stroke") << "Line1" << 0;
    QTest::newRow("empty answer box") << "txtY" << 0;
    QTest::newRow("box line of the sentence") << "lblQuestion" << 1;
    QTest::newRow("sunken question number") << "txtQ" << 2;
    QTest::newRow("smiley award") << "cmd1" << 0;
    QTest::newRow("raised Close") << "cmdClose" << 2;
    QTest::newRow("test window border") << "frm1" << 1;
}

void ScreensAtDoubleScaleTest::outlinesEdgesAndLinesFallOnWholePixels() {
    QFETCH(QString, control);
    QFETCH(int, band);
    Harness h;
    h.screens.start();
    h.screens.openTest(1);
    TestScreen& test = h.screens.frm(1);
    test.shape("Shape3").setFillStyle(FillStyle::Solid);
    MainMenu& menu = h.screens.frmMain();
    menu.award(1).setVisible(true);

    QWidget* widget = &test.window();
    if (control.startsWith("cmd"))
        widget = &menu.control(qPrintable(control));
    else if (control != "frm1")
        widget = &test.control(qPrintable(control));
    const QList<QRect> areas = band == 0 ? QList<QRect>{widget->rect()} : edgeBand(*widget, band);
    const QString fault = whereNotDoubled(*widget, areas);
    QVERIFY2(fault.isEmpty(), qPrintable(control + ' ' + fault));
}

QTEST_MAIN(ScreensAtDoubleScaleTest)
#include "tst_doublescale.moc"
