// The real editor under a real window manager: what the window manager shows of its windows, as
// the test's own connection to the X server sees it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <thread>

#include "package/self_contained.h"
#include "tests/support/temp_dir.h"
#include "tests/wm/wm_environment.h"
#include "tests/wm/x_session.h"
#include "ui/browser/file_properties_dialog.h"
#include "ui/clip_list_view.h"
#include "ui/editor_app.h"
#include "ui/error_box.h"
#include "ui/message_windows.h"
#include "ui/qt_text.h"

namespace zembo {
namespace {

using test::Clock;
using test::Wm;
using test::XProbe;

xcb_window_t IdOf(QWidget& w) {
    return static_cast<xcb_window_t>(w.winId());
}

void Save(const QImage& image, const std::string& name) {
    const QString path = QString::fromStdString(Wm().shots + "/" + name);
    image.save(path);
    std::cout << "screenshot: " << path.toStdString() << "\n";
}

// The editor as the user starts it, on the session's screen.
class UnderWindowManager : public testing::Test {
  protected:
    void SetUp() override {
        if (Wm().display.empty()) {
            GTEST_SKIP() << Wm().skipReason;
        }
        probe = std::make_unique<XProbe>(Wm().display);
        windows = std::make_unique<ui::EditorWindows>();
        windows->Show();
        main = IdOf(windows->fmMain);
        probe->Watch(main);
        ASSERT_TRUE(test::WaitUntil(*probe, [&] {
            return probe->IsViewable(main) && probe->ExtentsOf(main) &&
                   QApplication::activeWindow() == &windows->fmMain;
        }));
    }
    void TearDown() override {
        windows.reset();
        probe.reset();
    }

    // Shows the help window and waits until the window manager has framed it.
    xcb_window_t ShowHelp() {
        windows->fmMain.bAboutClick();
        const xcb_window_t help = IdOf(windows->fmAbout);
        probe->Watch(help);
        EXPECT_TRUE(test::WaitUntil(*probe, [&] {
            return probe->IsViewable(help) && probe->OuterRect(help).size() == QSize(420, 511);
        })) << "the help window's outer size";
        return help;
    }

    // Waits until what the screen shows in rect stays the same for a pass.
    QImage SettledGrab(const QRect& rect) {
        QImage last;
        QImage now;
        test::WaitUntil(
            *probe,
            [&] {
                last = now;
                now = probe->Grab(rect);
                return !now.isNull() && now == last;
            },
            3000);
        return now;
    }

    std::unique_ptr<XProbe> probe;
    std::unique_ptr<ui::EditorWindows> windows;
    xcb_window_t main = 0;
};

TEST_F(UnderWindowManager, BothWindowsHaveTheirSizeWithTheFrameTheWindowManagerGives) {
    const test::FrameExtents e = *probe->ExtentsOf(main);
    const QRect client = probe->ClientRect(main);
    EXPECT_EQ(client.size(), QSize(884, 513));
    EXPECT_GT(e.top, 0) << "a caption bar";
    EXPECT_EQ(probe->FrameWindowRect(main), client.adjusted(-e.left, -e.top, e.right, e.bottom));

    const xcb_window_t help = ShowHelp();
    EXPECT_EQ(probe->OuterRect(help), QRect(261, 207, 420, 511));
    EXPECT_EQ(probe->FrameWindowRect(help), QRect(261, 207, 420, 511));
    EXPECT_GT(probe->ExtentsOf(help)->top, 0);
    Save(SettledGrab(QGuiApplication::primaryScreen()->geometry()), "windows.png");
}

TEST_F(UnderWindowManager, MinimisingTheEditorTakesTheHelpWindowAlongAndBack) {
    const xcb_window_t help = ShowHelp();
    probe->Minimise(main);  // as a task bar does
    EXPECT_TRUE(test::WaitUntil(*probe, [&] {
        return !probe->IsViewable(main) && !probe->IsViewable(help) &&
               probe->HasState(main, "_NET_WM_STATE_HIDDEN");
    })) << "both gone";
    EXPECT_TRUE(windows->fmMain.isMinimized());

    probe->Activate(main);  // restored from the task bar
    EXPECT_TRUE(test::WaitUntil(*probe, [&] {
        return probe->IsViewable(main) && probe->IsViewable(help);
    })) << "both back";
    EXPECT_FALSE(probe->HasState(main, "_NET_WM_STATE_HIDDEN"));
    EXPECT_EQ(probe->OuterRect(help), QRect(261, 207, 420, 511)) << "where it was";
}

// A caption the window manager shows whole: its title font is sans 8 bold here, and the icon and
// three buttons of the caption bar take about 110 pixels besides.
int CaptionNeeds(const QString& caption) {
    return QFontMetrics(QFont("Sans", 8, QFont::Bold)).horizontalAdvance(caption) + 110;
}

TEST_F(UnderWindowManager, EveryMessageWindowIsAtLeastAsWideAsItsCaption) {
    int shown = 0;
    // Measures the modal window that opens next, once it stands framed, then closes it.
    auto measureNext = [&](const QString& name) {
        QTimer::singleShot(0, [&, name] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            ++shown;
            const xcb_window_t id = IdOf(*box);
            probe->Watch(id);
            EXPECT_TRUE(test::WaitUntil(
                *probe, [&] { return probe->IsViewable(id) && probe->ExtentsOf(id); }));
            const QRect outer = probe->OuterRect(id);
            EXPECT_GE(outer.width(), CaptionNeeds(box->windowTitle())) << name.toStdString();
            Save(SettledGrab(outer), name.toStdString() + ".png");
            if (auto* message = qobject_cast<QMessageBox*>(box)) {
                for (QLabel* label : message->findChildren<QLabel*>()) {
                    if (label->text() == message->text() && name == "information") {
                        EXPECT_LT(label->height(), 2 * label->fontMetrics().lineSpacing())
                            << "one line on a screen twice as wide";
                    }
                }
            }
            box->close();
        });
    };
    ui::QtMessageWindows messages;
    measureNext("internal_error");
    messages.MessageBox(kNoZbkThere, kInternalErrorCaption);
    measureNext("copy_error");
    messages.MessageBox("Could not copy /media/a.avi\r\n", kCopyErrorCaption);
    measureNext("information");
    messages.Information(kChooseNewPatchText);
    measureNext("application_error");
    ui::ShowApplicationError("Unable to write to /media/Set.zbk");
    EXPECT_EQ(shown, 4);

