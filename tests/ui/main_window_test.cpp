// The main window as built: its layout, focus order, hints, activation and whole user actions.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "package/self_contained.h"
#include "patch/ini_file.h"
#include "tests/support/preview_fixture.h"
#include "tests/support/window_fixture.h"
#include "ui/browser/shell_combo_box.h"
#include "ui/browser/shell_list_view.h"
#include "ui/clip_list_view.h"
#include "ui/editor_look.h"
#include "ui/message_windows.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_text.h"

namespace zembo {
namespace {

using test::WindowFixture;

struct ControlRow {
    const char* name;
    const char* parent;
    QRect place;
    const char* caption;  // nullptr: no caption to check
    QColor colour;        // invalid: the system's button colours
    int pixels;
};

QString CaptionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        return b->text();
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        return g->title();
    }
    return {};
}

class MainWindow : public testing::Test, public WindowFixture {};

TEST_F(MainWindow, TheWindowItself) {
    ShowMain();
    EXPECT_EQ(main->windowTitle(), "Zembo Patch Editor v1.03");
    EXPECT_EQ(main->size(), QSize(884, 513));
    EXPECT_EQ(main->minimumSize(), main->maximumSize());  // a fixed border
    const Qt::WindowFlags flags = main->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->palette().color(QPalette::Window), QColor(0x40, 0x00, 0x20));
    EXPECT_EQ(main->font().families().value(0), "MS Sans Serif");
    EXPECT_EQ(main->font().pixelSize(), 14);
    EXPECT_EQ(QApplication::focusWidget(), main->bSaveZBK);
}

TEST_F(MainWindow, EveryControlAtItsPlaceWithItsCaptionAndColour) {
    const QColor white(255, 255, 255);
    const QColor silver(192, 192, 192);
    const ControlRow rows[] = {
        {"Label1", "fmMain", {200, 12, -1, 16}, "", white, 15},
        {"Label2", "fmMain", {98, 228, -1, 16}, "Clips in New ZBK :", white, 14},
        {"Label4", "fmMain", {632, 112, -1, 16}, "Status Info", white, 14},
        {"Label5", "fmMain", {11, 229, -1, 16}, "Direct Show", silver, 14},
        {"bSaveZBK", "fmMain", {786, 219, 89, 24}, "&Save ZBK As", {}, 14},
        {"bAddClips", "fmMain", {459, 219, 70, 24}, "&Add Clips", {}, 14},
        {"bClear", "fmMain", {712, 219, 67, 24}, "&Clear All", {}, 14},
        {"bDelete", "fmMain", {635, 219, 70, 24}, "&Delete", {}, 14},
        {"bAbout", "fmMain", {632, 172, 60, 30}, "&Help", {}, 14},
        {"cb15", "fmMain", {632, 136, 169, 17}, "Restrict ZBKs to 15 clips", silver, 14},
        {"AddFromZBK", "fmMain", {538, 219, 89, 24}, "Add from &ZBK", {}, 14},
        {"GroupBox1", "fmMain", {624, 12, 252, 87}, " Save Self Contained ", white, 14},
        {"OpenZBKSaveSelf",
         "GroupBox1",
         {11, 45, 231, 33},
         "Open ZBK and Save Self Contained",
         {},
         14},
        {"cbRelative", "GroupBox1", {46, 20, 155, 17}, "Relative Filenames", silver, 14},
        {"fileList", "fmMain", {8, 8, 609, 201}, nullptr, {}, 14},
        {"clipsInZBKlist", "fmMain", {8, 246, 865, 259}, nullptr, {}, 14},
        {"ShellComboBox1", "fmMain", {224, 216, 225, 25}, nullptr, {}, 14},
        {"ProgressBar1", "fmMain", {632, 130, 244, 4}, nullptr, {}, 14},
    };
    ShowMain();
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto* w = main->findChild<QWidget*>(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), row.parent);
        EXPECT_EQ(w->pos(), row.place.topLeft());
        EXPECT_EQ(w->height(), row.place.height());
        if (row.place.width() >= 0) {
            EXPECT_EQ(w->width(), row.place.width());
        } else {
            EXPECT_EQ(w->width(), w->sizeHint().width()) << "a label sizes itself to its text";
        }
        if (row.caption != nullptr) {
            EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.caption));
        }
        if (row.colour.isValid()) {
            EXPECT_EQ(w->palette().color(QPalette::WindowText), row.colour);
        }
        EXPECT_EQ(w->font().pixelSize(), row.pixels);
    }
    EXPECT_TRUE(main->cbRelative->isChecked());
    EXPECT_FALSE(main->cb15->isChecked());
}

