#pragma once
// The clip list on screen: a check-list box mirroring the editor's clip list. The tick flips when
// the left button goes down in the check column, and with the space bar. Rows of the file list and
// files from other programs dropped on it are added as clips.

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include "patch/clip_list.h"

namespace zembo::ui {

// The check column: the check box glyph (13 pixels) and 2 pixels beside it.
inline constexpr int kCheckColumnWidth = 15;
inline constexpr int kClipRowHeight = 16;

class ClipListModel final : public QAbstractListModel, private ClipListObserver {
    Q_OBJECT
  public:
    explicit ClipListModel(ClipList& clips, QObject* parent = nullptr);
    ~ClipListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    ClipList& Clips() { return clips_; }

  signals:
    void CoreSelectionChanged();

  private:
    void BeforeInsert(int first, int last) override;
    void AfterInsert() override;
    void BeforeRemove(int first, int last) override;
    void AfterRemove() override;
    void TickChanged(int index) override;
    void SelectionChanged() override;

    ClipList& clips_;
};

// Draws a row: the flat tick box in the check column, then the path.
class ClipRowDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class TCheckListBox final : public QListView {
    Q_OBJECT
  public:
    TCheckListBox(ClipList& clips, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

  private:
    void Press(QMouseEvent* event);
    void FollowCoreSelection();
    void FollowViewSelection();

    ClipListModel model_;
    ClipRowDelegate delegate_;
    quint64 lastPressTime_ = 0;
};

}  // namespace zembo::ui
