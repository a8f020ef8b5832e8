#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>

QColor ToQColor(TColor color) {
    if (color == clWindow)
        return QApplication::palette().color(QPalette::Base);
    if (color == clBtnFace)
        return QApplication::palette().color(QPalette::Button);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
