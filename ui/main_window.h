#pragma once
// The main window: the file browser above, the clip list below, the buttons between, and the
// self-contained group at the top right. Every control event runs one handler, each a thin call
// into the editor core inside the error-box guard.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "browser/shell_namespace.h"
#include "package/self_contained.h"
#include "patch/patch_editor.h"
#include "ui/message_windows.h"

namespace zembo::ui {

class TfmAbout;
class TCheckListBox;
class TShellListView;
class TShellComboBox;
class ActivationRecord;
class ArrowFocus;
class ClipPreview;

inline constexpr const char* kMainCaption = "Zembo Patch Editor v1.03";
inline constexpr int kClientWidth = 884;
inline constexpr int kClientHeight = 513;

// What the window works with; anything left empty is the real thing. Tests put scripted dialogs,
// recorded message windows and a pause that does not wait in their place.
struct TfmMainServices {
    FileChooser* chooser = nullptr;
    MessageWindows* messages = nullptr;
    EditorSettings* settings = nullptr;
    platform::FileServices* files = nullptr;
    std::function<void(int)> pause;
    // The namespace the file browser walks; empty: the user's own desktop.
    std::function<std::unique_ptr<browser::ShellNamespace>()> shellNamespace;
    // What a click in the file list previews clips with; empty: the preview module, loaded by the
    // first click.
    ClipPreview* preview = nullptr;
};

class TfmMain final : public QWidget {
    Q_OBJECT
  public:
    explicit TfmMain(TfmMainServices services = {});
    ~TfmMain() override;

    // The help window, made after the main window; the Help button shows it.
    void SetHelpWindow(TfmAbout* help);

    // Handlers, one for each bound event.
    void FormActivate();
    void bSaveZBKClick();
    void bAddClipsClick();
    void bClearClick();
    void bDeleteClick();
    void bAboutClick();
    void cb15Click();
    void AddFromZBKClick();
    void OpenZBKSaveSelfClick();
    void fileListClick();
    void fileListKeyPress(char key);

    PatchEditor& Editor() { return *editor_; }
    int ActivationCount() const { return activations_; }

    // The controls, by their names.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* bSaveZBK;
    QPushButton* bAddClips;
    QPushButton* bClear;
    QPushButton* bDelete;
    QPushButton* bAbout;
    QCheckBox* cb15;
    QPushButton* AddFromZBK;
    QGroupBox* GroupBox1;
    QPushButton* OpenZBKSaveSelf;
    QCheckBox* cbRelative;
    TShellListView* fileList;
    TCheckListBox* clipsInZBKlist;
    TShellComboBox* ShellComboBox1;
    // Under the status label, while a packaging run copies: the bytes copied of the run's total.
    QProgressBar* ProgressBar1;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    class Feedback;

    void BuildControls();
    void BindEvents();
    void SetLabelText(QLabel* label, const QString& text);
    ClipPreview& Preview();

    std::unique_ptr<FileChooser> ownChooser_;
    std::unique_ptr<MessageWindows> ownMessages_;
    std::unique_ptr<EditorSettings> ownSettings_;
    std::unique_ptr<Feedback> feedback_;
    std::unique_ptr<PatchEditor> editor_;
    std::unique_ptr<SelfContainedPackager> packager_;
    std::unique_ptr<ClipPreview> ownPreview_;
    TfmMainServices services_;
    TfmAbout* help_ = nullptr;
    ActivationRecord* activation_ = nullptr;
    ArrowFocus* arrows_ = nullptr;
    int activations_ = 0;
    bool busy_ = false;          // a packaging run goes on: closing waits until it is over
    bool closeHeld_ = false;     // a close came during the run
    bool helpWasShown_ = false;  // the help window went away with the minimised main window
};

}  // namespace zembo::ui
