#include "ui/browser/shell_list_model.h"

#include <QTimer>

#include <exception>

#include "ui/error_box.h"
#include "ui/qt_text.h"

namespace zembo::ui {
namespace {

Qt::Alignment AlignmentOf(browser::ColumnAlign align) {
    switch (align) {
        case browser::ColumnAlign::kRight:
            return Qt::AlignRight | Qt::AlignVCenter;
        case browser::ColumnAlign::kCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case browser::ColumnAlign::kLeft:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

ShellListModel::ShellListModel(browser::FileListPane& pane, QObject* parent)
    : QAbstractTableModel(parent), pane_(pane) {}

int ShellListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : pane_.RowCount();
}

int ShellListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(pane_.Columns().size());
}

QVariant ShellListModel::Text(int row, int column) const {
    try {
        const std::string text = pane_.TextAt(row, column);
        return column == 0 ? PathToQt(text) : ToQt(text);
    } catch (const std::exception& e) {
        // The view asks while it paints; the error box opens once the painting is done.
        const std::string message = e.what();
        QMetaObject::invokeMethod(
            const_cast<ShellListModel*>(this), [message] { ShowApplicationError(message); },
            Qt::QueuedConnection);
        return QString();
    }
}

void ShellListModel::QueueIcons() const {
    if (iconsQueued_) {
        return;
    }
    iconsQueued_ = true;
    auto* self = const_cast<ShellListModel*>(this);
    QTimer::singleShot(0, self, [self] {
        self->iconsReady_ = true;
        if (self->rowCount() > 0) {
            emit self->dataChanged(self->index(0, 0), self->index(self->rowCount() - 1, 0),
                                   {Qt::DecorationRole});
        }
    });
}

QVariant ShellListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= pane_.RowCount()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return Text(row, column);
        case Qt::DecorationRole:
            if (column != 0) {
                return {};
            }
            if (!iconsReady_) {
                QueueIcons();
                return {};
            }
            return icons_.IconFor(pane_.IconAt(row), PathToQt(pane_.FullPathAt(row)));
        case Qt::TextAlignmentRole:
            if (static_cast<std::size_t>(column) < pane_.Columns().size()) {
                return QVariant::fromValue(
                    AlignmentOf(pane_.Columns()[static_cast<std::size_t>(column)].align));
            }
            return {};
        default:
            return {};
    }
}

QVariant ShellListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= pane_.Columns().size()) {
        return {};
    }
    const browser::ReportColumn& column = pane_.Columns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return ToQt(column.title);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(AlignmentOf(column.align));
    }
    return {};
}

Qt::ItemFlags ShellListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace zembo::ui
