// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/EngineerEdits.h"

#include <QLineEdit>

#include "settings/EditorRules.h"
#include "ui/Controls.h"

namespace tarq {

namespace {

constexpr int kFireMacros = 10;
constexpr char kChannels[] = {'R', 'G', 'B'};
const QString kYOffsetPrefix = QStringLiteral("edt_YOffset");

QString ColourEdit(int macro, int channel)
{
    return QStringLiteral("edt_FireMacroColor") + QString::number(macro) + QLatin1Char(kChannels[channel]);
}

// Puts the corrected text into the edit when it differs. The change this makes runs the rule
// again, which then finds nothing to correct; other listeners see the corrected text last.
void Correct(QLineEdit* edit, const std::string& corrected)
{
    const QString text = QString::fromStdString(corrected);
    if (edit && text != edit->text())
        edit->setText(text);
}

} // namespace

EngineerEdits::EngineerEdits(Controls& controls) : controls_(controls) {}

void EngineerEdits::Wire()
{
    for (int m = 1; m <= kFireMacros; ++m) {
        for (int c = 0; c < 3; ++c)
            if (auto* edit = controls_.get<QLineEdit>(ColourEdit(m, c)))
                QObject::connect(edit, &QLineEdit::textChanged, edit, [this, m, c] { edt_FireMacroColorChange(m, c); });
        if (auto* edit = controls_.get<QLineEdit>(kYOffsetPrefix + QString::number(m)))
            QObject::connect(edit, &QLineEdit::textChanged, edit, [this, edit] { TLRefreshYOffset(edit); });
    }
}

void EngineerEdits::edt_FireMacroColorChange(int macro, int channel)
{
    if (auto* edit = controls_.get<QLineEdit>(ColourEdit(macro, channel)))
        Correct(edit, CorrectColourChannel(edit->text().toStdString()));
}

void EngineerEdits::TLRefreshYOffset(const QObject* sender)
{
    if (!sender || !sender->objectName().startsWith(kYOffsetPrefix))
        return;
    bool ok = false;
    const int number = sender->objectName().mid(kYOffsetPrefix.size()).toInt(&ok);
    if (!ok || number < 1 || number > kFireMacros)
        return;
    if (auto* edit = controls_.get<QLineEdit>(kYOffsetPrefix + QString::number(number)))
        Correct(edit, CorrectYOffset(edit->text().toStdString()));
}

} // namespace tarq
