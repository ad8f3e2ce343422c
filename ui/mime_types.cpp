#include "ui/mime_types.h"

#include <QMimeDatabase>

#include "ui/qt_text.h"

namespace zembo::ui {

std::string MimeTypeNames::TypeNameOf(std::string_view fileName) const {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(PathToQt(std::string(fileName)),
                                                           QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return {};
    }
    return FromQt(type.comment());
}

QString MimeTypeOfPattern(const QString& pattern) {
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.size() < 3) {
        return {};
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QLatin1String("x") + pattern.mid(1),
                                                           QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault() || !type.globPatterns().contains(pattern)) {
        return {};
    }
    return type.name();
}

}  // namespace zembo::ui
