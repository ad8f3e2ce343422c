#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>

#include "platform/file_services.h"
#include "platform/scope_exit.h"
#include "ui/about_window.h"
#include "ui/activation.h"
#include "ui/arrow_focus.h"
#include "ui/browser/shell_combo_box.h"
#include "ui/browser/shell_list_view.h"
#include "ui/busy_window.h"
#include "ui/clip_list_view.h"
#include "ui/clip_preview.h"
#include "ui/editor_look.h"
#include "ui/error_box.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_text.h"

namespace zembo::ui {

// What a user action shows while it runs, on this window. A packaging run keeps the window
// drawn and answering the desktop throughout, while user input waits until the run is over.
class TfmMain::Feedback final : public UserFeedback {
  public:
    explicit Feedback(TfmMain& window) : window_(window) {}

    void SetStatus(const std::string& text) override {
        window_.SetLabelText(window_.Label4, ToQt(text));
        window_.Label4->repaint();
    }
    void Repaint() override {
        window_.repaint();
        ServeAllButInput();
    }
    void Pause(int milliseconds) override {
        if (window_.services_.pause) {
            window_.services_.pause(milliseconds);
        } else {
            WaitServingAllButInput(milliseconds);
        }
    }
    void ShowMessageBox(const std::string& text, const std::string& caption) override {
        window_.services_.messages->MessageBox(text, caption);
    }
    void ShowInformation(const std::string& text) override {
        window_.services_.messages->Information(text);
    }
    void ShowProgress(std::uint64_t copied, std::uint64_t total) override {
        QProgressBar* bar = window_.ProgressBar1;
        bar->setValue(total == 0 ? 0 : static_cast<int>(copied * kProgressSteps / total));
        bar->show();
        ServeAllButInput();
    }
    void EndProgress() override { window_.ProgressBar1->hide(); }

  private:
    static constexpr std::uint64_t kProgressSteps = 1000;
    TfmMain& window_;
};

namespace {

template <class Widget>
Widget* Make(QWidget* parent, const char* name, const QRect& place) {
    auto* w = new Widget(parent);
    w->setObjectName(name);
    w->setGeometry(place);
    return w;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    auto* b = Make<QPushButton>(parent, name, place);
    b->setText(caption);
    // As on the desktop it was made for: Enter presses the button that has the focus.
    b->setAutoDefault(true);
    return b;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    auto* c = Make<QCheckBox>(parent, name, place);
    c->setText(caption);
    SetTextColour(*c, kSilver);
    return c;
}

}  // namespace

TfmMain::TfmMain(TfmMainServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName("fmMain");
    setWindowTitle(kMainCaption);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(EditorFont(14));
    SetBackground(*this);

    if (services_.chooser == nullptr) {
        ownChooser_ = std::make_unique<QtFileChooser>(this);
        services_.chooser = ownChooser_.get();
    }
    if (services_.messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageWindows>();
        services_.messages = ownMessages_.get();
    }
    if (services_.settings == nullptr) {
        ownSettings_ = std::make_unique<EditorSettings>();
        services_.settings = ownSettings_.get();
    }
    if (services_.files == nullptr) {
        services_.files = &platform::Disk();
    }
    feedback_ = std::make_unique<Feedback>(*this);
    const EditorServices editorServices{*services_.chooser, *feedback_, *services_.settings,
                                        *services_.files};
    editor_ = std::make_unique<PatchEditor>(editorServices);
    packager_ = std::make_unique<SelfContainedPackager>(editorServices, editor_->OD1, editor_->SD1,
                                                        editor_->state);

    BuildControls();
    BindEvents();
}

TfmMain::~TfmMain() {
    // Controls that work on the editor's data, or on one another, go before that data: the
    // combo box before the list whose namespace it walks, the clip list before the clips.
    delete ShellComboBox1;
    delete fileList;
    delete clipsInZBKlist;
}

void TfmMain::SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    // Labels size themselves to their text; what runs past the window's edge is cut off.
    label->resize(label->sizeHint().width(), label->height());
}

