#pragma once
// Pictures of forms for a person to look at: written only when KTX_FORM_PICTURES names a folder,
// and only into that folder, as <name>.png.
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdlib>
#include <string>

// The folder pictures go to; empty when none are wanted.
inline std::string FormPictureFolder() {
    const char* folder = std::getenv("KTX_FORM_PICTURES");
    return folder ? folder : "";
}

// True when no picture is wanted or it was written.
inline bool SaveFormPicture(const QImage& picture, const std::string& name) {
    const std::string folder = FormPictureFolder();
    return folder.empty() || picture.save(QString::fromStdString(folder + "/" + name + ".png"));
}

inline bool SaveFormPicture(QWidget& form, const std::string& name) {
    return FormPictureFolder().empty() || SaveFormPicture(form.grab().toImage(), name);
}
