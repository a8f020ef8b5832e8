#pragma once
// The main window's picture of the device front (408 x 94), compiled into the program.
#include <QImage>
#include <string>

extern const char* const kMainPicturePath; // ":/main.jpg"

bool LoadMainPicture(QImage& image, std::string& error);
