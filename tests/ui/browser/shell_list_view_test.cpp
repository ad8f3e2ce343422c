// The file list as the user meets it: real widgets, real mouse and key events, over a temporary
// home and desktop.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "browser/file_system_namespace.h"
#include "tests/support/fake_namespace.h"
#include "tests/support/recording_opener.h"
#include "tests/support/temp_dir.h"
#include "ui/browser/file_properties_dialog.h"
#include "ui/browser/shell_list_view.h"
#include "ui/error_box.h"

namespace zembo::ui {
namespace {

using browser::ItemId;
using test::TempDir;
using test::WriteFile;

using test::RecordingOpener;

// The desktop namespace, except that the folders named fail to list, as unreadable ones do.
class FailingFolders : public browser::FileSystemNamespace {
  public:
    using FileSystemNamespace::FileSystemNamespace;
    std::optional<std::vector<ItemId>> Children(const ItemId& folder) override {
        const std::optional<std::string> path = PathOf(folder);
        if (path && failing.count(*path) != 0) {
            return std::nullopt;
        }
        return FileSystemNamespace::Children(folder);
    }
    std::set<std::string> failing;
};

void MakeFolder(const std::string& path) {
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
}

// Icon themes and file types are looked up below the home folder: it is a temporary one.
class PrivateHome {
  protected:
    TempDir root;
    test::ScopedEnv homeEnv{"HOME", root / "home"};
    test::ScopedEnv dataEnv{"XDG_DATA_HOME", root / "data"};
    test::ScopedEnv runtimeEnv{"XDG_RUNTIME_DIR", root.Path()};
};

class ShellListViewTest : public testing::Test, protected PrivateHome {
  protected:
    ShellListViewTest() {
        MakeFolder(home);
        MakeFolder(home + "/Desktop");
        MakeFolder(home + "/Clips");
        MakeFolder(home + "/Stills");
        for (const char* name : {"clip10.avi", "clip2.avi", "Beta.mov", "alpha.avi"}) {
            WriteFile(home + "/" + name, "data");
        }
        WriteFile(home + "/Desktop/notes.txt", "");
        SetErrorBoxSink([this](const QString&, const QString& text) { errors << text; });

        auto ns =
            std::make_unique<FailingFolders>(browser::FileSystemLayout{home, home + "/Desktop", {}},
                                             std::make_unique<RecordingOpener>(opened));
        failing = &ns->failing;
        view = std::make_unique<TShellListView>(std::move(ns));
        view->resize(609, 201);
        view->SetHooks(FileListHooks{[this] { added.push_back(view->SelectedFullPaths()); },
                                     [this] { ++clicks; },
                                     [this](char c) {
                                         keys.push_back(c);
                                         if (c == 1) {
                                             view->SelectAll();
                                         }
                                     }});
        view->show();
        QApplication::processEvents();
    }
    ~ShellListViewTest() override {
        view.reset();
        SetErrorBoxSink(nullptr);
        QApplication::setKeyboardInputInterval(400);
    }

    int RowOf(const std::string& caption) {
        for (int row = 0; row < view->RowCount(); ++row) {
            if (view->Pane().TextAt(row, 0) == caption) {
                return row;
            }
        }
        ADD_FAILURE() << "no row " << caption;
        return -1;
    }
    QPoint PointOf(int row) {
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        return view->visualRect(index).center();
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, PointOf(row));
    }
    // As the window system delivers it: a click, the second press as a double click, a release.
    void DoubleClick(int row) {
        const QPoint at = PointOf(row);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(view.get(), key, modifiers);
    }
    void OpenHome() { DoubleClick(RowOf("Home")); }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int row = 0; row < view->RowCount(); ++row) {
            if (view->IsRowSelected(row)) {
                rows.push_back(row);
            }
        }
        return rows;
    }
    std::string CurrentPath() { return view->Pane().FullPath(*view->Pane().CurrentFolder()); }

    std::string home = root / "home";
    std::vector<std::string> opened;
    std::vector<std::vector<std::string>> added;
    std::vector<char> keys;
    int clicks = 0;
    QStringList errors;
    std::set<std::string>* failing = nullptr;
    std::unique_ptr<TShellListView> view;
};

