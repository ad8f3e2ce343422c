// The location combo box with real key events, linked to a real file list over a namespace of
// the test's own.
#include "ui/browser/shell_combo_box.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

#include "tests/support/fake_namespace.h"
#include "ui/browser/shell_list_view.h"
#include "ui/error_box.h"

namespace zembo::ui {
namespace {

using test::FakeId;

constexpr browser::ItemAttributes kFolder = browser::kAttrFolder;

TEST(ShellComboBox, FollowsTheListAndShowsTheEntryTheDropDownClosesOn) {
    auto ns = std::make_unique<test::FakeNamespace>();
    for (const char* folder :
         {"Computer", "Computer/Disk", "Home", "Home/Clips", "Home/Clips/Old"}) {
        ns->Add(folder, kFolder);
    }
    ns->SetComputer("Computer");
    std::vector<QString> errors;
    SetErrorBoxSink([&](const QString&, const QString& text) { errors.push_back(text); });
    QWidget window;
    TShellListView list(std::move(ns), &window);
    TShellComboBox combo(list, &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(combo.count(), 4);  // Desktop, Computer, Disk, Home
    EXPECT_EQ(combo.currentText(), "Desktop");

    // A folder opened in the list shows up selected, one level below its parent.
    list.ShowFolder(FakeId("Home"));
    const QModelIndex clips = list.model()->index(0, 0);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(clips).center());
    ASSERT_EQ(list.Pane().CurrentFolderId(), FakeId("Home/Clips"));
    ASSERT_EQ(combo.count(), 5);
    EXPECT_EQ(combo.currentIndex(), 4);
    EXPECT_EQ(combo.currentText(), "Clips");

    // The mouse opens the drop-down list; arrowing through it changes nothing.
    QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(combo.width() - 5, combo.height() / 2));
    ASSERT_TRUE(combo.view()->isVisible());
    QTest::keyClick(combo.view(), Qt::Key_Up);
    QTest::keyClick(combo.view(), Qt::Key_Up);
    EXPECT_EQ(list.Pane().CurrentFolderId(), FakeId("Home/Clips"));
    EXPECT_EQ(combo.currentIndex(), 4);

    // Closing it on an entry shows that folder, and the chain goes.
    QTest::keyClick(combo.view(), Qt::Key_Return);
    EXPECT_FALSE(combo.view()->isVisible());
    EXPECT_EQ(list.Pane().CurrentFolderId(), FakeId("Computer/Disk"));
    EXPECT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.currentText(), "Disk");

    // Typed text, ended with Enter or by leaving, goes nowhere; the folder's name comes back.
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, "Home");
    QTest::keyClick(&combo, Qt::Key_Return);
    EXPECT_EQ(list.Pane().CurrentFolderId(), FakeId("Computer/Disk"));
    emit combo.lineEdit()->editingFinished();  // as when the focus leaves
    EXPECT_EQ(list.Pane().CurrentFolderId(), FakeId("Computer/Disk"));
    EXPECT_EQ(combo.lineEdit()->text(), "Disk");
    EXPECT_EQ(combo.lineEdit()->maxLength(), 40);
    EXPECT_TRUE(errors.empty());
    SetErrorBoxSink({});
}

}  // namespace
}  // namespace zembo::ui