TEST_F(MainWindow, EveryCaptionFitsItsControl) {
    ShowMain();
    for (QAbstractButton* b : main->findChildren<QAbstractButton*>()) {
        SCOPED_TRACE(b->objectName().toStdString());
        QString text = b->text();
        text.remove('&');
        const int indicator = qobject_cast<QCheckBox*>(b) != nullptr ? 20 : 6;
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(text) + indicator, b->width());
    }
}

TEST_F(MainWindow, LabelsLieUnderTheOtherControls) {
    ShowMain();
    const QObjectList& order = main->children();
    auto position = [&](QWidget* w) { return order.indexOf(w); };
    // Children drawn later lie on top: the file list covers Label1.
    EXPECT_LT(position(main->Label1), position(main->fileList));
    EXPECT_TRUE(main->fileList->geometry().contains(main->Label1->geometry()));
}

TEST_F(MainWindow, TabAndShiftTabFollowTheTabOrder) {
    ShowMain();
    const std::vector<std::string> expected = {
        "bSaveZBK",       "bAddClips",      "bClear",          "bDelete",    "bAbout",
        "cb15",           "AddFromZBK",     "OpenZBKSaveSelf", "cbRelative", "fileList",
        "clipsInZBKlist", "ShellComboBox1", "bSaveZBK"};
    std::vector<std::string> seen = {QApplication::focusWidget()->objectName().toStdString()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(seen, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), main->ShellComboBox1);
}

TEST_F(MainWindow, ArrowKeysMoveAmongTheButtonsOfOneParent) {
    ShowMain();
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), main->bAddClips);
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), main->bClear);
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), main->bSaveZBK);
    press(Qt::Key_Left);  // round to the last button of the window
    EXPECT_EQ(QApplication::focusWidget(), main->AddFromZBK);

    main->OpenZBKSaveSelf->setFocus();
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), main->cbRelative);
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), main->OpenZBKSaveSelf);
    EXPECT_TRUE(main->cbRelative->isChecked()) << "arrows move, they do not tick";
}

TEST_F(MainWindow, OnlyThreeControlsHaveHintsWithTheEditorsTiming) {
    ShowMain();
    std::map<std::string, std::string> hints;
    for (QWidget* w : main->findChildren<QWidget*>()) {
        if (!w->toolTip().isEmpty() && !w->objectName().isEmpty()) {
            hints[w->objectName().toStdString()] = w->toolTip().toStdString();
            EXPECT_EQ(w->toolTipDuration(), 2500);
        }
    }
    EXPECT_EQ(hints,
              (std::map<std::string, std::string>{
                  {"Label5",
                   "Check these checkboxes to load clips on DirectShow - otherwise Zembo "
                   "will use VFW"},
                  {"cb15", "For small MIDI keyboards and to have a spare slot to juggle clips!"},
                  {"cbRelative", "(requires Zembo >2.57.8)"}}));
    ui::EditorStyle style;
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, nullptr, nullptr), 500);
}

TEST_F(MainWindow, ActivationRunsOnceAtStartAndWhenTheFocusComesBackFromHelp) {
    ShowMain();
    EXPECT_EQ(main->ActivationCount(), 1);

    Click(main->bAbout);
    ASSERT_TRUE(WaitActive(help.get()));
    EXPECT_EQ(main->ActivationCount(), 1);

    // Back to the main window with a click on Add Clips: the window manager activates the window
    // as the button goes down, so activation comes before the click.
    int activationsAtClick = -1;
    QObject::connect(main->bAddClips, &QPushButton::clicked,
                     [&] { activationsAtClick = main->ActivationCount(); });
    main->activateWindow();
    ASSERT_TRUE(WaitActive(main.get()));
    Click(main->bAddClips);
    EXPECT_EQ(activationsAtClick, 2);

    // Closing the help window hands the focus back: another activation.
    Click(main->bAbout);
    ASSERT_TRUE(WaitActive(help.get()));
    Click(help->bOK);
    ASSERT_TRUE(WaitActive(main.get()));
    EXPECT_EQ(main->ActivationCount(), 3);
}

