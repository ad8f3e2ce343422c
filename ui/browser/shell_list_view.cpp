#include "ui/browser/shell_list_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <chrono>
#include <map>

#include "browser/file_system_namespace.h"
#include "ui/browser/desktop_opener.h"
#include "ui/browser/file_properties_dialog.h"
#include "ui/browser/qt_desktop_services.h"
#include "ui/browser/shell_list_model.h"
#include "ui/error_box.h"
#include "ui/qt_text.h"

namespace zembo::ui {
namespace {

std::unique_ptr<browser::ShellNamespace> UserDesktop() {
    return std::make_unique<browser::FileSystemNamespace>(browser::UserFileSystemLayout(),
                                                          std::make_unique<DesktopOpener>(),
                                                          std::make_unique<QtDesktopServices>());
}

// The character a key gives, as the key-press hook takes it; 0 for none.
char TypedChar(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) != 0 && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char>(key - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() < 0x80) {
        return static_cast<char>(text[0].unicode());
    }
    return 0;
}

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A menu entry's text: "&" is a character of the name, not the mark of a shortcut.
QString MenuText(const std::string& text) {
    return ToQt(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QIcon MenuIcon(const std::string& icon) {
    if (icon.empty()) {
        return {};
    }
    return icon.front() == '/' ? QIcon(PathToQt(icon)) : QIcon::fromTheme(ToQt(icon));
}

bool IsPrintable(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text[0].isPrint() &&
           (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

}  // namespace

TShellListView::TShellListView(QWidget* parent) : TShellListView(UserDesktop(), parent) {}

TShellListView::TShellListView(std::unique_ptr<browser::ShellNamespace> ns, QWidget* parent)
    : QTreeView(parent),
      ns_(std::move(ns)),
      pane_(std::make_unique<browser::FileListPane>(*ns_, static_cast<ListControl&>(*this))),
      model_(new ShellListModel(*pane_, this)),
      typeAhead_(SteadyMilliseconds) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSortingEnabled(false);
    setIconSize(QSize(16, 16));
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);

    // The selection stays as visible while another control has the focus.
    QPalette pal = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    }
    setPalette(pal);

    ShowFolder(browser::ItemId());
}

TShellListView::~TShellListView() {
    // The model asks the pane while it goes; it must go first.
    setModel(nullptr);
    delete model_;
}

int TShellListView::RowCount() const {
    return pane_->RowCount();
}

bool TShellListView::IsRowSelected(int row) const {
    return selectionModel()->isRowSelected(row, QModelIndex());
}

std::string TShellListView::FullPathAt(int row) const {
    return pane_->FullPathAt(row);
}

std::vector<std::string> TShellListView::SelectedFullPaths() const {
    return pane_->SelectedFullPaths();
}

void TShellListView::SelectAll() {
    selectAll();
}

void TShellListView::ShowFolder(const browser::ItemId& folder) {
    RunGuarded([&] { pane_->ShowFolder(folder); });
}

void TShellListView::GoUp() {
    RunGuarded([&] { pane_->GoUp(); });
}

void TShellListView::RefreshFolder() {
    RunGuarded([&] { pane_->RefreshFolder(); });
}

void TShellListView::BeginUpdate() {
    model_->BeginChange();
}

void TShellListView::EndUpdate() {
    model_->EndChange();
    ApplyColumnWidths();
    typeAhead_.Reset();  // a new folder, a new search
    // The first row has the focus, unselected, so that the first key moves on from there.
    selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
}

void TShellListView::ShowBusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TShellListView::RestorePointer() {
    QApplication::restoreOverrideCursor();
}

std::optional<int> TShellListView::FirstSelectedRow() const {
    std::optional<int> first;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (!first || range.top() < *first) {
            first = range.top();
        }
    }
    return first;
}

void TShellListView::ClearSelection() {
    selectionModel()->clearSelection();
}

void TShellListView::SelectRow(int row) {
    // The focus goes with it, so that the next key moves on from the row selected.
    selectionModel()->setCurrentIndex(model_->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TShellListView::FocusRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void TShellListView::ApplyColumnWidths() {
    const int x = fontMetrics().horizontalAdvance(QLatin1Char('X'));
    const auto& columns = pane_->Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        header()->resizeSection(static_cast<int>(i), columns[i].widthChars * x);
    }
}

void TShellListView::changeEvent(QEvent* event) {
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ApplyColumnWidths();
    }
}

void TShellListView::ShowProperties(int row) {
    auto* dialog = new FilePropertiesDialog(pane_->PropertiesAt(row), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void TShellListView::EditCaption(int row) {
    const QModelIndex index = model_->index(row, 0);
    scrollTo(index);
    edit(index);
}

bool TShellListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A slow second click renames only on the caption; the other ways rename the row's caption
    // wherever the row was met.
    if (trigger == QAbstractItemView::SelectedClicked && index.column() != 0) {
        return false;
    }
    return QTreeView::edit(index.siblingAtColumn(0), trigger, event);
}

void TShellListView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    ShowContextMenu(event->reason() == QContextMenuEvent::Mouse
                        ? std::optional<QPoint>(event->globalPos())
                        : std::nullopt);
}

