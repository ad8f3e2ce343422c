#pragma once
// The editor's look: its dark purple background, its fonts and colours, and the hint timing.

#include <QColor>
#include <QFont>
#include <QProxyStyle>

class QWidget;

namespace zembo::ui {

inline const QColor kBackground(64, 0, 32);  // #400020
inline const QColor kWhite(255, 255, 255);
inline const QColor kSilver(192, 192, 192);

inline constexpr int kHintShowMs = 500;
inline constexpr int kHintHideMs = 2500;

// "MS Sans Serif" at the given pixel height; where it is missing, a narrow sans of the same
// metrics, so that every caption fits its control.
QFont EditorFont(int pixelSize);

void SetBackground(QWidget& window);
void SetTextColour(QWidget& widget, const QColor& colour);

// Shows hints after 500 ms; every hinted control hides its hint after 2500 ms itself.
class EditorStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    // Group box titles in the box's own font: the base style would draw them bold.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

// Gives a control its hint with the editor's timing.
void SetHint(QWidget& widget, const QString& hint);

}  // namespace zembo::ui