TEST_F(MainWindow, AFileDialogClosingRunsNoActivation) {
    ShowMain();
    ui::QtFileChooser real(main.get());
    TFileDialog od1 = TFileDialog::OpenDialog();
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    EXPECT_FALSE(od1.Execute(real));
    QApplication::processEvents();
    EXPECT_EQ(main->ActivationCount(), 1);
}

TEST_F(MainWindow, AMessageBoxClosingRunsNoActivation) {
    ShowMain();
    ui::QtMessageWindows real;
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    real.Information("Now please choose where the Self Contained ZBK is going to be saved.");
    QApplication::processEvents();
    EXPECT_EQ(main->ActivationCount(), 1);
}

TEST_F(MainWindow, ActivationReadsTheSettingsIntoTheSaveDialog) {
    test::WriteFile(dir / "last.zbk", "");
    test::WriteFile(settings.IniPath(), "[files]\r\npatch=" + (dir / "last.zbk") + "\r\n");
    ShowMain();
    EXPECT_EQ(main->Editor().SD1.FileName, dir / "last.zbk");
    EXPECT_EQ(main->Editor().state.lastPatchFolder, dir.Path());
}

TEST_F(MainWindow, SavingTwentyClipsMakesTwoFiles) {
    ShowMain();
    for (int i = 0; i < 20; ++i) {
        main->Editor().clips.AddClip("/clips/c" + std::to_string(i) + ".avi");
    }
    chooser.Confirm(dir / "a.zbk").Confirm(dir / "b.zbk");
    Click(main->bSaveZBK);
    TIniFile a(dir / "a.zbk");
    TIniFile b(dir / "b.zbk");
    EXPECT_EQ(a.ReadValue("Filenames", "16", ""), "/clips/c15.avi");
    EXPECT_EQ(b.ReadValue("Filenames", "4", ""), "/clips/c19.avi");
    EXPECT_EQ(b.ReadValue("Filenames", "5", "none"), "none");
    TIniFile ini("zembo.ini");
    EXPECT_EQ(ini.ReadValue("files", "patch", ""), dir / "b.zbk");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, RestrictToFifteenTicksTheBoxAndTheFlag) {
    ShowMain();
    Click(main->cb15);
    EXPECT_TRUE(main->cb15->isChecked());
    EXPECT_TRUE(main->Editor().RestrictTo15());
    Click(main->cb15);
    EXPECT_FALSE(main->cb15->isChecked());
    EXPECT_FALSE(main->Editor().RestrictTo15());
}

TEST_F(MainWindow, ImportDeleteAndClearThroughTheButtons) {
    ShowMain();
    test::WriteFile(dir / "p.zbk", "[Filenames]\r\n1=A\r\n2=B\r\n3=C\r\n");
    chooser.Confirm(dir / "p.zbk");
    Click(main->AddFromZBK);
    ASSERT_EQ(main->clipsInZBKlist->model()->rowCount(), 3);
    EXPECT_EQ(main->clipsInZBKlist->model()->index(0, 0).data().toString(), "C");

    main->Editor().clips.Select(1);
    Click(main->bDelete);
    EXPECT_EQ(main->clipsInZBKlist->model()->rowCount(), 2);
    EXPECT_EQ(main->clipsInZBKlist->model()->index(1, 0).data().toString(), "A");
    EXPECT_TRUE(main->clipsInZBKlist->selectionModel()->selectedIndexes().isEmpty());
    Click(main->bClear);
    EXPECT_EQ(main->clipsInZBKlist->model()->rowCount(), 0);
}

TEST_F(MainWindow, APackagingRunThroughTheWindow) {
    ShowMain();
    std::filesystem::create_directories(dir / "out");
    test::WriteFile(dir / "clip.avi", "CLIP");
    test::WriteFile(dir / "old.zbk", "[Filenames]\r\n1=clip.avi\r\n");
    main->cbRelative->setChecked(false);
    chooser.Confirm(dir / "old.zbk").Confirm(dir / "out/new.zbk");
    // The bar under the status shows the share copied while the run goes on. A close during the
    // run waits for its end.
    std::vector<int> shown;
    bool openWhileRunning = true;
    duringPause = [&] {
        shown.push_back(main->ProgressBar1->isVisible() ? main->ProgressBar1->value() : -1);
        if (shown.size() == 8) {
            main->close();
        }
        openWhileRunning = openWhileRunning && main->isVisible();
    };
    EXPECT_FALSE(main->ProgressBar1->isVisible());
    Click(main->OpenZBKSaveSelf);
    std::vector<int> expected(16, 1000);
    expected[0] = 0;
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(main->ProgressBar1->isVisible());
    EXPECT_TRUE(openWhileRunning);
    EXPECT_FALSE(main->isVisible()) << "closed once the run was over";
    EXPECT_EQ(test::ReadFile(dir / "out/new_clips/clip.avi"), "CLIP");
    TIniFile made(dir / "out/new.zbk");
    EXPECT_EQ(made.ReadValue("Filenames", "1", ""), dir / "out/new_clips/clip.avi");
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "info:Now please choose where the Self Contained ZBK is going to be saved."});
    EXPECT_EQ(pauses, std::vector<int>(16, 400));
    EXPECT_EQ(main->Label4->text(), "Done");
    EXPECT_EQ(main->Label4->width(), main->Label4->sizeHint().width());
}

