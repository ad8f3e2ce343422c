// The clip list on screen, driven with real mouse and key events.
#include <gtest/gtest.h>

#include <QMimeData>
#include <memory>

#include "tests/support/window_fixture.h"
#include "ui/browser/shell_list_view.h"
#include "ui/clip_list_view.h"

namespace zembo {
namespace {

class ClipListInput : public testing::Test, public test::WindowFixture {
  protected:
    void SetUp() override {
        ShowMain();
        list = main->clipsInZBKlist;
        clips().AddClip("/c/a.avi");  // unticked
        clips().AddClip("/c/b.mpg");  // ticked
        clips().AddClip("/c/c.avi");  // unticked
        QApplication::processEvents();
    }
    ClipList& clips() { return main->Editor().clips; }
    QPoint InCheckColumn(int row) {
        QRect r = list->visualRect(list->model()->index(row, 0));
        return {r.left() + 7, r.center().y()};
    }
    QPoint OnText(int row) {
        QRect r = list->visualRect(list->model()->index(row, 0));
        return {r.left() + 40, r.center().y()};
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(list->viewport(), button, Qt::NoModifier, at);
        QTest::mouseRelease(list->viewport(), button, Qt::NoModifier, at);
    }

    // Drags the data over the list and drops it, as a drop from any program arrives.
    bool Drop(QMimeData& data) {
        const QPoint at = list->viewport()->rect().center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
    std::vector<std::string> PathsFrom(int row) {
        std::vector<std::string> paths;
        for (int i = row; i < clips().Count(); ++i) {
            paths.push_back(clips().PathAt(i));
        }
        return paths;
    }

    ui::TCheckListBox* list = nullptr;
};

TEST_F(ClipListInput, DroppedFilesAndFileListRowsBecomeClipsInOrder) {
    QMimeData files;
    files.setData(
        "text/uri-list",
        "file:///media/x/a%20b.avi\r\nhttps://example.org/v.avi\r\nfile:///media/x/c.mpg\r\n");
    EXPECT_TRUE(Drop(files));
    EXPECT_EQ(PathsFrom(3), (std::vector<std::string>{"/media/x/a b.avi", "/media/x/c.mpg"}));
    EXPECT_FALSE(clips().IsTicked(3));
    EXPECT_TRUE(clips().IsTicked(4));

    // Rows of the file list come as Add Clips takes them, the virtual Computer included; to
    // other programs they are files.
    main->fileList->SelectAll();
    std::unique_ptr<QMimeData> rows(
        main->fileList->model()->mimeData(main->fileList->selectionModel()->selectedIndexes()));
    EXPECT_EQ(rows->data("text/uri-list").toStdString(), "file://" + dir / "home" + "\r\n");
    EXPECT_TRUE(Drop(*rows));
    EXPECT_EQ(PathsFrom(5), main->fileList->SelectedFullPaths());
    EXPECT_EQ(PathsFrom(5), (std::vector<std::string>{dir / "home", "Computer"}));
}

TEST_F(ClipListInput, RowsAreSixteenPixelsHigh) {
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).height(), 16);
    EXPECT_EQ(list->visualRect(list->model()->index(1, 0)).top(),
              list->visualRect(list->model()->index(0, 0)).bottom() + 1);
}

TEST_F(ClipListInput, APressInTheCheckColumnSelectsAndToggles) {
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, InCheckColumn(0));
    EXPECT_TRUE(clips().IsTicked(0)) << "the tick flips when the button goes down";
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, InCheckColumn(0));
    EXPECT_EQ(clips().Selected(), 0);
    EXPECT_TRUE(clips().IsTicked(0));
    EXPECT_EQ(QApplication::focusWidget(), list);
}

TEST_F(ClipListInput, APressOnTheTextOnlySelects) {
    Press(OnText(1));
    EXPECT_EQ(clips().Selected(), 1);
    EXPECT_TRUE(clips().IsTicked(1));
    Press(OnText(2));
    EXPECT_EQ(clips().Selected(), 2);
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 1);
}

TEST_F(ClipListInput, ADoubleClickInTheCheckColumnTogglesTwice) {
    // What the toolkit delivers for a double click: press, release, double click, release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, InCheckColumn(2));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, InCheckColumn(2));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, InCheckColumn(2));
    EXPECT_FALSE(clips().IsTicked(2));
    EXPECT_EQ(clips().Selected(), 2);
}

TEST_F(ClipListInput, OnlyTheLeftButtonToggles) {
    Press(InCheckColumn(0), Qt::RightButton);
    EXPECT_FALSE(clips().IsTicked(0));
}

TEST_F(ClipListInput, TheSpaceBarTogglesTheSelectedEntryOnly) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_FALSE(clips().IsTicked(0));
    EXPECT_TRUE(clips().IsTicked(1));
    EXPECT_FALSE(clips().IsTicked(2));

    Press(OnText(1));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_FALSE(clips().IsTicked(1));
    EXPECT_FALSE(clips().IsTicked(0));
    EXPECT_FALSE(clips().IsTicked(2));
}

TEST_F(ClipListInput, DeletingLeavesNothingSelectedWhereverTheEntryStood) {
    for (int row : {2, 0}) {
        Press(OnText(row));
        main->bDeleteClick();
        QApplication::processEvents();  // the view's own follow-ups come queued
        EXPECT_EQ(clips().Selected(), ClipList::kNoSelection) << "after deleting row " << row;
        EXPECT_TRUE(list->selectionModel()->selectedIndexes().isEmpty());
        main->bDeleteClick();  // with nothing selected, nothing more goes
    }
    ASSERT_EQ(clips().Count(), 1);
    EXPECT_EQ(clips().PathAt(0), "/c/b.mpg");
}

TEST_F(ClipListInput, TheKeysMoveTheSingleSelection) {
    Press(OnText(0));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(clips().Selected(), 1);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(clips().Selected(), 2);
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(clips().Selected(), 0);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 1);
}

TEST_F(ClipListInput, AFlatTickBoxIsDrawnForEveryRow) {
    QImage shot = list->viewport()->grab().toImage();
    const QRect row = list->visualRect(list->model()->index(1, 0));
    const QRgb frame = list->palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(shot.pixel(row.left() + 1, row.top() + 2), frame);
    EXPECT_EQ(shot.pixel(row.left() + 13, row.top() + 8), frame);
    EXPECT_EQ(shot.pixel(row.left() + 7, row.top()), list->palette().color(QPalette::Base).rgb());
}

TEST_F(ClipListInput, TheSelectedRowIsHighlightedAcrossTheListRightOfTheCheckColumn) {
    Press(OnText(0));
    const QImage shot = list->viewport()->grab().toImage();
    const QRect row = list->visualRect(list->model()->index(0, 0));
    const QRgb highlight = list->palette().color(QPalette::Highlight).rgb();
    EXPECT_EQ(shot.pixel(ui::kCheckColumnWidth + 2, row.center().y()), highlight);
    EXPECT_EQ(shot.pixel(list->viewport()->width() - 3, row.center().y()), highlight);
    EXPECT_NE(shot.pixel(row.left() + 7, row.top() + 2), highlight) << "the check column";
}

}  // namespace
}  // namespace zembo
