#pragma once
// Paths cross between widgets (Unicode) and the core (bytes as the file system holds them).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

namespace sl {

inline std::string ToNativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline QString FromNativePath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace sl
