#include "app/views/StatusLog.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

void AppendStatusLog(const std::string& kind, const std::string& text) {
    const char* path = std::getenv("KTX_STATUS_LOG");
    if (!path || !*path)
        return;
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\t%s\n", kind.c_str(), text.c_str());
        std::fclose(file);
    }
}

void SaveStatusShot(QWidget& window) {
    const char* path = std::getenv("KTX_STATUS_SHOT");
    if (!path || !*path || !window.isVisible())
        return;
    // Written beside and renamed, so a reader never sees half a file.
    const QString target = QString::fromLocal8Bit(path);
    const QString part = target + ".part.png";
    if (window.grab().save(part, "PNG"))
        std::rename(part.toLocal8Bit().constData(), path);
}
