#pragma once
// A small window with what the file list knows about an item: name, type, size, location and
// date of last change.

#include <QDialog>

#include "browser/item_properties.h"

class QLabel;

namespace zembo::ui {

class FilePropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    FilePropertiesDialog(const browser::ItemProperties& properties, QWidget* parent);

    // The value shown for a field: "Name", "Type", "Size", "Location" or "Modified".
    QString Field(const QString& label) const;
};

}  // namespace zembo::ui