TEST_F(MainWindow, AFailingHandlerShowsTheErrorBoxAndTheWindowGoesOn) {
    ShowMain();
    main->Editor().clips.AddClip("/c.avi");
    chooser.Confirm(dir / "missing/a.zbk");
    Click(main->bSaveZBK);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Zembo Patch Editor|Unable to write to " + (dir / "missing/a.zbk") + ".");
    chooser.Confirm(dir / "a.zbk");
    Click(main->bSaveZBK);
    EXPECT_TRUE(test::Exists(dir / "a.zbk"));
}

TEST_F(MainWindow, CtrlAInTheFileListThenAddClipsAddsEveryRowInOrder) {
    std::filesystem::create_directories(dir / "media/sub");
    test::WriteFile(dir / "media/b.avi", "");
    test::WriteFile(dir / "media/a.mpg", "");
    ShowMain();
    main->fileList->ShowFolder(shell->IdOfPath(dir / "media"));
    main->fileList->setFocus();
    QTest::keyClick(main->fileList, Qt::Key_A, Qt::ControlModifier);
    Click(main->bAddClips);
    const ClipList& clips = main->Editor().clips;
    ASSERT_EQ(clips.Count(), 3);
    EXPECT_EQ(clips.PathAt(0), dir / "media/sub");
    EXPECT_EQ(clips.PathAt(1), dir / "media/a.mpg");
    EXPECT_EQ(clips.PathAt(2), dir / "media/b.avi");
    EXPECT_TRUE(clips.IsTicked(1));
    EXPECT_FALSE(clips.IsTicked(2));
}

