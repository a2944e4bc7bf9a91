// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/Controls.h"

#include <QtGlobal>

#include <atomic>

namespace tarq {

namespace {

std::atomic<bool> strictSet{false};

} // namespace

bool Controls::Strict()
{
#ifndef NDEBUG
    return true;
#else
    static const bool fromEnvironment = qEnvironmentVariableIsSet("TARQ_STRICT_CONTROLS");
    return fromEnvironment || strictSet.load();
#endif
}

void Controls::SetStrict(bool strict) { strictSet.store(strict); }

QWidget* Controls::Lookup(const QString& name) const
{
    if (!root_)
        return nullptr;
    // Controls are created once, with the form; an index built on first use makes the
    // composed-name lookups of the handlers cheap.
    if (index_.isEmpty())
        Index();
    if (root_->objectName() == name)
        return root_;
    return index_.value(name);
}

void Controls::Index() const
{
    for (QWidget* w : root_->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !index_.contains(w->objectName()))
            index_.insert(w->objectName(), w);
}

void Controls::ReportMissing(const QString& name, const char* wanted, const QWidget* found)
{
    const QByteArray text = found
        ? QStringLiteral("control %1 is a %2, not a %3").arg(name, QLatin1String(found->metaObject()->className()),
                                                              QLatin1String(wanted)).toUtf8()
        : QStringLiteral("no control named %1 (a %2 was expected)").arg(name, QLatin1String(wanted)).toUtf8();
    if (Strict())
        qFatal("tarq362a: %s", text.constData());
    qWarning("tarq362a: %s", text.constData());
}

} // namespace tarq
