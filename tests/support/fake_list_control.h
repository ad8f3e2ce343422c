#pragma once
// A list control for the file list's logic without a window: it keeps a selection and counts the
// batches and busy pointers it was asked for.

#include <optional>
#include <set>
#include <vector>

#include "browser/list_control.h"

namespace zembo::test {

class FakeListControl : public browser::ListControl {
  public:
    void BeginUpdate() override {
        ++updates;
        ++openUpdates;
        selected.clear();
    }
    void EndUpdate() override { --openUpdates; }
    void ShowBusyPointer() override { ++busyPointers; }
    void RestorePointer() override { --busyPointers; }
    std::optional<int> FirstSelectedRow() const override {
        if (selected.empty()) {
            return std::nullopt;
        }
        return *selected.begin();
    }
    bool IsRowSelected(int row) const override { return selected.count(row) != 0; }
    void ClearSelection() override { selected.clear(); }
    void SelectRow(int row) override { selected.insert(row); }
    void EditCaption(int row) override { edited.push_back(row); }
    void ShowProperties(int row) override { properties.push_back(row); }

    std::set<int> selected;
    std::vector<int> edited;      // rows whose edit box was opened
    std::vector<int> properties;  // rows whose properties window was shown
    int updates = 0;
    int openUpdates = 0;   // batches begun and not yet ended
    int busyPointers = 0;  // busy pointers shown and not yet restored
};

}  // namespace zembo::test
