#pragma once
// The file list of the browser pane: the items of one folder as a report, folders first, several
// rows selectable. It starts at the desktop. Enter opens a row, Alt+Enter shows its properties,
// Backspace goes up, F5 reads the folder again, typed letters find a row; a double click opens
// the first selected row and then hands over to Add Clips. A right click, the menu key or
// Shift+F10 shows the first selected row's context menu; F2, "Rename…" or a slow second click
// renames a row in place. Rows dragged out carry their files.

#include <QTreeView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browser/file_list_pane.h"
#include "browser/list_control.h"
#include "browser/shell_namespace.h"
#include "browser/type_ahead.h"

namespace zembo::ui {

class ShellListModel;

// What the main window does on the list's events. Each runs under the application error box.
struct FileListHooks {
    std::function<void()> addClips;      // after every double click (Add Clips)
    std::function<void()> click;         // after every click of the left button
    std::function<void(char)> keyPress;  // every typed ASCII character; Ctrl+A comes as 1
};

class TShellListView : public QTreeView, private browser::ListControl {
    Q_OBJECT
  public:
    // Over the user's desktop: home folder, desktop folder and mounted volumes; files open in
    // the desktop's programs.
    explicit TShellListView(QWidget* parent = nullptr);
    explicit TShellListView(std::unique_ptr<browser::ShellNamespace> ns, QWidget* parent = nullptr);
    ~TShellListView() override;

    void SetHooks(FileListHooks hooks) { hooks_ = std::move(hooks); }

    int RowCount() const;
    bool IsRowSelected(int row) const override;
    std::string FullPathAt(int row) const;
    // The full path of every selected row, in row order.
    std::vector<std::string> SelectedFullPaths() const;
    // Selects every row.
    void SelectAll();

    void ShowFolder(const browser::ItemId& folder);
    void GoUp();
    void RefreshFolder();

    browser::FileListPane& Pane() { return *pane_; }
    const browser::FileListPane& Pane() const { return *pane_; }

  protected:
    using QTreeView::edit;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BeginUpdate() override;
    void EndUpdate() override;
    void ShowBusyPointer() override;
    void RestorePointer() override;
    std::optional<int> FirstSelectedRow() const override;
    void ClearSelection() override;
    void SelectRow(int row) override;
    void EditCaption(int row) override;
    void ShowProperties(int row) override;

    // Whether the key was one of the list's own.
    bool HandleKey(QKeyEvent* event);
    // The context menu of the first selected row, at the mouse or, from the keyboard (nullopt),
    // at the centre of that row.
    void ShowContextMenu(std::optional<QPoint> at);
    void ApplyColumnWidths();
    void FocusRow(int row);

    std::unique_ptr<browser::ShellNamespace> ns_;
    std::unique_ptr<browser::FileListPane> pane_;
    ShellListModel* model_;
    FileListHooks hooks_;
    browser::TypeAhead typeAhead_;
    bool doubleClicked_ = false;  // the button goes up at the end of a double click
};

}  // namespace zembo::ui
