#pragma once
// One round status lamp laid over the main window's picture: a filled circle with a thin black
// rim, transparent around it so the picture shows through.
#include <QColor>
#include <QWidget>

class Lamp : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSize = 9;
    static QColor OnColor() { return QColor(0x00, 0xff, 0x00); }
    static QColor OffColor() { return QColor(0x00, 0x00, 0x00); }

    explicit Lamp(QWidget* parent = nullptr);

    QColor BrushColor() const { return brush_; }
    void SetBrushColor(const QColor& color);
    bool IsOff() const { return brush_ == OffColor(); }

    int Tag = 0; // free for the owner; the main window keeps the blink flag here

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor brush_ = OffColor();
};
