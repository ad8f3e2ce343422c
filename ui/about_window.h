#pragma once
// The help window: the program's name, a credit line and a page of instructions. Not modal; it is
// shown by the Help button and hidden, not destroyed, by its OK button or its close box.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace zembo::ui {

// The help text, line by line.
const QStringList& HelpLines();

class TfmAbout final : public QWidget {
    Q_OBJECT
  public:
    explicit TfmAbout(QWidget* owner);

    // Shows the window where it was last (the first time at its designed place), in front and
    // active.
    void ShowHelp();
    void bOKClick();

    QPushButton* bOK;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void HideHelp();
    void FitToFrame();

    bool placed_ = false;
    bool fitted_ = false;  // sized to the frame the window manager gave
    bool handBack_ = false;
};

}  // namespace zembo::ui
