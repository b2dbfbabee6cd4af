#pragma once

#include <QObject>
#include <QSet>
#include <cstdint>
#include <functional>

class QWidget;

// Nanoseconds on the system's monotonic clock, comparable between processes.
std::int64_t monotonicNs();
// A field of /proc/self/status in kilobytes, such as VmHWM (peak resident) or VmRSS.
long statusKb(const char* field);
// Processor time used by this process so far, user and system.
double cpuSeconds();
// Prints "key value" on standard output, the probes' way of reporting to the runner.
void report(const char* key, double value);

// A left click in the middle of a widget, delivered as the window system would.
void clickWidget(QWidget& widget);

// Calls back once the given number of top-level windows have been painted for the first time.
class PaintWatcher final : public QObject {
  public:
    PaintWatcher(int windows, std::function<void()> onPainted);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int windows;
    std::function<void()> onPainted;
    QSet<QObject*> painted;
};

// After the first paint, reports the moment and the memory peak, then ends the process.
void reportStartUpWhenPainted(int windows);