void TfmMain::BuildControls() {
    auto label = [this](const char* name, const QRect& place, const QString& text,
                        const QColor& colour, int pixels) {
        auto* l = Make<QLabel>(this, name, place);
        l->setFont(EditorFont(pixels));
        SetTextColour(*l, colour);
        l->setMargin(0);
        l->setIndent(0);
        SetLabelText(l, text);
        return l;
    };
    Label1 = label("Label1", {200, 12, 3, 16}, "", kWhite, 15);
    Label2 = label("Label2", {98, 228, 107, 16}, "Clips in New ZBK :", kWhite, 14);
    Label4 = label("Label4", {632, 112, 61, 16}, "Status Info", kWhite, 14);
    Label5 = label("Label5", {11, 229, 71, 16}, "Direct Show", kSilver, 14);
    SetHint(*Label5,
            "Check these checkboxes to load clips on DirectShow - otherwise Zembo will use VFW");

    bSaveZBK = MakeButton(this, "bSaveZBK", "&Save ZBK As", {786, 219, 89, 24});
    bAddClips = MakeButton(this, "bAddClips", "&Add Clips", {459, 219, 70, 24});
    bClear = MakeButton(this, "bClear", "&Clear All", {712, 219, 67, 24});
    bDelete = MakeButton(this, "bDelete", "&Delete", {635, 219, 70, 24});
    bAbout = MakeButton(this, "bAbout", "&Help", {632, 172, 60, 30});
    cb15 = MakeCheckBox(this, "cb15", "Restrict ZBKs to 15 clips", {632, 136, 169, 17});
    SetHint(*cb15, "For small MIDI keyboards and to have a spare slot to juggle clips!");
    AddFromZBK = MakeButton(this, "AddFromZBK", "Add from &ZBK", {538, 219, 89, 24});

    GroupBox1 = Make<QGroupBox>(this, "GroupBox1", {624, 12, 252, 87});
    GroupBox1->setTitle(" Save Self Contained ");
    SetTextColour(*GroupBox1, kWhite);
    OpenZBKSaveSelf = MakeButton(GroupBox1, "OpenZBKSaveSelf", "Open ZBK and Save Self Contained",
                                 {11, 45, 231, 33});
    cbRelative = MakeCheckBox(GroupBox1, "cbRelative", "Relative Filenames", {46, 20, 155, 17});
    cbRelative->setChecked(true);
    SetHint(*cbRelative, "(requires Zembo >2.57.8)");

    fileList = services_.shellNamespace ? new TShellListView(services_.shellNamespace(), this)
                                        : new TShellListView(this);
    fileList->setObjectName("fileList");
    fileList->setGeometry(8, 8, 609, 201);
    fileList->SetHooks({[this] { bAddClipsClick(); }, [this] { fileListClick(); },
                        [this](char key) { fileListKeyPress(key); }});
    clipsInZBKlist = new TCheckListBox(editor_->clips, this);
    clipsInZBKlist->setObjectName("clipsInZBKlist");
    clipsInZBKlist->setGeometry(8, 246, 865, 259);
    ShellComboBox1 = new TShellComboBox(*fileList, this);
    ShellComboBox1->setObjectName("ShellComboBox1");
    ShellComboBox1->setGeometry(224, 216, 225, 25);
    ProgressBar1 = Make<QProgressBar>(this, "ProgressBar1", {632, 130, 244, 4});
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    // Labels lie on the window's own surface, under every other control.
    for (QLabel* l : {Label1, Label2, Label4, Label5}) {
        l->lower();
    }

    QWidget* order[] = {bSaveZBK,   bAddClips, bClear,         bDelete,
                        bAbout,     cb15,      AddFromZBK,     OpenZBKSaveSelf,
                        cbRelative, fileList,  clipsInZBKlist, ShellComboBox1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    arrows_ = new ArrowFocus(this);
    for (QWidget* parent : {static_cast<QWidget*>(this), static_cast<QWidget*>(GroupBox1)}) {
        for (QAbstractButton* b :
             parent->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            arrows_->Watch(b);
        }
    }
    bSaveZBK->setFocus(Qt::OtherFocusReason);
}

void TfmMain::BindEvents() {
    auto bind = [](QAbstractButton* b, auto handler) {
        QObject::connect(b, &QAbstractButton::clicked, b, [handler] { RunGuarded(handler); });
    };
    bind(bSaveZBK, [this] { bSaveZBKClick(); });
    bind(bAddClips, [this] { bAddClipsClick(); });
    bind(bClear, [this] { bClearClick(); });
    bind(bDelete, [this] { bDeleteClick(); });
    bind(bAbout, [this] { bAboutClick(); });
    bind(cb15, [this] { cb15Click(); });
    bind(AddFromZBK, [this] { AddFromZBKClick(); });
    bind(OpenZBKSaveSelf, [this] { OpenZBKSaveSelfClick(); });
}

void TfmMain::SetHelpWindow(TfmAbout* help) {
    help_ = help;
    activation_ =
        new ActivationRecord(this, help, [this] { RunGuarded([this] { FormActivate(); }); });
}

void TfmMain::FormActivate() {
    if (busy_) {
        return;  // the desktop may hand the focus around during a run; the run's state stays
    }
    ++activations_;
    editor_->ReloadSettings();
}

void TfmMain::bSaveZBKClick() {
    editor_->WritePatches();
}

void TfmMain::bAddClipsClick() {
    for (const std::string& path : fileList->SelectedFullPaths()) {
        editor_->clips.AddClip(path);
    }
}

void TfmMain::bClearClick() {
    editor_->ClearClips();
}

void TfmMain::bDeleteClick() {
    editor_->DeleteSelected();
}

void TfmMain::bAboutClick() {
    if (help_ != nullptr) {
        help_->ShowHelp();
    }
}

void TfmMain::cb15Click() {
    cb15->setChecked(editor_->ToggleRestrictTo15());
}

void TfmMain::AddFromZBKClick() {
    editor_->ImportPatch();
}

void TfmMain::OpenZBKSaveSelfClick() {
    busy_ = true;
    const platform::ScopeExit over([this] {
        busy_ = false;
        ReleaseHeldInput(*this);
        if (closeHeld_) {
            closeHeld_ = false;
            close();
        }
    });
    packager_->ChooseAndPackage(cbRelative->isChecked());
}

ClipPreview& TfmMain::Preview() {
    if (services_.preview == nullptr) {
        ownPreview_ = LoadClipPreview();
        services_.preview = ownPreview_.get();
    }
    return *services_.preview;
}

// Every selected row in turn, each preview replacing the one before: the last one stays playing.
void TfmMain::fileListClick() {
    SetLabelText(Label1, "Loading clip for preview ...");
    Label1->repaint();
    try {
        for (const std::string& path : fileList->SelectedFullPaths()) {
            Preview().PreviewClip(path);
        }
    } catch (const std::exception&) {
        // The label keeps its text, and the rows after this one are not previewed.
        services_.messages->MessageBox("Unable to preview file",
                                       "... do you have the right codecs installed?");
        return;
    }
    SetLabelText(Label1, "");
}

void TfmMain::closeEvent(QCloseEvent* event) {
    if (busy_) {
        closeHeld_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// The help window goes and comes back with the minimised main window, as one program would.
void TfmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || help_ == nullptr) {
        return;
    }
    if (isMinimized()) {
        helpWasShown_ = help_->isVisible() && !help_->isMinimized();
        if (helpWasShown_) {
            help_->hide();
        }
    } else if (helpWasShown_) {
        helpWasShown_ = false;
        help_->setAttribute(Qt::WA_ShowWithoutActivating);
        help_->show();
        help_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void TfmMain::fileListKeyPress(char key) {
    if (key == 1) {  // Ctrl+A
        fileList->SelectAll();
    }
}

}  // namespace zembo::ui
