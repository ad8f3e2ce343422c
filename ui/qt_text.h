#pragma once
// Between the core's 8-bit texts and Qt's strings. Paths go through the file-name codec so that
// names that are no valid UTF-8 survive the round trip.

#include <QString>
#include <string>

namespace zembo::ui {

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

}  // namespace zembo::ui