    browser::ItemProperties properties;
    properties.name = "movie_clip_number_one.avi";
    ui::FilePropertiesDialog dialog(properties, &windows->fmMain);
    dialog.show();
    const xcb_window_t id = IdOf(dialog);
    probe->Watch(id);
    EXPECT_TRUE(
        test::WaitUntil(*probe, [&] { return probe->IsViewable(id) && probe->ExtentsOf(id); }));
    EXPECT_GE(probe->OuterRect(id).width(), CaptionNeeds(dialog.windowTitle()));
    Save(SettledGrab(probe->OuterRect(id)), "properties.png");
}

// A path typed into a file dialog's name box, and the dialog confirmed.
void Type(QFileDialog& dialog, const std::string& path) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(ui::PathToQt(path));
    QMetaObject::invokeMethod(&dialog, "accept");
}

// What a second connection saw of the run, as the desktop would see it.
struct SeenDuringRun {
    std::mutex lock;
    bool listDrawn = false;      // the clip list showed the list again, not the closed dialog
    bool barShown = false;       // the progress bar stood under the status
    bool pingAnswered = false;   // the window answered the window manager's ping
    bool closeHeld = false;      // a close request left the window open while the run went on
    bool runStillGoing = false;  // all of it happened before the run was over
    std::string failure;
};

