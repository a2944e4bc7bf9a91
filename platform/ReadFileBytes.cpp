#include "platform/ReadFileBytes.h"

#include <QFile>

#include <algorithm>

namespace tarq {

std::optional<std::vector<uint8_t>> ReadFileBytes(const QString& path, qint64 maxBytes,
                                                  QString* errorText)
{
    QFile file(path);
    auto fail = [&](const QString& what) -> std::optional<std::vector<uint8_t>> {
        if (errorText)
            *errorText = QStringLiteral("%1 \"%2\": %3").arg(what, path, file.errorString());
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open"));
    // Never ask for more than the file holds: read() may reserve the size it is given.
    const qint64 wanted = std::clamp<qint64>(file.size(), 0, std::max<qint64>(0, maxBytes));
    const QByteArray data = file.read(wanted);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot read"));
    return std::vector<uint8_t>(data.begin(), data.end());
}

} // namespace tarq
