// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/EngineerEdits.h"

#include <QLineEdit>

#include <algorithm>

#include "settings/EditorRules.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

// Puts the corrected text into the edit when it differs. The change this makes runs the rule
// again, which then finds nothing to correct; other listeners see the corrected text last.
void Correct(QLineEdit* edit, const std::string& corrected)
{
    const QString text = QString::fromStdString(corrected);
    if (text != edit->text())
        edit->setText(text);
}

} // namespace

EngineerEdits::EngineerEdits(const EngineerTabControls& tab) : tab_(tab) {}

void EngineerEdits::Wire()
{
    for (int m = 1; m <= EngineerTabControls::kFireMacros; ++m) {
        const size_t i = size_t(m - 1);
        for (int c = 0; c < 3; ++c)
            QObject::connect(tab_.fireColours[i][size_t(c)], &QLineEdit::textChanged, tab_.fireColours[i][size_t(c)],
                             [this, m, c] { edt_FireMacroColorChange(m, c); });
        QLineEdit* offset = tab_.yOffsets[i];
        QObject::connect(offset, &QLineEdit::textChanged, offset, [this, offset] { TLRefreshYOffset(offset); });
    }
}

void EngineerEdits::edt_FireMacroColorChange(int macro, int channel)
{
    if (macro < 1 || macro > EngineerTabControls::kFireMacros || channel < 0 || channel > 2)
        return;
    QLineEdit* edit = tab_.fireColours[size_t(macro - 1)][size_t(channel)];
    Correct(edit, CorrectColourChannel(edit->text().toStdString()));
}

void EngineerEdits::TLRefreshYOffset(const QObject* sender)
{
    const auto found = std::find(tab_.yOffsets.begin(), tab_.yOffsets.end(), sender);
    if (found != tab_.yOffsets.end())
        Correct(*found, CorrectYOffset((*found)->text().toStdString()));
}

} // namespace tarq
