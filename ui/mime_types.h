#pragma once
// The desktop's MIME database: the names of file types in the file list, and the file dialogs'
// filters, as the desktop's own file managers and dialogs name them.

#include <QString>
#include <string>
#include <string_view>

#include "browser/file_texts.h"

namespace zembo::ui {

class MimeTypeNames final : public browser::FileTypeNames {
  public:
    // The type's description by the file name alone; empty for a type the database does not know.
    std::string TypeNameOf(std::string_view fileName) const override;
};

// The MIME type the database gives the files one pattern such as "*.zbk" matches, where the
// database lists that very pattern for it; empty otherwise.
QString MimeTypeOfPattern(const QString& pattern);

}  // namespace zembo::ui
