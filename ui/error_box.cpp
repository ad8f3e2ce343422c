#include "ui/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/message_windows.h"
#include "ui/qt_text.h"

namespace zembo::ui {
namespace {

ErrorBoxSink& Sink() {
    static ErrorBoxSink sink;
    return sink;
}

}  // namespace

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

void SetErrorBoxSink(ErrorBoxSink sink) {
    Sink() = std::move(sink);
}

void ShowApplicationError(const std::string& message) {
    const QString caption = QString::fromLatin1(kApplicationTitle);
    const QString text = ToQt(ErrorBoxText(message));
    if (Sink()) {
        Sink()(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    FitCaption(box);
    box.exec();
}

void ShowApplicationErrorLater(const std::string& message) {
    QMetaObject::invokeMethod(
        qApp, [message] { ShowApplicationError(message); }, Qt::QueuedConnection);
}

void ShowCommandFailure(const std::string& text) {
    const QString caption = QString::fromLatin1(kApplicationTitle);
    if (Sink()) {
        Sink()(caption, ToQt(text));
        return;
    }
    QMessageBox box(QMessageBox::Warning, caption, ToQt(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    FitCaption(box);
    box.exec();
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowApplicationError(e.what());
    } catch (...) {
        ShowApplicationError("Unknown failure");
    }
}

}  // namespace zembo::ui
