#pragma once
// The widget boundary: values are byte strings in the library, QString in Qt.
// Latin-1 both ways, so that every byte survives a round trip.
#include <QString>
#include <string>

inline QString ToQ(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}
inline std::string FromQ(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), size_t(b.size()));
}
