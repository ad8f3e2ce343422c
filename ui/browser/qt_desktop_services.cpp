#include "ui/browser/qt_desktop_services.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>

#include "ui/browser/desktop_applications.h"
#include "ui/error_box.h"
#include "ui/qt_text.h"

namespace zembo::ui {

std::vector<browser::Application> QtDesktopServices::ApplicationsFor(const std::string& path) {
    std::string why;
    DesktopApplications* registry = LoadDesktopApplications(why);
    return registry != nullptr ? registry->ApplicationsFor(path)
                               : std::vector<browser::Application>();
}

bool QtDesktopServices::Open(const std::string& uri, const std::string& applicationId,
                             std::string& error) {
    DesktopApplications* registry = LoadDesktopApplications(error);
    return registry != nullptr && registry->Open(uri, applicationId, error);
}

void QtDesktopServices::PutOnClipboard(const std::vector<browser::ClipboardFormat>& formats) {
    auto* data = new QMimeData;
    for (const browser::ClipboardFormat& f : formats) {
        data->setData(QString::fromStdString(f.mimeType),
                      QByteArray(f.bytes.data(), static_cast<qsizetype>(f.bytes.size())));
    }
    QGuiApplication::clipboard()->setMimeData(data);  // which takes it
}

std::optional<std::string> QtDesktopServices::ClipboardData(const std::string& mimeType) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromStdString(mimeType);
    if (data == nullptr || !data->hasFormat(type)) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(type);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QtDesktopServices::ClearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtDesktopServices::ShowMessage(const std::string& text) {
    ShowCommandFailure(text);
}

}  // namespace zembo::ui
