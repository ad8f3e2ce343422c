#include "ui/editor_app.h"

#include <QIcon>
#include <QStyleFactory>

#include "ui/editor_look.h"
#include "ui/error_box.h"
#include "ui/first_paint.h"
#include "ui/mime_types.h"

namespace zembo::ui {

void SetUpApplication(QApplication& app) {
    // The application title names the task-bar entry and captions the error box. It is no
    // display name: that would be appended to every window caption.
    app.setApplicationName(kApplicationTitle);
    QGuiApplication::setDesktopFileName("zembo-patch-editor");
    QApplication::setStyle(new EditorStyle(QStyleFactory::create("Fusion")));
    // The file list names file types as the desktop does.
    static const MimeTypeNames typeNames;
    browser::SetFileTypeNames(&typeNames);
}

EditorWindows::EditorWindows(TfmMainServices services)
    : fmMain(std::move(services)), fmAbout(&fmMain) {
    fmMain.SetHelpWindow(&fmAbout);
}

void EditorWindows::Show() {
    fmMain.show();
    fmMain.activateWindow();
    // The icon follows as soon as the window stands: reading its pictures need not delay it.
    AfterFirstPaint(&fmMain, [] { QApplication::setWindowIcon(EditorIcon()); });
}

QIcon EditorIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addFile(QString(":/icons/zembo-patch-editor-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace zembo::ui
