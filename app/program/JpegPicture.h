#pragma once
// JPEG pictures decoded with libjpeg into QImage. A damaged or truncated picture is refused as a
// whole: the image comes back null and the message says why; nothing is half drawn.
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <string>

namespace JpegPicture {

bool Decode(const unsigned char* data, size_t size, QImage& image, std::string& error);
bool Decode(const QByteArray& data, QImage& image, std::string& error);
// Reads a file from disk or from the program's compiled-in files (":/..." paths).
bool LoadFile(const std::string& path, QImage& image, std::string& error);

} // namespace JpegPicture
