#include "ui/browser/shell_icons.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

namespace zembo::ui {

QIcon ShellIcons::IconFor(browser::IconKind kind, const QString& path) {
    using browser::IconKind;
    switch (kind) {
        case IconKind::kFolder:
            return provider_.icon(QAbstractFileIconProvider::Folder);
        case IconKind::kDrive:
            return provider_.icon(QAbstractFileIconProvider::Drive);
        case IconKind::kHome:
            return QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon);
        case IconKind::kComputer:
            return provider_.icon(QAbstractFileIconProvider::Computer);
        case IconKind::kDesktop:
            return provider_.icon(QAbstractFileIconProvider::Desktop);
        case IconKind::kFile:
            break;
    }
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    auto it = fileIcons_.find(suffix);
    if (it == fileIcons_.end()) {
        it = fileIcons_.insert(suffix, provider_.icon(info));
    }
    return it.value();
}

}  // namespace zembo::ui
