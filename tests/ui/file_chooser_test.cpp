// The Qt file dialogs behind SD1 and OD1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include "tests/support/temp_dir.h"
#include "ui/mime_types.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_text.h"

namespace zembo {
namespace {

TEST(FileChooser, TheSaveDialogOffersPatchFilesAndAsksBeforeReplacing) {
    test::TempDir dir;
    FileDialogRequest request = TFileDialog::SaveDialog().Look();
    request.fileName = dir / "party.zbk";
    auto dialog = ui::MakeFileDialog(request, nullptr);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Zembo patch (*.zbk)"}) << "the desktop's name";
    EXPECT_EQ(dialog->defaultSuffix(), "zbk");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "a fixed size";
    EXPECT_EQ(ui::PathFromQt(dialog->directory().absolutePath()), dir.Path());
}

TEST(FileChooser, AFilterForATypeTheDesktopDoesNotKnowKeepsItsOwnName) {
    FileDialogRequest request = TFileDialog::SaveDialog().Look();
    request.filter = "Zembo show files|*.zshow";
    EXPECT_EQ(ui::MakeFileDialog(request, nullptr)->nameFilters(),
              QStringList{"Zembo show files (*.zshow)"});
}

TEST(MimeTypes, TheFileListNamesTheTypesTheDesktopKnows) {
    const ui::MimeTypeNames names;
    EXPECT_EQ(names.TypeNameOf("Set.ZBK"), "Zembo patch");
    EXPECT_EQ(names.TypeNameOf("notes.zshow"), "") << "left to the built-in table";
}

TEST(FileChooser, TheOpenDialogListsEverythingAndTakesAnyName) {
    test::TempDir dir;
    FileDialogRequest request = TFileDialog::OpenDialog().Look();
    request.initialDir = dir.Path();
    auto dialog = ui::MakeFileDialog(request, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_NE(dialog->minimumSize(), dialog->maximumSize()) << "resizable";
    EXPECT_EQ(ui::PathFromQt(dialog->directory().absolutePath()), dir.Path());
}

TEST(FileChooser, StoredBackslashesOpenTheFolderOnThisDisk) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "sets");
    FileDialogRequest request = TFileDialog::SaveDialog().Look();
    request.initialDir = dir.Path() + "\\sets";
    auto dialog = ui::MakeFileDialog(request, nullptr);
    EXPECT_EQ(ui::PathFromQt(dialog->directory().absolutePath()), dir / "sets");
}

TEST(FileChooser, TheDialogStandsCentredWithAThirdOfTheRestAbove) {
    auto dialog = ui::MakeFileDialog(TFileDialog::OpenDialog().Look(), nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = dialog->frameGeometry();
    EXPECT_EQ(frame.left() - screen.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top() - screen.top(), (screen.height() - frame.height()) / 3);
}

TEST(FileChooser, ANameTypedWithoutExtensionGetsZbk) {
    test::TempDir dir;
    FileDialogRequest request = TFileDialog::SaveDialog().Look();
    request.initialDir = dir.Path();
    ui::QtFileChooser chooser(nullptr);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("party");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(chooser.Choose(request), std::optional<std::string>(dir / "party.zbk"));
}

TEST(FileChooser, CancelGivesNothing) {
    ui::QtFileChooser chooser(nullptr);
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    EXPECT_EQ(chooser.Choose(TFileDialog::OpenDialog().Look()), std::nullopt);
}

}  // namespace
}  // namespace zembo
