#include "app/program/About.h"

#include "app/forms/StartupGlobals.h"
#include "platform/DialogButtons.h"
#include "platform/Events.h"
#include "platform/Label.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// The model string's second part; this build's model has none.
const std::string kModelSubName;

// The box's 32 x 32 picture: an access point with its antenna and waves.
QPixmap AccessPointPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(70, 110, 170));
    p.drawRoundedRect(QRectF(4, 20, 24, 9), 2, 2);
    p.drawLine(QPointF(22, 20), QPointF(22, 9));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 110, 170), 1.5));
    p.drawArc(QRectF(17, 4, 10, 10), 30 * 16, 120 * 16);
    p.drawArc(QRectF(14, 1, 16, 16), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QRectF(7, 23.5, 3, 3));
    p.drawEllipse(QRectF(12, 23.5, 3, 3));
    return picture;
}

int VirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    return qtKey;
}

} // namespace

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setupUi(this);
    setFixedSize(size());
    Image1->setPixmap(AccessPointPicture());
    Label1->SetCaption(ModelName + kModelSubName + " Management Module");
    BT_Ok->setDefault(true);
    DefaultButtonOnlyByLayout(*this);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, [this] { GuardEvent([this] { BT_OkClick(BT_Ok); }); });
}

void TAboutForm::BT_OkClick(QObject*) {
    accept();
}

void TAboutForm::BT_OkKeyDown(QObject*, int key, bool shift, bool alt) {
    if (shift && alt && key == VK_F3)
        Label4->setVisible(true);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers();
        GuardEvent([&] {
            BT_OkKeyDown(BT_Ok, VirtualKey(key->key()), mods.testFlag(Qt::ShiftModifier),
                         mods.testFlag(Qt::AltModifier));
        });
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutForm(QWidget* owner) {
    auto form = std::make_unique<TAboutForm>(owner);
    form->exec();
}
