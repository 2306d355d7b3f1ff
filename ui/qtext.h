#pragma once
// The one crossing between the layers' values (UTF-8 strings, paths, DateTime) and Qt's.

#include "platform/DateTime.h"

#include <QDateTime>
#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvenik {

inline QString toQ(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string fromQ(const QString& text) {
    return text.toStdString();
}

std::filesystem::path toPath(const QString& path);
QString fromPath(const std::filesystem::path& path);

// The same moment as our DateTime; an invalid QDateTime gives the epoch.
DateTime toDateTime(const QDateTime& moment);

// CR LF and a lone CR become LF, the only line end Qt's labels and text views break at.
QString withLfLineEnds(QString text);

} // namespace tarvenik
