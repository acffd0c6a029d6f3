#pragma once

// Conversions between the core's single-byte texts and paths and Qt's strings.

#include <QFile>
#include <QString>

#include <filesystem>
#include <string>

namespace kv508::ui {

// Texts in RadioData, files and messages are Windows-1252 bytes.
inline QString ToQt(const std::string &text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString &text) { return text.toLatin1().toStdString(); }
// The MMSI kinds and the countries of the MID table are UTF-8.
inline QString Utf8ToQt(const std::string &text) { return QString::fromUtf8(text); }
// A text naming a path with the system's reason, as the core builds it.
inline QString SystemToQt(const std::string &text) { return QString::fromLocal8Bit(text); }

inline std::filesystem::path PathFromQt(const QString &path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}
inline QString QtFromPath(const std::filesystem::path &path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// Message texts break lines with CR LF; labels want LF.
inline QString DisplayText(const std::string &text) {
  return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace kv508::ui