TEST_F(MainWindow, ADoubleClickOnAFileOpensItAndAddsTheSelection) {
    test::WriteFile(dir / "home/loop.avi", "");
    ShowMain();
    main->fileList->ShowFolder(shell->IdOfPath(dir / "home"));
    ASSERT_EQ(main->fileList->RowCount(), 2);  // Desktop, then loop.avi
    const QRect row = main->fileList->visualRect(main->fileList->model()->index(1, 0));
    QTest::mouseClick(main->fileList->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseDClick(main->fileList->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseRelease(main->fileList->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(opened, std::vector<std::string>{dir / "home/loop.avi"});
    ASSERT_EQ(main->Editor().clips.Count(), 1);
    EXPECT_EQ(main->Editor().clips.PathAt(0), dir / "home/loop.avi");
    // The first click previewed it.
    EXPECT_EQ(previews.previewed, std::vector<std::string>{dir / "home/loop.avi"});
}

// Clicks in the file list preview clips on GStreamer, with sinks that neither show nor sound.
class PreviewWindow : public testing::Test, protected test::TestPlayer, public WindowFixture {
  protected:
    explicit PreviewWindow(const std::string& playerName = "playbin")
        : TestPlayer(playerName), WindowFixture(&player) {
        std::filesystem::create_directories(dir / "home/clips/sub");
        for (const char* name : {"a.avi", "b.mp4", "c.avi"}) {
            std::filesystem::copy_file(
                test::TestClip(name[2] == 'm' ? test::ClipKind::Mp4 : test::ClipKind::Avi),
                dir / "home/clips/" + name);
        }
        ShowMain();
        main->fileList->ShowFolder(shell->IdOfPath(dir / "home/clips"));
    }
    // Rows: sub, a.avi, b.mp4, c.avi.
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex index = main->fileList->model()->index(row, 0);
        QTest::mouseClick(main->fileList->viewport(), Qt::LeftButton, modifiers,
                          main->fileList->visualRect(index).center());
    }
};

TEST_F(PreviewWindow, AClickPlaysTheSelectedRowsInTurnAndTheLastStays) {
    std::vector<std::string> built;  // what each player was built for, and Label1 meanwhile
    onBuild = [this, &built] {
        built.push_back(player.Source().FileName + " " + ui::FromQt(main->Label1->text()));
    };
    ClickRow(1);
    ClickRow(3, Qt::ShiftModifier);
    const std::string loading = " Loading clip for preview ...";
    const std::string clips = "file://" + (dir / "home/clips/");
    EXPECT_EQ(built,
              (std::vector<std::string>{clips + "a.avi" + loading, clips + "a.avi" + loading,
                                        clips + "b.mp4" + loading, clips + "c.avi" + loading}));
    ASSERT_TRUE(Playing());
    EXPECT_EQ(player.Source().FileName, clips + "c.avi");
    EXPECT_TRUE(WaitUntil([this] { return Alive() == 1; }));
    EXPECT_EQ(main->Label1->text(), "");

    // Empty space: the selection goes, nothing is previewed, the clip plays on.
    const QRect last = main->fileList->visualRect(main->fileList->model()->index(3, 0));
    QTest::mouseClick(main->fileList->viewport(), Qt::LeftButton, {},
                      last.center() + QPoint(0, 3 * last.height()));
    EXPECT_TRUE(main->fileList->SelectedFullPaths().empty());
    EXPECT_EQ(Made(), 4);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(main->Label1->text(), "");

    // A folder takes the preview down and plays nothing, without a word.
    ClickRow(0);
    EXPECT_TRUE(WaitNothingPlays());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(errors.empty());
}

class PreviewWindowWithoutPlayer : public PreviewWindow {
  protected:
    PreviewWindowWithoutPlayer() : PreviewWindow("no-such-playbin") {}
};

TEST_F(PreviewWindowWithoutPlayer, AClickShowsTheMessageBoxAndLabel1KeepsItsText) {
    const std::string box =
        "box:... do you have the right codecs installed?|Unable to preview file";
    ClickRow(1);
    EXPECT_EQ(messages.shown, std::vector<std::string>{box});
    EXPECT_EQ(main->Label1->text(), "Loading clip for preview ...");
    // Keys select without previewing.
    QTest::keyClick(main->fileList, Qt::Key_Down);
    QTest::keyClick(main->fileList, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(messages.shown.size(), 1u);
    // A later click tries again, and stops at the first row that fails.
    ClickRow(3, Qt::ShiftModifier);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{box, box}));
    EXPECT_TRUE(errors.empty());
}

TEST(ErrorBox, AFullStopFollowsUnlessTheMessageEndsInOneAlready) {
    EXPECT_EQ(ui::ErrorBoxText("Unable to insert a line"), "Unable to insert a line.");
    EXPECT_EQ(ui::ErrorBoxText("Error code $2)"), "Error code $2)");
    EXPECT_EQ(ui::ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ui::ErrorBoxText("Path /a-"), "Path /a-");
    EXPECT_EQ(ui::ErrorBoxText("ends in slash/"), "ends in slash/.");
    EXPECT_EQ(ui::ErrorBoxText(""), "");
}

// Runs check on the message box that the call shows, then closes it.
void WithBoxShown(const std::function<void()>& show,
                  const std::function<void(QMessageBox&)>& check) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(*box);
        box->accept();
    });
    show();
}

TEST(MessageWindows, BoxesAreAsWideAsTheirCaptionAndTheInformationWrapsAtHalfTheScreen) {
    ui::QtMessageWindows windows;
    WithBoxShown(
        [&] { windows.MessageBox("no zbk there", "Internal Error"); },
        [](QMessageBox& box) { EXPECT_GE(box.width(), ui::CaptionWidth("Internal Error")); });
    const std::string text = kChooseNewPatchText + " " + kChooseNewPatchText;
    const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
    WithBoxShown([&] { windows.Information(text); },
                 [&](QMessageBox& box) {
                     int found = 0;
                     for (QLabel* label : box.findChildren<QLabel*>()) {
                         if (label->text() == ui::ToQt(text)) {
                             ++found;
                             EXPECT_EQ(label->width(), half);
                             EXPECT_GT(label->height(), label->fontMetrics().height());
                         }
                     }
                     EXPECT_EQ(found, 1);
                 });
}

}  // namespace
}  // namespace zembo
