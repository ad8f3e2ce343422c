#pragma once
// The file dialogs of the editor as Qt's own dialogs (the same on every desktop, so that every
// option and the placement hold).

#include <QFileDialog>
#include <memory>

#include "patch/file_dialog.h"

class QWidget;

namespace zembo::ui {

class QtFileChooser final : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* owner) : owner_(owner) {}
    std::optional<std::string> Choose(const FileDialogRequest& request) override;

  private:
    QWidget* owner_;
};

// Builds the dialog a request describes, opened on its file name and initial folder.
std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request, QWidget* owner);

}  // namespace zembo::ui
