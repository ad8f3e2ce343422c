// The help window: its place, its text, and how it shows and hides.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTimer>

#include "tests/support/window_fixture.h"

namespace zembo {
namespace {

class HelpWindow : public testing::Test, public test::WindowFixture {};

TEST_F(HelpWindow, StartsHiddenAtItsDesignedPlace) {
    ShowMain();
    EXPECT_FALSE(help->isVisible());
    Click(main->bAbout);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Help");
    EXPECT_EQ(help->frameGeometry().topLeft(), QPoint(261, 207));
    EXPECT_EQ(help->frameGeometry().size(), QSize(420, 511));
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(help->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(help->palette().color(QPalette::Window), QColor(0x40, 0x00, 0x20));
    ASSERT_TRUE(WaitActive(help.get()));
    EXPECT_EQ(QApplication::focusWidget(), help->bOK);
}

TEST_F(HelpWindow, TheHelpTextStandsExactly) {
    const QStringList lines = help->Memo2->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[0],
              "This application allows you to make Zembo patchfiles, and to collect the clips");
    EXPECT_EQ(lines[27], "_mattes folder next to the patch file.");
    int endInSpace = 0;
    int indented = 0;
    for (const QString& line : lines) {
        endInSpace += line.endsWith(' ') ? 1 : 0;
        indented += line.startsWith("   ") ? 1 : 0;
    }
    EXPECT_EQ(endInSpace, 6);
    EXPECT_EQ(indented, 4);
    EXPECT_EQ(help->Memo1->toPlainText(), "Zembo Patch Editor");
    EXPECT_FALSE(help->Memo3->toPlainText().isEmpty());
    EXPECT_FALSE(help->Memo3->toPlainText().contains('\n'));
}

TEST_F(HelpWindow, MemosAreReadOnlyWrappedAndWithoutScrollBars) {
    for (QPlainTextEdit* memo : {help->Memo1, help->Memo2, help->Memo3}) {
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    ShowMain();
    Click(main->bAbout);
    const QString before = help->Memo2->toPlainText();
    help->Memo2->setFocus();
    QTest::keyClicks(help->Memo2, "typed");
    QTest::keyClick(help->Memo2, Qt::Key_Backspace);
    QTest::keyClick(help->Memo2, Qt::Key_Delete);
    EXPECT_EQ(help->Memo2->toPlainText(), before);
    EXPECT_EQ(help->Memo1->geometry(), QRect(9, 8, 393, 21));
    EXPECT_EQ(help->Memo3->geometry(), QRect(9, 37, 393, 21));
    EXPECT_EQ(help->Memo2->geometry(), QRect(9, 66, 393, 372));
    EXPECT_EQ(help->bOK->geometry(), QRect(168, 449, 75, 25));
}

TEST_F(HelpWindow, OkIsNoDefaultButtonAndEscapeDoesNothing) {
    ShowMain();
    Click(main->bAbout);
    EXPECT_FALSE(help->bOK->isDefault());
    help->Memo1->setFocus();
    QTest::keyClick(help->Memo1, Qt::Key_Escape);
    QTest::keyClick(help->Memo1, Qt::Key_Return);
    EXPECT_TRUE(help->isVisible());
    help->bOK->setFocus();
    QTest::keyClick(help->bOK, Qt::Key_Return);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(HelpWindow, HelpTwiceShowsOneWindowWhereItWasLast) {
    ShowMain();
    Click(main->bAbout);
    help->move(300, 250);
    help->resize(500, 600);
    const QPoint bOKPlace = help->bOK->pos();
    Click(help->bOK);
    EXPECT_FALSE(help->isVisible());
    Click(main->bAbout);
    Click(main->bAbout);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), QPoint(300, 250));
    EXPECT_EQ(help->bOK->pos(), bOKPlace) << "resizing moves no control";
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        windows += (w->objectName() == "fmAbout" && w->isVisible()) ? 1 : 0;
    }
    EXPECT_EQ(windows, 1);
}

TEST_F(HelpWindow, TheCloseBoxHidesLikeOk) {
    ShowMain();
    Click(main->bAbout);
    ASSERT_TRUE(WaitActive(help.get()));
    const int before = main->ActivationCount();
    EXPECT_TRUE(help->close());
    EXPECT_FALSE(help->isVisible());
    ASSERT_TRUE(WaitActive(main.get()));
    EXPECT_EQ(main->ActivationCount(), before + 1);
    Click(main->bAbout);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpWindow, AnOpenHelpWindowDoesNotHoldUpTheEndOfTheProgram) {
    ShowMain();
    Click(main->bAbout);
    EXPECT_TRUE(help->isVisible());
    // The end of the program closes every window; each must let itself be closed.
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(help->close());
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(HelpWindow, ClosingTheMainWindowEndsTheEventLoopWithHelpOpen) {
    ShowMain();
    Click(main->bAbout);
    QTimer::singleShot(0, main.get(), [this] { main->close(); });
    QTimer watchdog;  // fires only when the loop fails to end
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace zembo
