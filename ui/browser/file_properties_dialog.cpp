#include "ui/browser/file_properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/message_windows.h"
#include "ui/qt_text.h"

namespace zembo::ui {

FilePropertiesDialog::FilePropertiesDialog(const browser::ItemProperties& properties,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(PathToQt(properties.name) + tr(" Properties"));
    auto* form = new QFormLayout;
    auto add = [&](const QString& label, const QString& value) {
        auto* text = new QLabel(value);
        text->setObjectName(label);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label + ":", text);
    };
    add("Name", PathToQt(properties.name));
    add("Type", ToQt(properties.type));
    add("Size", ToQt(properties.size));
    add("Location", PathToQt(properties.location));
    add("Modified", ToQt(properties.modified));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(CaptionWidth(windowTitle()));
}

QString FilePropertiesDialog::Field(const QString& label) const {
    const auto* text = findChild<QLabel*>(label);
    return text == nullptr ? QString() : text->text();
}

}  // namespace zembo::ui