TEST_F(UnderWindowManager, ThePackagingRunKeepsTheWindowDrawnAndAnsweringWithoutTakingInput) {
    test::TempDir dir;
    for (const char* clip : {"a.avi", "b.avi", "c.avi"}) {
        test::WriteFile(dir / clip, std::string(4096, 'x'));
    }
    test::WriteFile(dir / "old.zbk", "[Filenames]\r\n1=a.avi\r\n2=b.avi\r\n3=c.avi\r\n");
    std::filesystem::create_directory(dir / "out");
    ui::TfmMain& fmMain = windows->fmMain;
    for (int i = 0; i < 12; ++i) {
        fmMain.Editor().clips.AddClip(dir / ("take_" + std::to_string(i) + ".avi"));
    }
    const QRect client = probe->ClientRect(main);
    const QRect list = fmMain.clipsInZBKlist->geometry().translated(client.topLeft());
    const QRect bar = fmMain.ProgressBar1->geometry().translated(client.topLeft());
    const QImage reference = SettledGrab(list);
    Save(reference, "run_list_before.png");

    // The dialogs are answered as the user would, once they stand on the screen; the save dialog
    // once the second connection watches it go.
    std::mutex dialogLock;
    std::condition_variable dialogSeen;
    xcb_window_t saveDialog = 0;  // under dialogLock
    QRect saveDialogRect;         // under dialogLock
    bool settling = false;
    std::atomic<bool> watching{false};
    std::atomic<bool> runOver{false};
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !probe->IsViewable(IdOf(*modal)) ||
            !probe->ExtentsOf(IdOf(*modal))) {
            return;
        }
        auto* files = qobject_cast<QFileDialog*>(modal);
        if (files == nullptr) {
            modal->close();
            return;
        }
        if (files->acceptMode() == QFileDialog::AcceptOpen) {
            Type(*files, dir / "old.zbk");
            return;
        }
        if (!settling) {
            // Drawn in full before it goes, so that its image would stay if nothing drew over it.
            settling = true;
            const QRect rect = probe->OuterRect(IdOf(*modal));
            SettledGrab(rect);
            std::lock_guard<std::mutex> l(dialogLock);
            saveDialogRect = rect;
            saveDialog = IdOf(*modal);
            dialogSeen.notify_all();
            return;
        }
        if (watching) {
            Type(*files, dir / "out/new.zbk");
        }
    });
    answer.start(20);

    SeenDuringRun seen;
    std::thread desktop([&] {
        XProbe x(Wm().display);
        auto fail = [&](const std::string& why) {
            watching = true;  // the dialogs are answered all the same, so that the run ends
            std::lock_guard<std::mutex> l(seen.lock);
            seen.failure = why;
        };
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
        xcb_window_t dialog = 0;
        QRect dialogRect;
        {
            std::unique_lock<std::mutex> l(dialogLock);
            if (!dialogSeen.wait_until(l, deadline, [&] { return saveDialog != 0; })) {
                l.unlock();
                return fail("no save dialog");
            }
            dialog = saveDialog;
            dialogRect = saveDialogRect;
        }
        x.Watch(dialog);
        // Qt answers a ping to the root with this mask.
        x.WatchRoot(XCB_EVENT_MASK_STRUCTURE_NOTIFY);
        watching = true;
        if (!x.WaitForEvent(
                [&](const xcb_generic_event_t& e) {
                    return (e.response_type & 0x7f) == XCB_UNMAP_NOTIFY &&
                           reinterpret_cast<const xcb_unmap_notify_event_t&>(e).window == dialog;
                },
                deadline)) {
            return fail("the save dialog did not close");
        }
        // Where the dialog stood over the list, the list again, drawn while the run goes on.
        const QRect ghost = list.intersected(dialogRect);
        if (ghost.isEmpty()) {
            return fail("the save dialog did not stand over the clip list");
        }
        const QImage wanted = reference.copy(ghost.translated(-list.topLeft()));
        QImage now;
        const Clock::time_point drawn = Clock::now() + std::chrono::seconds(2);
        bool listDrawn = false;
        while (!listDrawn && Clock::now() < drawn) {
            x.WaitForEvent([](const xcb_generic_event_t&) { return false; },
                           Clock::now() + std::chrono::milliseconds(20));
            now = x.Grab(ghost);
            listDrawn = now == wanted;
        }
        Save(x.Grab(list), "run_list_during.png");
        Save(x.Grab(x.OuterRect(main)), "run_window_during.png");
        const QImage barShot = x.Grab(bar);
        Save(barShot, "run_bar_during.png");
        const QRgb background = QColor(0x40, 0x00, 0x20).rgb();
        bool barShown = false;
        for (int px = 0; px < barShot.width(); ++px) {
            barShown = barShown || barShot.pixel(px, barShot.height() / 2) != background;
        }

        const xcb_atom_t ping = x.Atom("_NET_WM_PING");
        x.SendProtocol(main, "_NET_WM_PING", 4242);
        const bool pingAnswered = x.WaitForEvent(
            [&](const xcb_generic_event_t& e) {
                if ((e.response_type & 0x7f) != XCB_CLIENT_MESSAGE) {
                    return false;
                }
                const auto& m = reinterpret_cast<const xcb_client_message_event_t&>(e);
                return m.data.data32[0] == ping && m.data.data32[1] == 4242;
            },
            Clock::now() + std::chrono::seconds(1));

        // A close from the window manager waits for the end of the run.
        x.Watch(main);
        x.SendProtocol(main, "WM_DELETE_WINDOW", XCB_CURRENT_TIME);
        const bool closed = x.WaitForEvent(
            [&](const xcb_generic_event_t& e) {
                return (e.response_type & 0x7f) == XCB_UNMAP_NOTIFY;
            },
            Clock::now() + std::chrono::milliseconds(500));

        Save(x.Grab(x.OuterRect(main)), "run_window_later.png");
        std::lock_guard<std::mutex> l(seen.lock);
        seen.listDrawn = listDrawn;
        seen.barShown = barShown;
        seen.pingAnswered = pingAnswered;
        seen.closeHeld = !closed && x.IsViewable(main);
        seen.runStillGoing = !runOver;
    });

    QTimer::singleShot(0, [&] {
        fmMain.OpenZBKSaveSelf->click();
        runOver = true;
    });
    const bool closedAfterRun = test::WaitUntil(
        *probe, [&] { return runOver && !fmMain.isVisible() && !probe->IsViewable(main); }, 30000);
    desktop.join();
    answer.stop();

    EXPECT_EQ(seen.failure, "");
    EXPECT_TRUE(seen.listDrawn) << "the closed dialog's image stayed over the clip list";
    EXPECT_TRUE(seen.barShown);
    EXPECT_TRUE(seen.pingAnswered) << "a desktop would offer to end the editor";
    EXPECT_TRUE(seen.closeHeld);
    EXPECT_TRUE(seen.runStillGoing) << "the run ended before all was seen";
    EXPECT_TRUE(closedAfterRun) << "the held close comes at once after the run";
    EXPECT_EQ(test::ReadFile(dir / "out/new_clips/c.avi"), std::string(4096, 'x'));
    EXPECT_EQ(fmMain.Label4->text(), "Done");
}

}  // namespace
}  // namespace zembo
