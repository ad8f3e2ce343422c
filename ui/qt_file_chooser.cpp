#include "ui/qt_file_chooser.h"

#include <QApplication>

#include "patch/path_rules.h"
#include "platform/file_services.h"
#include "ui/mime_types.h"
#include "ui/qt_text.h"
#include "ui/screen_placement.h"

namespace zembo::ui {
namespace {

// "Zembo patch files|*.zbk" as Qt writes it: "Zembo patch files (*.zbk)".
QString QtFilter(const std::string& filter) {
    std::size_t bar = filter.find('|');
    if (bar == std::string::npos) {
        return ToQt(filter);
    }
    return ToQt(filter.substr(0, bar)) + " (" + ToQt(filter.substr(bar + 1)) + ")";
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request, QWidget* owner) {
    auto dialog = std::make_unique<QFileDialog>(owner);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::ReadOnly, false);
    const bool save = request.kind == FileDialogKind::kSave;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.filter.empty()) {
        // Named as the desktop names the type where its MIME database knows it.
        const std::size_t bar = request.filter.find('|');
        const QString type = bar == std::string::npos
                                 ? QString()
                                 : MimeTypeOfPattern(ToQt(request.filter.substr(bar + 1)));
        if (!type.isEmpty()) {
            dialog->setMimeTypeFilters({type});
        } else {
            dialog->setNameFilter(QtFilter(request.filter));
        }
    }
    if (!request.defaultExt.empty()) {
        dialog->setDefaultSuffix(ToQt(request.defaultExt));
    }

    // A file name with a folder opens in that folder; a bare one in the initial folder. Names and
    // folders written on Windows are reached as the editor reaches stored values.
    const platform::FileServices& disk = platform::Disk();
    auto isFile = [&disk](const std::string& p) { return disk.FileExists(p); };
    auto isFolder = [&disk](const std::string& p) { return disk.DirectoryExists(p); };
    const ResolvedPath file = ResolveStoredPath(request.fileName, "", isFile);
    const std::string fileName = file.found ? file.path : request.fileName;
    const ResolvedPath fileFolder = ResolveStoredPath(FolderPart(fileName), "", isFolder);
    const ResolvedPath initialDir = ResolveStoredPath(request.initialDir, "", isFolder);
    if (fileFolder.found) {
        dialog->setDirectory(PathToQt(fileFolder.path));
    } else if (initialDir.found) {
        dialog->setDirectory(PathToQt(initialDir.path));
    }
    if (!fileName.empty()) {
        dialog->selectFile(PathToQt(FileNamePart(fileName)));
    }
    dialog->adjustSize();
    if (save) {
        dialog->setFixedSize(dialog->size());
    }
    // Centred across, a third of the room above: where the desktop puts its own file dialogs.
    PlaceOnActiveScreen(*dialog, owner, 1.0 / 3.0);
    return dialog;
}

std::optional<std::string> QtFileChooser::Choose(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog = MakeFileDialog(request, owner_);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(dialog->selectedFiles().front());
}

}  // namespace zembo::ui
