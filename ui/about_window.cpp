#include "ui/about_window.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QMoveEvent>
#include <QShowEvent>
#include <QTextDocument>
#include <QWindow>

#include "ui/editor_look.h"

namespace zembo::ui {
namespace {

constexpr int kLeft = 261;
constexpr int kTop = 207;
constexpr int kOuterWidth = 420;
constexpr int kOuterHeight = 511;

QPlainTextEdit* MakeMemo(QWidget* parent, const QRect& place, const QString& text) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(place);
    memo->setPlainText(text);
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFrameShape(QFrame::Box);
    memo->setLineWidth(1);
    memo->setPalette(QPalette());  // the system's window colours: white background
    memo->document()->setDocumentMargin(1);
    return memo;
}

}  // namespace

const QStringList& HelpLines() {
    static const QStringList lines = {
        "This application allows you to make Zembo patchfiles, and to collect the clips",
        "from a patch into a single folder - \"Save Self Contained\"",
        "",
        "You can preview your .avi files first, by choosing \"Enable Preview\".",
        "If you do not want to see the files before selecting them, choose \"No preview\".",
        "",
        "To choose clips to make a Zembo patch:",
        "",
        "- Use the Windows file browser at the top left to go to the appropriate folder ",
        "   and select the files you want to be in your patchfile. ",
        "- Click the \"Add Clips\" button, ",
        "   these files will appear in the large list box at the bottom.",
        "- You can highlight any files in here and delete them.",
        "- By clicking on the \"Clear All\" button, the list box empties.",
        "- Click the \"Make ZBK\" button to create the patchfile.",
        "- Clicking the checkbox labelled \"Restrict ZBKs to 15 clips\" restricts the zbk size",
        "   to 15 clips for use with 15 key midikeyboard or to have a spare slot for ",
        "   juggling clips.",
        "",
        "To make a self contained ZBK just press the Save Self Contained button,",
        "select the source ZBK, then select the destination ZBK and your files will",
        "be copied accross. You can choose to make relative patches too, which work",
        "in Zembo > version 2.57.8. These relative patches are transportable - if you ",
        "keep the patch next to the _clips folder that the patch maker makes, you can",
        "move them around from place to place, share them with other people etc ...",
        "",
        "If your relative patch contains Alpha Mattes then you also need to keep the ",
        "_mattes folder next to the patch file.",
    };
    return lines;
}

TfmAbout::TfmAbout(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName("fmAbout");
    setWindowTitle("Help");
    setFont(EditorFont(11));
    SetBackground(*this);
    setAttribute(Qt::WA_QuitOnClose, false);

    bOK = new QPushButton("OK", this);
    bOK->setObjectName("bOK");
    bOK->setGeometry(168, 449, 75, 25);
    // Enter presses it while it has the focus; it is no default button, and Esc does nothing.
    bOK->setAutoDefault(true);
    bOK->setDefault(false);

    Memo1 = MakeMemo(this, {9, 8, 393, 21}, "Zembo Patch Editor");
    Memo1->setObjectName("Memo1");
    Memo1->setFont(EditorFont(13));
    Memo2 = MakeMemo(this, {9, 66, 393, 372}, HelpLines().join('\n'));
    Memo2->setObjectName("Memo2");
    Memo3 = MakeMemo(this, {9, 37, 393, 21},
                     "Zembo Patch Editor for Linux, by the Zembo Patch Editor team");
    Memo3->setObjectName("Memo3");
    setTabOrder(bOK, Memo1);
    setTabOrder(Memo1, Memo2);
    setTabOrder(Memo2, Memo3);

    connect(bOK, &QPushButton::clicked, this, &TfmAbout::bOKClick);
    move(kLeft, kTop);
    resize(kOuterWidth, kOuterHeight);
}

void TfmAbout::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitToFrame();
    if (!placed_) {
        placed_ = true;
        bOK->setFocus(Qt::OtherFocusReason);
    }
}

void TfmAbout::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FitToFrame();
}

// The designed size is the outer size, frame and caption bar included. The window manager tells
// the frame only once it has framed the window, after the first showing; the window's place is
// its outer corner already, as the toolkit asks the window manager for.
void TfmAbout::FitToFrame() {
    if (fitted_ || windowHandle() == nullptr) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;
    }
    fitted_ = true;
    resize(kOuterWidth - frame.left() - frame.right(), kOuterHeight - frame.top() - frame.bottom());
}

void TfmAbout::ShowHelp() {
    if (isHidden()) {
        show();
    }
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void TfmAbout::bOKClick() {
    HideHelp();
}

void TfmAbout::HideHelp() {
    handBack_ = isActiveWindow();
    hide();
}

// Closing only hides the window (it is never deleted), so a close is always accepted: the
// program's own end closes every window and must not be held up here.
void TfmAbout::closeEvent(QCloseEvent* event) {
    handBack_ = isActiveWindow();
    event->accept();
}

void TfmAbout::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Hiding the active help window hands the activation to the main window.
    if (handBack_ && parentWidget() != nullptr && parentWidget()->isVisible()) {
        parentWidget()->activateWindow();
    }
    handBack_ = false;
}

}  // namespace zembo::ui
