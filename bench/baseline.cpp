// The yardstick: the least a Qt Widgets program does to show one frameless window of the menu
// bar's size. Built with the same flags as Velmora and measured in the same run. With `caption`
// the window also shows one line of text, which makes it pay for the font set-up that any
// program showing text pays once. With `screens` it shows two windows of the sizes of Velmora's
// first two screens, the menu bar with one caption: the least that any program drawing those
// two windows with text pays, before it draws anything of its own.
#include "Measure.h"

#include <QApplication>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(601, 85);
    if (mode == "idle") {
        // Processor use of a shown window that waits, measured as Velmora's idle probe is.
        window.show();
        double cpuBefore = 0;
        std::int64_t start = 0;
        QTimer::singleShot(2000, [&] {
            cpuBefore = cpuSeconds();
            start = monotonicNs();
        });
        QTimer::singleShot(12000, [&] {
            const double wall = double(monotonicNs() - start) / 1e9;
            report("cpu_share", (cpuSeconds() - cpuBefore) / wall);
            QCoreApplication::exit(0);
        });
        return QApplication::exec();
    }
    if (mode == "caption" || mode == "screens")
        (new QLabel("Velmora", &window))->move(10, 10);
    // Made only where it is shown, so that the other yardsticks pay nothing for it.
    std::unique_ptr<QWidget> welcomePage;
    if (mode == "screens") {
        welcomePage = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        welcomePage->setFixedSize(600, 502);
    }
    reportStartUpWhenPainted(welcomePage ? 2 : 1);
    if (welcomePage)
        welcomePage->show();
    window.show();
    return QApplication::exec();
}
