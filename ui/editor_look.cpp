#include "ui/editor_look.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace zembo::ui {

QFont EditorFont(int pixelSize) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans Narrow", "Liberation Sans"});
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

void SetBackground(QWidget& window) {
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, kBackground);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette pal = widget.palette();
    pal.setColor(QPalette::WindowText, colour);
    widget.setPalette(pal);
}

int EditorStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) {
        return kHintShowMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void EditorStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || !(box->subControls & SC_GroupBoxLabel)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionGroupBox frameOnly = *box;
    frameOnly.subControls &= ~SC_GroupBoxLabel;
    QProxyStyle::drawComplexControl(control, &frameOnly, painter, widget);
    const QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                 box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

void SetHint(QWidget& widget, const QString& hint) {
    widget.setToolTip(hint);
    widget.setToolTipDuration(kHintHideMs);
}

}  // namespace zembo::ui
