#pragma once
// The file list's type-ahead: characters typed within the keyboard interval of each other make
// one search text, and one character typed again and again steps through the rows it begins.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zembo::browser {

class FileListPane;

class TypeAhead {
  public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<std::int64_t()>;

    explicit TypeAhead(Clock clock) : clock_(std::move(clock)) {}

    // The row to focus once text has been typed, currentRow being the focused row (-1 for none);
    // nullopt when no row matches. intervalMs: the desktop's keyboard interval, which the user
    // may change at any time.
    std::optional<int> Type(std::string_view text, int currentRow, int intervalMs,
                            const FileListPane& pane);

    // Forgets what was typed: the next character starts a new search.
    void Reset() { typed_.clear(); }

  private:
    Clock clock_;
    std::string typed_;
    std::string first_;  // the first piece typed in this search
    bool repeated_ = false;
    std::int64_t lastTyped_ = 0;
};

}  // namespace zembo::browser
