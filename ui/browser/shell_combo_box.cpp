#include "ui/browser/shell_combo_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QStyledItemDelegate>
#include <exception>

#include "ui/browser/shell_list_view.h"
#include "ui/error_box.h"
#include "ui/first_paint.h"
#include "ui/qt_text.h"

namespace zembo::ui {
namespace {

// Draws an entry of the open drop-down list indented by its level.
class IndentingDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.adjust(Indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(Indent(index), 0);
    }

  private:
    static int Indent(const QModelIndex& index) {
        return index.data(LocationModel::kLevelRole).toInt() * TShellComboBox::kIndentPerLevel;
    }
};

}  // namespace

LocationModel::LocationModel(browser::LocationEntries& entries, QObject* parent)
    : QAbstractListModel(parent), entries_(entries) {}

int LocationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : entries_.Count();
}

QVariant LocationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= entries_.Count()) {
        return {};
    }
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return PathToQt(entries_.CaptionAt(row));
        case Qt::DecorationRole:
            if (!iconsShown_) {
                return {};
            }
            return icons_.IconFor(entries_.IconAt(row), PathToQt(entries_.FullPathAt(row)));
        case kLevelRole:
            return entries_.LevelAt(row);
        default:
            return {};
    }
}

void LocationModel::ShowIcons() {
    iconsShown_ = true;
    if (entries_.Count() > 0) {
        emit dataChanged(index(0), index(entries_.Count() - 1), {Qt::DecorationRole});
    }
}

TShellComboBox::TShellComboBox(TShellListView& list, QWidget* parent)
    : QComboBox(parent),
      list_(&list),
      entries_(list.Pane().Namespace(), list.Pane().Desktop()),
      model_(new LocationModel(entries_, this)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(kVisibleEntries);
    lineEdit()->setMaxLength(kMaxTyped);
    lineEdit()->installEventFilter(this);
    // Typed text is not acted on: the combo box would choose an entry whose caption it matches
    // once the edit ends. Instead the edit shows the current folder again.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &TShellComboBox::ShowSelected);
    setModel(model_);
    setItemDelegate(new IndentingDelegate(this));

    entries_.SetChangeHooks([this] { model_->BeginChange(); },
                            [this] {
                                model_->EndChange();
                                ShowSelected();
                            });
    try {
        entries_.Build();
    } catch (const std::exception& e) {
        ShowApplicationErrorLater(e.what());  // the window is still being made
    }
    list.Pane().SetFollower([this](const browser::ItemId& folder) {
        try {
            entries_.Follow(folder);
        } catch (const std::exception& e) {
            ShowApplicationErrorLater(e.what());
        }
    });
    // Follow the folder the list already shows.
    if (list.Pane().CurrentFolder() != nullptr) {
        RunGuarded([&] { entries_.Follow(list.Pane().CurrentFolderId()); });
    }
    connect(this, &QComboBox::activated, this, &TShellComboBox::Chosen);
    // The pictures follow the window's first paint, as the list's do.
    AfterFirstPaint(this, [this] { model_->ShowIcons(); });
}

TShellComboBox::~TShellComboBox() {
    if (list_ != nullptr) {
        list_->Pane().SetFollower({});
    }
}

void TShellComboBox::ShowSelected() {
    const QSignalBlocker quiet(this);
    setCurrentIndex(entries_.Selected());
    if (currentIndex() >= 0) {
        lineEdit()->setText(itemText(currentIndex()));
    }
}

void TShellComboBox::Chosen(int index) {
    if (index < 0 || index >= entries_.Count()) {
        return;
    }
    RunGuarded([&] {
        entries_.Choose(index, dropDownOpen_, [this](const browser::ItemId& folder) {
            if (list_ != nullptr) {
                list_->ShowFolder(folder);
            }
        });
    });
}

void TShellComboBox::showPopup() {
    dropDownOpen_ = true;
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup->height() > kMaxDropDownHeight) {
        popup->resize(popup->width(), kMaxDropDownHeight);
    }
}

void TShellComboBox::hidePopup() {
    // The entry the list closes on is chosen after the list has gone.
    dropDownOpen_ = false;
    QComboBox::hidePopup();
}

namespace {

bool IsEnter(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

// Enter does not navigate, whether the keys reach the combo box (its edit's focus proxy) or the
// edit itself.
void TShellComboBox::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event) && !view()->isVisible()) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool TShellComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && IsEnter(*event)) {
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace zembo::ui
