#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace ormel {

// The core takes paths as the file system's bytes; the windows show and pass QStrings.
inline std::string ToNativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString FromNativePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace ormel
