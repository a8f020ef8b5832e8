#include "app/program/MainPicture.h"

#include "app/program/JpegPicture.h"

#include <QtCore/qglobal.h>

const char* const kMainPicturePath = ":/main.jpg";

// The macro must stand outside every namespace, unnamed ones included. Calling it also makes the
// linker keep the compiled-in files of the static resource library.
static void RegisterCompiledFiles() {
    Q_INIT_RESOURCE(resources);
}

bool LoadMainPicture(QImage& image, std::string& error) {
    RegisterCompiledFiles();
    return JpegPicture::LoadFile(kMainPicturePath, image, error);
}
