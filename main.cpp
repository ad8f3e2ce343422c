// Zembo Patch Editor: prepares patch files for the live video mixer Zembo.
#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "ui/about_window.h"
#include "ui/editor_look.h"
#include "ui/error_box.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    // The application title names the task-bar entry and captions the error box. It is no
    // display name: that would be appended to every window caption.
    QApplication::setApplicationName(zembo::ui::kApplicationTitle);
    QApplication::setDesktopFileName("zembo-patch-editor");
    QApplication::setWindowIcon(QIcon(":/zembo-patch-editor.svg"));
    QApplication::setStyle(new zembo::ui::EditorStyle(QStyleFactory::create("Fusion")));

    zembo::ui::TfmMain fmMain;
    zembo::ui::TfmAbout fmAbout(&fmMain);
    fmMain.SetHelpWindow(&fmAbout);
    fmMain.show();
    fmMain.activateWindow();
    return QApplication::exec();
}
