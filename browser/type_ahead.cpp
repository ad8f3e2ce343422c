#include "browser/type_ahead.h"

#include <algorithm>

#include "browser/file_list_pane.h"

namespace zembo::browser {

std::optional<int> TypeAhead::Type(std::string_view text, int currentRow, int intervalMs,
                                   const FileListPane& pane) {
    const std::int64_t now = clock_();
    if (!typed_.empty() && now - lastTyped_ >= intervalMs) {
        typed_.clear();
    }
    lastTyped_ = now;
    const bool newSearch = typed_.empty();
    if (newSearch) {
        first_ = text;
        repeated_ = true;
    } else {
        repeated_ = repeated_ && text == first_;
    }
    typed_ += text;

    // The same character again moves on to the next row it begins; a longer text refines the
    // match from the focused row itself.
    const bool stepping = !newSearch && repeated_;
    const std::string_view search = stepping ? std::string_view(first_) : std::string_view(typed_);
    const int start = (newSearch || stepping) ? currentRow + 1 : std::max(currentRow, 0);
    return pane.FindRow(search, start, true);
}

}  // namespace zembo::browser
