#pragma once
// The columns of the file list's report view, made anew for every folder shown.

#include <string>
#include <vector>

#include "browser/shell_namespace.h"

namespace zembo::browser {

struct ReportColumn {
    std::string title;
    ColumnAlign align = ColumnAlign::kLeft;
    int widthChars = 0;   // in widths of "X" in the list's font
    int detailIndex = 0;  // the detail interface's number of the column
};

// The columns a folder's detail interface offers: every column up to the end of the first run of
// columns shown by default, leaving out those with an empty title and those whose title (letter
// case ignored) an earlier column already has.
std::vector<ReportColumn> DetailReportColumns(const FolderDetails& details);

// The columns of a folder without a detail interface: Name, Size, Type and Modified for a folder
// on disk, Name alone for any other.
std::vector<ReportColumn> FixedReportColumns(bool fileSystem);

}  // namespace zembo::browser
