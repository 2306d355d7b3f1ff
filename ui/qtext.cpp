#include "ui/qtext.h"

namespace tarvenik {

// Paths on disk are UTF-8 (names like "Data/Jména" carry diacritics).
std::filesystem::path toPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                               static_cast<std::size_t>(utf8.size())));
}

QString fromPath(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(s.data()),
                             static_cast<qsizetype>(s.size()));
}

DateTime toDateTime(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    return DateTime::fromDate(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(),
                              t.msec())
        .value_or(DateTime{});
}

QString withLfLineEnds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace tarvenik
