#include "ui/browser/desktop_opener.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/qt_text.h"

namespace zembo::ui {

void DesktopOpener::Open(const std::string& path) {
    // Whether some program took the file is not looked at: a failed opening shows nothing.
    QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(path)));
}

}  // namespace zembo::ui