TEST_F(ShellListViewTest, StartsAtTheDesktopInAReportWithTheFoldersColumns) {
    EXPECT_EQ(CurrentPath(), "Desktop");
    ASSERT_EQ(view->RowCount(), 3);
    EXPECT_EQ(view->FullPathAt(0), home);
    EXPECT_EQ(view->FullPathAt(1), "Computer");
    EXPECT_EQ(view->FullPathAt(2), home + "/Desktop/notes.txt");
    ASSERT_EQ(view->model()->columnCount(), 4);
    EXPECT_EQ(view->model()->headerData(3, Qt::Horizontal).toString(), "Date Modified");
    const int x = view->fontMetrics().horizontalAdvance('X');
    EXPECT_EQ(view->header()->sectionSize(0), 25 * x);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    // A click on a header changes nothing.
    QTest::mouseClick(view->header()->viewport(), Qt::LeftButton, {},
                      QPoint(view->header()->sectionPosition(0) + 5, 5));
    EXPECT_EQ(view->FullPathAt(0), home);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ShellListViewTest, OnlyTheRowsDrawnGetTheirDetails) {
    for (int i = 0; i < 300; ++i) {
        WriteFile(home + "/Clips/take" + std::to_string(i) + ".avi", "");
    }
    OpenHome();
    DoubleClick(RowOf("Clips"));
    ASSERT_EQ(view->RowCount(), 300);
    view->scrollToTop();
    view->grab();
    EXPECT_NE(view->Pane().ItemAt(0).Details(), nullptr);
    EXPECT_EQ(view->Pane().ItemAt(299).Details(), nullptr);
}

TEST_F(ShellListViewTest, DoubleClickOnAFolderShowsItAndAddsNothing) {
    OpenHome();
    EXPECT_EQ(CurrentPath(), home);
    EXPECT_EQ(clicks, 1);  // the first click of the double click
    ASSERT_EQ(added.size(), 1u);
    EXPECT_TRUE(added[0].empty());
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(view->RowCount(), 7);
    EXPECT_EQ(view->FullPathAt(3), home + "/alpha.avi");
    // A click on empty space below the rows is a click too; it leaves nothing selected.
    Click(3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(5, view->viewport()->height() - 2));
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(ShellListViewTest, DoubleClickOnAFileOpensItAndAddsTheSelectedRows) {
    OpenHome();
    Click(RowOf("alpha.avi"));
    DoubleClick(RowOf("clip2.avi"));
    EXPECT_EQ(opened, std::vector<std::string>{home + "/clip2.avi"});
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[1], std::vector<std::string>{home + "/clip2.avi"});
    EXPECT_EQ(clicks, 3);

    // With Ctrl, a folder and a file: the folder comes first and is shown.
    Click(RowOf("Stills"));
    Click(RowOf("Beta.mov"), Qt::ControlModifier);
    const QPoint at = PointOf(RowOf("Beta.mov"));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(CurrentPath(), home + "/Stills");
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(added.back().empty());
}

