// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/SaveFailureNotice.h"

#include <QFileInfo>
#include <QTimer>
#include <QVariant>

namespace tarq {
namespace {
constexpr const char* kToldProperty = "tarqSaveFailureTold";
}

void ReportSaveFailure(QObject* owner, const std::function<void(const QString&)>& show,
                       const QString& heading, const QString& path, const QString& error)
{
    qWarning("tarq362a: %s", qPrintable(error));
    if (!owner || !show || owner->property(kToldProperty).toBool())
        return;
    owner->setProperty(kToldProperty, true);
    const QString folder = QFileInfo(path).absolutePath();
    const QString text = heading + QStringLiteral("\n") + folder + QStringLiteral("\n\n") + error;
    QTimer::singleShot(0, owner, [show, text] { show(text); });
}

} // namespace tarq
