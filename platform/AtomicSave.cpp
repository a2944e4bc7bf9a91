#include "platform/AtomicSave.h"

#include <QSaveFile>

namespace tarq {

bool SaveFileAtomically(const QString& path, std::span<const uint8_t> bytes, QString* errorText)
{
    QSaveFile file(path);
    auto fail = [&](const QString& what) {
        if (errorText)
            *errorText = QStringLiteral("%1 \"%2\": %3").arg(what, path, file.errorString());
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot create"));
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    qint64 written = 0;
    while (written < qint64(bytes.size())) {
        const qint64 n = file.write(data + written, qint64(bytes.size()) - written);
        if (n <= 0)
            return fail(QStringLiteral("Cannot write"));
        written += n;
    }
    // QSaveFile keeps small payloads in its write buffer, and commit() does not check the flush
    // that writes them out: on a full disk it would rename an empty file over the old one. Flush
    // first and check, so that a failure leaves the old file untouched.
    if (!file.flush())
        return fail(QStringLiteral("Cannot write"));
    if (!file.commit()) {
        if (errorText)
            *errorText = QStringLiteral("Cannot save \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace tarq