TEST_F(ShellListViewTest, EnterOpensBackspaceGoesUpAltEnterShowsProperties) {
    OpenHome();
    Click(RowOf("Beta.mov"));
    Key(Qt::Key_Return);
    EXPECT_EQ(opened, std::vector<std::string>{home + "/Beta.mov"});

    Key(Qt::Key_Return, Qt::AltModifier);
    auto* props = view->findChild<FilePropertiesDialog*>();
    ASSERT_NE(props, nullptr);
    EXPECT_TRUE(props->isVisible());
    EXPECT_EQ(props->Field("Name"), "Beta.mov");
    EXPECT_EQ(props->Field("Type"), "QuickTime video");
    EXPECT_EQ(props->Field("Size"), "4 bytes");
    EXPECT_EQ(props->Field("Location"), QString::fromStdString(home));
    EXPECT_FALSE(props->Field("Modified").isEmpty());
    EXPECT_EQ(opened.size(), 1u);
    props->close();

    Click(RowOf("Clips"));
    Key(Qt::Key_Enter);
    EXPECT_EQ(CurrentPath(), home + "/Clips");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(CurrentPath(), home);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(CurrentPath(), "Desktop");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(CurrentPath(), "Desktop");
    EXPECT_EQ(view->RowCount(), 3);

    // Without a selection Enter and Alt+Enter do nothing.
    Key(Qt::Key_Return);
    Key(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(CurrentPath(), "Desktop");
    EXPECT_EQ(view->findChildren<FilePropertiesDialog*>().size(), 1);
    // Every character went to the key-press hook, but Alt+Enter.
    EXPECT_EQ(keys, (std::vector<char>{'\r', '\r', '\b', '\b', '\b', '\r'}));
}

TEST_F(ShellListViewTest, TypingFindsRowsWithoutRegardToCaseAndWraps) {
    OpenHome();
    QApplication::setKeyboardInputInterval(60000);  // however slowly the machine types
    // Clips, Desktop, Stills, alpha.avi, Beta.mov, clip2.avi, clip10.avi
    QTest::keyClicks(view.get(), "clip1");
    EXPECT_EQ(SelectedRows(), std::vector<int>{6});
    EXPECT_EQ(view->currentIndex().row(), 6);

    QApplication::setKeyboardInputInterval(0);  // every key starts a search of its own
    QTest::keyClicks(view.get(), "c");
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});  // from the last row round to the first
    QTest::keyClicks(view.get(), "B");
    EXPECT_EQ(SelectedRows(), std::vector<int>{4});
    QTest::keyClicks(view.get(), "s");
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
    QTest::keyClicks(view.get(), "x");
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});

    // The same letter again and again steps through the rows it begins; a new listing begins a
    // new search, from the row selected again.
    QApplication::setKeyboardInputInterval(60000);
    Key(Qt::Key_F5);
    QTest::keyClicks(view.get(), "c");
    EXPECT_EQ(SelectedRows(), std::vector<int>{5});
    QTest::keyClicks(view.get(), "c");
    EXPECT_EQ(SelectedRows(), std::vector<int>{6});
    // Arrow keys select without a click.
    Key(Qt::Key_Up);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{4, 5}));
    EXPECT_EQ(clicks, 1);
}

// After a listing the first row has the focus, so that the keys act from there: End at once
// selects the last row, the first Down selects the first row.
TEST_F(ShellListViewTest, AfterAFolderIsShownTheKeysActFromTheFirstRow) {
    OpenHome();
    EXPECT_TRUE(SelectedRows().empty());
    Key(Qt::Key_End);
    EXPECT_EQ(SelectedRows(), std::vector<int>{6});
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Down);
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});
    Key(Qt::Key_Down);
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    OpenHome();
    Key(Qt::Key_PageDown);
    EXPECT_EQ(SelectedRows(), std::vector<int>{6});
}

TEST_F(ShellListViewTest, CtrlAGoesThroughTheHookAndAddClipsTakesTheRowsInOrder) {
    OpenHome();
    view->SetHooks(FileListHooks{{}, {}, {}});
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(SelectedRows().empty());  // the list itself does not select

    view->SetHooks(FileListHooks{{}, {}, [this](char c) {
                                     if (c == 1) {
                                         view->SelectAll();
                                     }
                                 }});
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows().size(), 7u);
    EXPECT_EQ(view->SelectedFullPaths(),
              (std::vector<std::string>{home + "/Clips", home + "/Desktop", home + "/Stills",
                                        home + "/alpha.avi", home + "/Beta.mov",
                                        home + "/clip2.avi", home + "/clip10.avi"}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShellListViewTest, F5ReadsTheFolderAgainAndReselectsTheRowNumber) {
    OpenHome();
    Click(RowOf("alpha.avi"));
    const int row = RowOf("alpha.avi");
    WriteFile(home + "/aaa.avi", "");
    unlink((home + "/clip10.avi").c_str());
    // Nothing is watched: the list is as it was until F5.
    EXPECT_EQ(view->RowCount(), 7);
    EXPECT_EQ(view->FullPathAt(6), home + "/clip10.avi");
    view->grab();
    Key(Qt::Key_F5);
    EXPECT_EQ(view->RowCount(), 7);
    EXPECT_EQ(view->FullPathAt(row), home + "/aaa.avi");
    EXPECT_EQ(SelectedRows(), std::vector<int>{row});
    EXPECT_EQ(view->currentIndex().row(), row);  // the next key moves on from there

    // The last row selected, and gone after the refresh: nothing is selected.
    Click(6);
    unlink((home + "/clip2.avi").c_str());
    Key(Qt::Key_F5);
    EXPECT_EQ(view->RowCount(), 6);
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ShellListViewTest, AFolderThatCannotBeListedShowsNoRowsAndNoMessage) {
    OpenHome();
    failing->insert(home + "/Stills");
    DoubleClick(RowOf("Stills"));
    EXPECT_EQ(CurrentPath(), home + "/Stills");
    EXPECT_EQ(view->RowCount(), 0);
    view->grab();
    QApplication::processEvents();
    EXPECT_TRUE(errors.isEmpty());
    // Add Clips then adds nothing.
    ASSERT_EQ(added.size(), 2u);
    EXPECT_TRUE(added[1].empty());
}

// Once the menu is open: records where it stands and chooses the entry with that text with the
// keys, as the user does; Esc when text is empty.
void ChooseFromMenu(const QString& text, QPoint* at = nullptr) {
    QTimer::singleShot(0, [text, at] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        if (at != nullptr) {
            *at = menu->pos();
        }
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->text() == text) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        QTest::keyClick(menu, Qt::Key_Escape);
    });
}

