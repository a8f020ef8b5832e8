// Draws the front of the access point as the main window's 408 x 94 picture. The lamp sockets sit
// where the main window places its four 9 x 9 lamps (top 53; left 183, 209, 236, 262), so the lamps
// cover the sockets' centres and the rims stay visible around them.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kWidth = 408;
constexpr int kHeight = 94;
constexpr int kLampTop = 53;
constexpr int kLampSize = 9;

struct LampSpot {
    int left;
    const char* label;
};
constexpr LampSpot kLamps[] = {{183, "11g"}, {209, "11a"}, {236, "LAN"}, {262, "PWR"}};

void DrawBody(QPainter& p) {
    p.fillRect(0, 0, kWidth, kHeight, QColor(0xe9, 0xeb, 0xee));

    const QRectF body(5.5, 6.5, kWidth - 11, kHeight - 13);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0.0, QColor(0xfa, 0xfb, 0xfc));
    shade.setColorAt(0.45, QColor(0xe2, 0xe5, 0xea));
    shade.setColorAt(1.0, QColor(0xbd, 0xc2, 0xca));
    p.setPen(QPen(QColor(0x6f, 0x75, 0x7e), 1));
    p.setBrush(shade);
    p.drawRoundedRect(body, 12, 12);

    // A thin highlight along the top edge gives the casing some depth.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(18, 8.5), QPointF(kWidth - 18, 8.5));

    // Recessed strip that holds the lamps.
    const QRectF strip(166.5, 44.5, 118, 33);
    QLinearGradient inset(strip.topLeft(), strip.bottomLeft());
    inset.setColorAt(0.0, QColor(0xc4, 0xc8, 0xcf));
    inset.setColorAt(1.0, QColor(0xdb, 0xde, 0xe3));
    p.setPen(QPen(QColor(0x8d, 0x93, 0x9c), 1));
    p.setBrush(inset);
    p.drawRoundedRect(strip, 5, 5);

    // Vent slots on the right.
    p.setPen(QPen(QColor(0x8a, 0x90, 0x99), 2, Qt::SolidLine, Qt::RoundCap));
    for (int x = 306; x <= 386; x += 8)
        p.drawLine(x, 30, x, 64);
}

void DrawLabels(QPainter& p) {
    QFont model("DejaVu Sans");
    model.setPixelSize(17);
    model.setBold(true);
    p.setFont(model);
    p.setPen(QColor(0x2b, 0x30, 0x38));
    p.drawText(QRect(22, 22, 150, 24), Qt::AlignLeft | Qt::AlignVCenter, "KTX-7593AP");

    QFont kind("DejaVu Sans");
    kind.setPixelSize(9);
    p.setFont(kind);
    p.setPen(QColor(0x4a, 0x50, 0x5a));
    p.drawText(QRect(23, 46, 140, 14), Qt::AlignLeft | Qt::AlignVCenter, "Wireless Access Point");

    p.setPen(QPen(QColor(0x3d, 0x8b, 0xd0), 2));
    p.drawLine(23, 62, 120, 62);
}

void DrawLampSockets(QPainter& p) {
    QFont small("DejaVu Sans");
    small.setPixelSize(8);
    small.setBold(true);
    p.setFont(small);
    for (const LampSpot& lamp : kLamps) {
        const QPointF centre(lamp.left + kLampSize / 2.0, kLampTop + kLampSize / 2.0);
        p.setPen(QPen(QColor(0x55, 0x5b, 0x64), 1));
        p.setBrush(QColor(0x9e, 0xa3, 0xab));
        p.drawEllipse(centre, 7.0, 7.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x2d, 0x32));
        p.drawEllipse(centre, 5.0, 5.0);

        p.setPen(QColor(0x26, 0x2a, 0x30));
        const QRectF text(centre.x() - 13, kLampTop + kLampSize + 4, 26, 10);
        p.drawText(text, Qt::AlignHCenter | Qt::AlignTop, lamp.label);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawBody(p);
    DrawLabels(p);
    DrawLampSockets(p);
    p.end();
    if (!picture.save(argv[1], "JPEG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
