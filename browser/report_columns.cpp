#include "browser/report_columns.h"

#include <algorithm>

#include "platform/ascii_text.h"

namespace zembo::browser {
namespace {

// Adds a column unless its title is empty or taken; tells whether it was added.
bool AddColumn(std::vector<ReportColumn>& columns, const DetailColumn& column, int index) {
    if (column.title.empty()) {
        return false;
    }
    const bool taken = std::any_of(columns.begin(), columns.end(), [&](const ReportColumn& c) {
        return platform::EqualsIgnoringAsciiCase(c.title, column.title);
    });
    if (taken) {
        return false;
    }
    columns.push_back(ReportColumn{column.title, column.align, column.widthChars, index});
    return true;
}

}  // namespace

std::vector<ReportColumn> DetailReportColumns(const FolderDetails& details) {
    std::vector<ReportColumn> columns;
    bool metShown = false;
    for (int i = 0;; ++i) {
        std::optional<DetailColumn> column = details.Column(i);
        if (!column) {
            break;
        }
        if (metShown && !column->shownByDefault) {
            break;
        }
        metShown = metShown || column->shownByDefault;
        AddColumn(columns, *column, i);
    }
    return columns;
}

std::vector<ReportColumn> FixedReportColumns(bool fileSystem) {
    if (!fileSystem) {
        return {ReportColumn{"Name", ColumnAlign::kLeft, 25, 0}};
    }
    return {
        ReportColumn{"Name", ColumnAlign::kLeft, 25, 0},
        ReportColumn{"Size", ColumnAlign::kRight, 10, 1},
        ReportColumn{"Type", ColumnAlign::kLeft, 10, 2},
        ReportColumn{"Modified", ColumnAlign::kLeft, 14, 3},
    };
}

}  // namespace zembo::browser
