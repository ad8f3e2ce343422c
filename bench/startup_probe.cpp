// Starts a window the way the editor does, or a bare Qt Widgets window, and ends as soon as it
// is shown, printing its resident memory. bench/startup.sh times and compares the two.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#ifdef ZEMBO_PROBE_EDITOR
#include "ui/editor_app.h"
#endif

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef ZEMBO_PROBE_EDITOR
    Q_INIT_RESOURCE(resources);
    zembo::ui::SetUpApplication(app);
    zembo::ui::EditorWindows windows;
    windows.Show();
#else
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(884, 513);
    window.show();
#endif
    // The first turn of the event loop after showing: the window is up and drawn.
    QTimer::singleShot(0, [] {
        QTimer::singleShot(0, [] {
            std::printf("rss_kib %ld\n", ResidentKiB());
            QCoreApplication::quit();
        });
    });
    return QApplication::exec();
}
