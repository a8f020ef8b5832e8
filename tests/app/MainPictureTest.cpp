#include "app/program/MainPicture.h"
#include "app/program/JpegPicture.h"
#include "app/program/Lamp.h"
#include "tests/support/FormPicture.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

QByteArray MainPictureBytes() {
    QImage unused;
    std::string error;
    LoadMainPicture(unused, error); // registers the compiled-in files
    QFile file(kMainPicturePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(JpegPicture, MainPictureDecodesAtWindowSize) {
    QImage image;
    std::string error;
    ASSERT_TRUE(LoadMainPicture(image, error)) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(image.size(), QSize(408, 94));

    // The same bytes from a file on disk and from memory give the same picture.
    const QByteArray bytes = MainPictureBytes();
    QTemporaryDir dir;
    const std::string path = dir.filePath("front.jpg").toStdString();
    QFile copy(QString::fromStdString(path));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(bytes);
    copy.close();
    QImage fromFile, fromMemory;
    ASSERT_TRUE(JpegPicture::LoadFile(path, fromFile, error)) << error;
    ASSERT_TRUE(JpegPicture::Decode(bytes, fromMemory, error)) << error;
    EXPECT_EQ(fromFile, image);
    EXPECT_EQ(fromMemory, image);
}

TEST(JpegPicture, DamagedDataFailsWithAMessageAndANullImage) {
    const QByteArray whole = MainPictureBytes();
    ASSERT_GT(whole.size(), 1000);
    QImage image(4, 4, QImage::Format_RGB32);
    std::string error;
    for (qsizetype cut : {qsizetype(0), qsizetype(2), qsizetype(100), whole.size() / 2, whole.size() - 2}) {
        error.clear();
        EXPECT_FALSE(JpegPicture::Decode(whole.left(cut), image, error)) << cut;
        EXPECT_TRUE(image.isNull()) << cut;
        EXPECT_FALSE(error.empty()) << cut;
    }
    QByteArray scrambled = whole;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() / 3 + 64; ++i)
        scrambled[i] = char(0xff);
    EXPECT_FALSE(JpegPicture::Decode(scrambled, image, error));
    EXPECT_FALSE(JpegPicture::Decode(QByteArray("GIF89a not a jpeg at all"), image, error));
    EXPECT_FALSE(JpegPicture::Decode(nullptr, 10, image, error));

    QTemporaryDir dir;
    const QString path = dir.filePath("half.jpg");
    QFile half(path);
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write(whole.left(whole.size() / 2));
    half.close();
    EXPECT_FALSE(JpegPicture::LoadFile(path.toStdString(), image, error));
    EXPECT_NE(error.find("half.jpg"), std::string::npos) << error;
    EXPECT_FALSE(JpegPicture::LoadFile(dir.filePath("missing.jpg").toStdString(), image, error));
    EXPECT_NE(error.find("missing.jpg"), std::string::npos) << error;
}

bool IsGreen(QRgb c) {
    return qGreen(c) > 200 && qRed(c) < 60 && qBlue(c) < 60;
}
bool IsDark(QRgb c) {
    return qGray(c) < 60;
}

// The lamps placed where the main window puts them must sit inside the picture's sockets: the
// socket rim shows around each lamp and the lamp's own rim is not cut off.
TEST(MainPicture, LampsSitInTheirSockets) {
    QImage picture;
    std::string error;
    ASSERT_TRUE(LoadMainPicture(picture, error)) << error;
    QWidget front;
    front.resize(picture.size());
    QLabel image(&front);
    image.setPixmap(QPixmap::fromImage(picture));
    image.setGeometry(0, 0, 408, 94);
    const int lefts[] = {183, 209, 236, 262};
    for (int i = 0; i < 4; ++i) {
        auto* lamp = new Lamp(&front);
        lamp->move(lefts[i], 53);
        if (i % 2 == 0)
            lamp->SetBrushColor(Lamp::OnColor());
        EXPECT_EQ(lamp->size(), QSize(9, 9));
        EXPECT_EQ(lamp->IsOff(), i % 2 != 0);
    }
    const QImage shot = front.grab().toImage();
    for (int i = 0; i < 4; ++i) {
        const int cx = lefts[i] + 4, cy = 53 + 4;
        const QRgb centre = shot.pixel(cx, cy);
        EXPECT_EQ(i % 2 == 0, IsGreen(centre)) << i;
        EXPECT_EQ(i % 2 != 0, IsDark(centre)) << i;
        EXPECT_TRUE(IsDark(shot.pixel(cx - 4, cy))) << "lamp rim " << i;
        // Beyond the lamp: the socket's light rim, then the panel, not another lamp's colour.
        const QRgb rim = shot.pixel(cx + 6, cy);
        EXPECT_FALSE(IsGreen(rim)) << i;
        EXPECT_GT(qGray(rim), 100) << "socket rim " << i;
        // The caption under the lamp is drawn in dark text.
        bool text = false;
        for (int y = 65; y < 76 && !text; ++y)
            for (int x = cx - 8; x <= cx + 8 && !text; ++x)
                text = qGray(picture.pixel(x, y)) < 90;
        EXPECT_TRUE(text) << "caption " << i;
    }
    EXPECT_TRUE(SaveFormPicture(shot, "front"));
}

} // namespace
