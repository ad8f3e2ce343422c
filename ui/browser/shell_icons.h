#pragma once
// The pictures of the file list's items: the desktop theme's icons for files by their type, and
// for folders, drives, the home folder, Computer and the desktop.

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QString>

#include "browser/shell_namespace.h"

namespace zembo::ui {

class ShellIcons {
  public:
    // path is only looked at for files, and only once for each extension.
    QIcon IconFor(browser::IconKind kind, const QString& path);

  private:
    QFileIconProvider provider_;
    QHash<QString, QIcon> fileIcons_;  // by lower-case extension
};

}  // namespace zembo::ui
