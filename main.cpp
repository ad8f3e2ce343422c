// Zembo Patch Editor: prepares patch files for the live video mixer Zembo.
#include <QApplication>

#include "ui/editor_app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    zembo::ui::SetUpApplication(app);
    zembo::ui::EditorWindows windows;
    windows.Show();
    return QApplication::exec();
}
