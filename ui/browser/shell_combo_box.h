#pragma once
// The location combo box below the file list: where the list stands, and a jump to the desktop,
// a disk or a folder on the way. It follows every folder the list shows; choosing an entry shows
// that folder in the list. Text typed into its edit part is not acted on.

#include <QAbstractListModel>
#include <QComboBox>
#include <QPointer>

#include "browser/location_entries.h"
#include "ui/browser/shell_icons.h"

namespace zembo::ui {

class TShellListView;

// The entries as an item model: caption, indentation level and icon of each.
class LocationModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kLevelRole = Qt::UserRole + 1;

    LocationModel(browser::LocationEntries& entries, QObject* parent);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Around every change of the entries.
    void BeginChange() { beginResetModel(); }
    void EndChange() { endResetModel(); }

    // From the first paint on, entries show their pictures.
    void ShowIcons();

  private:
    browser::LocationEntries& entries_;
    mutable ShellIcons icons_;
    bool iconsShown_ = false;
};

class TShellComboBox final : public QComboBox {
    Q_OBJECT
  public:
    static constexpr int kMaxTyped = 40;
    static constexpr int kVisibleEntries = 8;
    static constexpr int kMaxDropDownHeight = 400;
    static constexpr int kIndentPerLevel = 10;

    // Linked to list, whose namespace and desktop item it shares; starts at the desktop.
    TShellComboBox(TShellListView& list, QWidget* parent);
    ~TShellComboBox() override;

    browser::LocationEntries& Entries() { return entries_; }

    void showPopup() override;
    void hidePopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Chosen(int index);
    void ShowSelected();

    // Whoever owns both takes the combo box down first; the list may go first all the same.
    QPointer<TShellListView> list_;
    browser::LocationEntries entries_;
    LocationModel* model_;
    bool dropDownOpen_ = false;
};

}  // namespace zembo::ui
