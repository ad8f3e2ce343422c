#include "ui/clip_list_view.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "browser/file_clipboard.h"
#include "ui/browser/shell_list_model.h"
#include "ui/error_box.h"
#include "ui/qt_text.h"

namespace zembo::ui {
namespace {

const QString kUriList = QStringLiteral("text/uri-list");

bool BringsClips(const QMimeData* data) {
    return data != nullptr && (data->hasFormat(QString::fromLatin1(kFileListRowsMimeType)) ||
                               data->hasFormat(kUriList));
}

// Rows of the file list, as Add Clips takes them; else the local files of a list of URIs.
std::vector<std::string> DroppedPaths(const QMimeData& data) {
    const QString rows = QString::fromLatin1(kFileListRowsMimeType);
    if (data.hasFormat(rows)) {
        const QByteArray bytes = data.data(rows);
        std::vector<std::string> paths;
        for (qsizetype start = 0; start < bytes.size();) {
            qsizetype end = bytes.indexOf('\0', start);
            if (end < 0) {
                end = bytes.size();
            }
            paths.emplace_back(bytes.constData() + start, static_cast<std::size_t>(end - start));
            start = end + 1;
        }
        return paths;
    }
    const QByteArray bytes = data.data(kUriList);
    return browser::PathsOfUriList(std::string_view(bytes.constData(), bytes.size()));
}

// A drop adds copies of names; nothing moves.
template <class Event>
void AcceptAsCopy(Event* event) {
    if (!BringsClips(event->mimeData())) {
        event->ignore();
        return;
    }
    if ((event->possibleActions() & Qt::CopyAction) != 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
}

}  // namespace

ClipListModel::ClipListModel(ClipList& clips, QObject* parent)
    : QAbstractListModel(parent), clips_(clips) {
    clips_.SetObserver(this);
}

ClipListModel::~ClipListModel() {
    clips_.SetObserver(nullptr);
}

int ClipListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : clips_.Count();
}

QVariant ClipListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= clips_.Count()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return PathToQt(clips_.PathAt(index.row()));
        case Qt::CheckStateRole:
            return clips_.IsTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
        default:
            return {};
    }
}

void ClipListModel::BeforeInsert(int first, int last) {
    beginInsertRows({}, first, last);
}
void ClipListModel::AfterInsert() {
    endInsertRows();
}
void ClipListModel::BeforeRemove(int first, int last) {
    beginRemoveRows({}, first, last);
}
void ClipListModel::AfterRemove() {
    endRemoveRows();
}

void ClipListModel::TickChanged(int row) {
    const QModelIndex i = index(row);
    emit dataChanged(i, i, {Qt::CheckStateRole});
}

void ClipListModel::SelectionChanged() {
    emit CoreSelectionChanged();
}

void ClipRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    painter->save();
    painter->fillRect(row, pal.brush(QPalette::Base));

    // The flat tick box: a one-pixel frame in the button-shadow colour.
    const QRect box(row.left() + 1, row.top() + (row.height() - 13) / 2, 13, 13);
    painter->fillRect(box, pal.brush(QPalette::Base));
    painter->setPen(pal.color(QPalette::Dark));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked) {
        QPen tick(pal.color(QPalette::Text), 2);
        painter->setPen(tick);
        painter->setRenderHint(QPainter::Antialiasing);
        const QPointF a(box.left() + 3, box.top() + 6.5);
        const QPointF b(box.left() + 5.5, box.top() + 9);
        const QPointF c(box.left() + 10, box.top() + 3.5);
        painter->drawPolyline(QList<QPointF>{a, b, c});
        painter->setRenderHint(QPainter::Antialiasing, false);
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    // The whole row right of the check column is highlighted, as the desktop's lists do.
    const QRect textRect = row.adjusted(kCheckColumnWidth + 1, 0, 0, 0);
    if (selected) {
        painter->fillRect(textRect, pal.brush(QPalette::Highlight));
    }
    painter->setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawRect(textRect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize ClipRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    return {kCheckColumnWidth + 6 + option.fontMetrics.horizontalAdvance(text), kClipRowHeight};
}

TCheckListBox::TCheckListBox(ClipList& clips, QWidget* parent)
    : QListView(parent), model_(clips), delegate_(this) {
    setModel(&model_);
    setItemDelegate(&delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
    connect(&model_, &ClipListModel::CoreSelectionChanged, this,
            &TCheckListBox::FollowCoreSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TCheckListBox::FollowViewSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TCheckListBox::FollowViewSelection);
}

void TCheckListBox::Press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QListView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    model_.Clips().Select(index.row());
    if (event->position().x() - visualRect(index).left() < kCheckColumnWidth) {
        model_.Clips().ToggleTick(index.row());
        viewport()->repaint(visualRect(index));
    }
}

void TCheckListBox::mousePressEvent(QMouseEvent* event) {
    lastPressTime_ = event->timestamp();
    Press(event);
}

// The second press of a double click arrives as the double click: it is a press like the first.
// Should the toolkit deliver that press on its own as well, it has been handled already.
void TCheckListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->timestamp() != lastPressTime_) {
        Press(event);
    }
    event->accept();
}

// Dragging over the list does not move the selection.
void TCheckListBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void TCheckListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const int row = model_.Clips().Selected();
        if (row != ClipList::kNoSelection) {
            model_.Clips().ToggleTick(row);
            viewport()->repaint(visualRect(model_.index(row)));
        }
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TCheckListBox::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopy(event);
}

void TCheckListBox::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopy(event);
}

void TCheckListBox::dropEvent(QDropEvent* event) {
    AcceptAsCopy(event);
    if (!event->isAccepted()) {
        return;
    }
    const std::vector<std::string> paths = DroppedPaths(*event->mimeData());
    RunGuarded([&] {
        for (const std::string& path : paths) {
            model_.Clips().AddClip(path);
        }
    });
}

void TCheckListBox::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    // After a removal nothing is selected; the view would otherwise move on to a neighbour.
    selectionModel()->clearCurrentIndex();
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

void TCheckListBox::FollowCoreSelection() {
    const int row = model_.Clips().Selected();
    if (row == ClipList::kNoSelection) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = model_.index(row);
    if (!selectionModel()->isSelected(index)) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
}

void TCheckListBox::FollowViewSelection() {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    model_.Clips().Select(rows.isEmpty() ? ClipList::kNoSelection : rows.front().row());
}

}  // namespace zembo::ui