void TShellListView::ShowContextMenu(std::optional<QPoint> at) {
    RunGuarded([&] {
        const std::optional<browser::FileListPane::RowMenu> rowMenu = pane_->ContextMenu();
        if (!rowMenu) {
            return;
        }
        const int row = rowMenu->row;
        if (!at) {
            const QModelIndex first = model_->index(row, 0);
            scrollTo(first);
            const QRect bounds = visualRect(first).united(
                visualRect(model_->index(row, std::max(0, model_->columnCount() - 1))));
            at = viewport()->mapToGlobal(bounds.center());
        }
        QMenu menu(this);
        std::map<QAction*, browser::ShellCommand> commands;
        for (const browser::ShellCommand& command : rowMenu->commands) {
            if (command.verb.empty()) {
                menu.addSeparator();
            } else if (command.submenu) {
                // Asking the desktop for the entries takes a while: only when the user opens it.
                QMenu* sub = menu.addMenu(MenuIcon(command.icon), MenuText(command.text));
                connect(sub, &QMenu::aboutToShow, sub, [this, sub, row, command, &commands] {
                    if (!sub->isEmpty()) {
                        return;
                    }
                    RunGuarded([&] {
                        for (browser::ShellCommand& entry : pane_->SubMenu(row, command)) {
                            QAction* action =
                                sub->addAction(MenuIcon(entry.icon), MenuText(entry.text));
                            commands.emplace(action, std::move(entry));
                        }
                    });
                    if (sub->isEmpty()) {
                        sub->addAction(tr("None"))->setEnabled(false);
                    }
                });
            } else {
                commands.emplace(menu.addAction(MenuIcon(command.icon), MenuText(command.text)),
                                 command);
            }
        }
        const auto chosen = commands.find(menu.exec(*at));
        if (chosen != commands.end()) {
            pane_->RunCommand(row, chosen->second);
        }
    });
}

bool TShellListView::HandleKey(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::AltModifier) != 0) {
        if (const std::optional<int> row = FirstSelectedRow()) {
            ShowProperties(*row);
        }
        return true;  // nothing else sees it
    }
    if (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowContextMenu(std::nullopt);
        return true;
    }
    if (key == Qt::Key_Menu) {
        return true;  // the window system turns it into a context-menu event of its own
    }
    bool own = true;
    if (enter) {
        pane_->OpenFirstSelected();
    } else if (key == Qt::Key_Backspace) {
        if (state() != QAbstractItemView::EditingState) {
            pane_->GoUp();
        }
    } else if (key == Qt::Key_F5) {
        pane_->RefreshFolder();
    } else if (key == Qt::Key_Down && event->modifiers() == Qt::NoModifier &&
               currentIndex().isValid() && !selectionModel()->hasSelection()) {
        // With nothing selected, Down selects the row that has the focus (the first after a
        // folder is shown) rather than the one below it.
        selectionModel()->select(currentIndex(),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        own = false;
    }

    if (const char c = TypedChar(*event); c != 0 && hooks_.keyPress) {
        hooks_.keyPress(c);
    }
    if (own) {
        return true;
    }
    if (TypedChar(*event) == 1) {
        return true;  // Ctrl+A selects through the key-press hook alone
    }
    if (IsPrintable(*event)) {
        keyboardSearch(event->text());
        return true;
    }
    return false;
}

void TShellListView::keyPressEvent(QKeyEvent* event) {
    bool handled = true;
    RunGuarded([&] { handled = HandleKey(event); });
    if (handled) {
        event->accept();
    } else {
        QTreeView::keyPressEvent(event);
    }
}

void TShellListView::keyboardSearch(const QString& search) {
    // A search goes on from the row the user is at; from the top while the focus still rests,
    // unselected, where a listing put it.
    const QModelIndex at = currentIndex();
    const int current = at.isValid() && selectionModel()->isSelected(at) ? at.row() : -1;
    RunGuarded([&] {
        if (std::optional<int> row = typeAhead_.Type(
                PathFromQt(search), current, QApplication::keyboardInputInterval(), *pane_)) {
            FocusRow(*row);
        }
    });
}

void TShellListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    doubleClicked_ = true;
    RunGuarded([&] {
        pane_->DoubleClick([&] {
            if (hooks_.addClips) {
                hooks_.addClips();
            }
        });
    });
}

void TShellListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (doubleClicked_) {
        doubleClicked_ = false;
        return;
    }
    if (hooks_.click) {
        RunGuarded(hooks_.click);
    }
}

}  // namespace zembo::ui
