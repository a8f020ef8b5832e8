#include "app/program/JpegPicture.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace {

// Larger pictures than this are refused before any pixel memory is taken.
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;
constexpr qint64 kMaxFileBytes = 256ll * 1024 * 1024;

struct ErrorTrap {
    jpeg_error_mgr manager;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecoding(j_common_ptr cinfo) {
    auto* trap = reinterpret_cast<ErrorTrap*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, trap->message);
    std::longjmp(trap->jump, 1);
}

// libjpeg only warns about corrupt or missing data and fills the gap with grey; such a picture
// would show garbage, so every warning ends the decoding as an error.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0)
        FailDecoding(cinfo);
}

// Everything that lives across the setjmp is plain C data owned by the caller, so a longjmp out
// of libjpeg skips no destructor.
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
    const unsigned char* data;
    size_t size;
    QImage* image;
};

bool RunDecoder(DecodeJob& job) {
    job.cinfo.err = jpeg_std_error(&job.trap.manager);
    job.trap.manager.error_exit = FailDecoding;
    job.trap.manager.emit_message = OnMessage;
    job.trap.message[0] = '\0';
    if (setjmp(job.trap.jump)) {
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    jpeg_create_decompress(&job.cinfo);
    jpeg_mem_src(&job.cinfo, job.data, static_cast<unsigned long>(job.size));
    jpeg_read_header(&job.cinfo, TRUE);
    job.cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job.cinfo);
    const JDIMENSION width = job.cinfo.output_width;
    const JDIMENSION height = job.cinfo.output_height;
    if (job.cinfo.output_components != 3 || width == 0 || height == 0 ||
        static_cast<unsigned long long>(width) * height > kMaxPixels) {
        std::snprintf(job.trap.message, sizeof job.trap.message, "Unsupported picture size %ux%u", width,
                      height);
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    *job.image = QImage(int(width), int(height), QImage::Format_RGB888);
    if (job.image->isNull()) {
        std::snprintf(job.trap.message, sizeof job.trap.message, "Out of memory for a %ux%u picture", width,
                      height);
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    while (job.cinfo.output_scanline < height) {
        JSAMPROW row = job.image->scanLine(int(job.cinfo.output_scanline));
        jpeg_read_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&job.cinfo);
    jpeg_destroy_decompress(&job.cinfo);
    return true;
}

} // namespace

namespace JpegPicture {

bool Decode(const unsigned char* data, size_t size, QImage& image, std::string& error) {
    image = QImage();
    error.clear();
    if (data == nullptr || size == 0) {
        error = "Empty JPEG data";
        return false;
    }
    QImage decoded;
    DecodeJob job{};
    job.data = data;
    job.size = size;
    job.image = &decoded;
    if (!RunDecoder(job)) {
        error = job.trap.message[0] != '\0' ? job.trap.message : "JPEG decoding failed";
        return false;
    }
    image = decoded;
    return true;
}

bool Decode(const QByteArray& data, QImage& image, std::string& error) {
    return Decode(reinterpret_cast<const unsigned char*>(data.constData()), size_t(data.size()), image,
                  error);
}

bool LoadFile(const std::string& path, QImage& image, std::string& error) {
    image = QImage();
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "Cannot open " + path + ": " + file.errorString().toStdString();
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        error = "Picture file too large: " + path;
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = "Cannot read " + path + ": " + file.errorString().toStdString();
        return false;
    }
    if (!Decode(bytes, image, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

} // namespace JpegPicture
