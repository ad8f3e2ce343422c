// Starts a window the way the editor does, or a bare Qt Widgets window. It prints the moment
// its window has been drawn for the first time (nanoseconds of the real-time clock), waits until
// start-up has settled, prints its resident memory and ends. bench/startup.sh compares the two.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

#ifdef ZEMBO_PROBE_EDITOR
#include "ui/editor_app.h"
#endif

namespace {

constexpr int kSettleMs = 500;

long ResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

long long NowNs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Notes the end of the window's first paint.
class FirstPaint final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { std::printf("shown_ns %lld\n", NowNs()); });
            QTimer::singleShot(kSettleMs, [] {
                std::printf("rss_kib %ld\n", ResidentKiB());
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint watch;
#ifdef ZEMBO_PROBE_EDITOR
    Q_INIT_RESOURCE(resources);
    zembo::ui::SetUpApplication(app);
    zembo::ui::EditorWindows windows;
    windows.fmMain.installEventFilter(&watch);
    windows.Show();
#else
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(884, 513);
    window.installEventFilter(&watch);
    window.show();
#endif
    return QApplication::exec();
}
