#pragma once
// The editor's two file dialogs as objects: what they hold between showings (file name, initial
// folder) and how they look. Showing one asks a chooser: the Qt dialog, or a script in tests.

#include <optional>
#include <string>

namespace zembo {

enum class FileDialogKind { kSave, kOpen };

// Everything a chooser needs to show a dialog.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::kOpen;
    std::string fileName;
    std::string initialDir;
    std::string defaultExt;  // added to a name typed without extension; empty for none
    std::string filter;      // "description|pattern"; empty lists every file
    bool overwritePrompt = false;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The full path the user confirmed, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> Choose(const FileDialogRequest& request) = 0;
};

class TFileDialog {
  public:
    // The save dialog SD1: patch files only, "zbk" added, asks before replacing a file.
    static TFileDialog SaveDialog();
    // The open dialog OD1: every file, any name accepted.
    static TFileDialog OpenDialog();

    // Shows the dialog; true with the chosen full path as the new file name, false (the file
    // name as it was) when cancelled.
    bool Execute(FileChooser& chooser);

    std::string FileName;
    std::string InitialDir;

    const FileDialogRequest& Look() const { return look_; }

  private:
    explicit TFileDialog(FileDialogRequest look) : look_(std::move(look)) {}
    FileDialogRequest look_;
};

}  // namespace zembo
