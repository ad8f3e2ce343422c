#pragma once
// What the file list's logic asks of the list control that shows it. The control holds only the
// number of rows and the selection; it asks the logic for the texts of the rows it draws.

#include <optional>

namespace zembo::browser {

class ListControl {
  public:
    virtual ~ListControl() = default;

    // Rows and columns change between these two calls; the control draws again once the batch
    // ends. The rows and their selection are gone when the batch begins.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    // The busy pointer while a folder is read.
    virtual void ShowBusyPointer() = 0;
    virtual void RestorePointer() = 0;

    // The selected row with the lowest number.
    virtual std::optional<int> FirstSelectedRow() const = 0;
    virtual bool IsRowSelected(int row) const = 0;
    virtual void ClearSelection() = 0;
    virtual void SelectRow(int row) = 0;

    // Opens the in-place edit box on the row's caption.
    virtual void EditCaption(int row) = 0;
    // Shows the properties window of the row's item.
    virtual void ShowProperties(int row) = 0;
};

}  // namespace zembo::browser
