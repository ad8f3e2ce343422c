#pragma once
// The file list's rows as an item model. It holds nothing of its own: the view asks for the rows
// it draws, and only those rows' texts and icons are made. Captions are edited in place, and rows
// are dragged out as a list of their files.

#include <QAbstractTableModel>

#include "browser/file_list_pane.h"
#include "ui/browser/shell_icons.h"

namespace zembo::ui {

// Rows dragged from the file list: their full paths, as Add Clips takes them, each ended by a NUL.
inline constexpr const char* kFileListRowsMimeType = "application/x-zembo-file-list-rows";

class ShellListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ShellListModel(browser::FileListPane& pane, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A caption edited in place: the row's item is renamed.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    // Around every change of the folder shown.
    void BeginChange() { beginResetModel(); }
    void EndChange() { endResetModel(); }

  private:
    void QueueIcons() const;
    QVariant Text(int row, int column) const;

    browser::FileListPane& pane_;
    mutable ShellIcons icons_;
    // The desktop theme is first searched after the first screen is drawn: until then rows show
    // without pictures, so that the window appears at once.
    mutable bool iconsReady_ = false;
    mutable bool iconsQueued_ = false;
};

}  // namespace zembo::ui