TEST_F(ShellListViewTest, RenameFromTheContextMenuRenamesTheFileAndRedrawsItsRow) {
    OpenHome();
    const int row = RowOf("Beta.mov");
    ChooseFromMenu(QString::fromUtf8("Rename\u2026"));
    QTest::mouseClick(view->windowHandle(), Qt::RightButton, {},
                      view->viewport()->mapTo(view.get(), PointOf(row)));
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "Beta.mov");
    QSignalSpy redrawn(view->model(), &QAbstractItemModel::dataChanged);
    QTest::keyClicks(editor, "Gamma.mov");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(test::Exists(home + "/Gamma.mov"));
    EXPECT_FALSE(test::Exists(home + "/Beta.mov"));
    EXPECT_EQ(redrawn.count(), 1);
    EXPECT_EQ(view->model()->index(row, 0).data().toString(), "Gamma.mov");  // in its old place
    EXPECT_EQ(view->FullPathAt(row), home + "/Gamma.mov");
    EXPECT_TRUE(errors.isEmpty());

    // From the keyboard the menu stands at the centre of the first selected row.
    Click(RowOf("clip2.avi"));
    Click(RowOf("alpha.avi"), Qt::ControlModifier);
    QPoint at;
    ChooseFromMenu({}, &at);
    Key(Qt::Key_F10, Qt::ShiftModifier);
    const int first = RowOf("alpha.avi");
    const QRect bounds = view->visualRect(view->model()->index(first, 0))
                             .united(view->visualRect(view->model()->index(first, 3)));
    EXPECT_EQ(at, view->viewport()->mapToGlobal(bounds.center()));
}

class ShellListViewFixedColumns : public testing::Test, protected PrivateHome {};

TEST_F(ShellListViewFixedColumns, AnUnreadableEntryShowsTheErrorBoxOnce) {
    TempDir dir;
    WriteFile(dir / "here.avi", "12345");
    auto ns = std::make_unique<test::FakeNamespace>();
    ns->SetDesktopAttributes(browser::kAttrFolder | browser::kAttrFileSystem);
    ns->Add("here.avi", browser::kAttrFileSystem, dir / "here.avi");
    ns->Add("lost.avi", browser::kAttrFileSystem, dir / "lost.avi");
    QStringList errors;
    SetErrorBoxSink([&](const QString&, const QString& text) { errors << text; });
    {
        TShellListView view(std::move(ns));
        view.resize(609, 201);
        ASSERT_EQ(view.model()->columnCount(), 4);
        EXPECT_EQ(view.model()->headerData(3, Qt::Horizontal).toString(), "Modified");
        view.grab();
        view.grab();
        QApplication::processEvents();
        EXPECT_EQ(view.model()->index(0, 1).data().toString(), "5");
        EXPECT_EQ(view.model()->index(0, 2).data().toString(), ".avi");
    }
    SetErrorBoxSink(nullptr);
    EXPECT_EQ(errors, QStringList{"Unable to retrieve folder details for \"lost.avi\". Error "
                                  "code $2."});
}

}  // namespace
}  // namespace zembo::ui
