#include "ui/browser/shell_list_model.h"

#include <QMimeData>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <set>

#include "browser/file_clipboard.h"

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
        ShowApplicationErrorLater(e.what());
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
        case Qt::EditRole:
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
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // Every caption opens an edit box; whether the item may be renamed is asked when it closes.
    const Qt::ItemFlags editable = index.column() == 0 ? Qt::ItemIsEditable : Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | editable;
}

bool ShellListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0 ||
        index.row() >= pane_.RowCount()) {
        return false;
    }
    try {
        if (!pane_.RenameRow(index.row(), PathFromQt(value.toString()))) {
            return false;
        }
    } catch (const std::exception& e) {
        ShowApplicationErrorLater(e.what());
        return false;
    }
    emit dataChanged(index, this->index(index.row(), std::max(0, columnCount() - 1)));
    return true;
}

QStringList ShellListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list"), QString::fromLatin1(kFileListRowsMimeType)};
}

QMimeData* ShellListModel::mimeData(const QModelIndexList& indexes) const {
    // One index a cell, in the order they were selected: the rows, once each, in row order.
    std::set<int> rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.row() < pane_.RowCount()) {
            rows.insert(index.row());
        }
    }
    std::vector<std::string> files;
    std::string paths;
    for (int row : rows) {
        std::string path = pane_.FullPathAt(row);
        paths += path;
        paths.push_back('\0');
        if (!path.empty() && path.front() == '/') {
            files.push_back(std::move(path));  // a virtual item is no file
        }
    }
    auto* data = new QMimeData;
    const std::string uris = browser::UriListOf(files);
    data->setData(QStringLiteral("text/uri-list"),
                  QByteArray(uris.data(), static_cast<qsizetype>(uris.size())));
    data->setData(QString::fromLatin1(kFileListRowsMimeType),
                  QByteArray(paths.data(), static_cast<qsizetype>(paths.size())));
    return data;
}

Qt::DropActions ShellListModel::supportedDragActions() const {
    // The user's files stay where they are: a drop elsewhere makes a copy or a link.
    return Qt::CopyAction | Qt::LinkAction;
}

}  // namespace zembo::ui
