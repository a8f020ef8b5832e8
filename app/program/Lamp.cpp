#include "app/program/Lamp.h"

#include <QPainter>

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    resize(kSize, kSize);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Lamp::SetBrushColor(const QColor& color) {
    if (color == brush_)
        return;
    brush_ = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(brush_);
    // The circle fills the shorter side, centred, as a shape control draws it.
    const qreal side = qMin(width(), height()) - 1;
    p.drawEllipse(QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
}
