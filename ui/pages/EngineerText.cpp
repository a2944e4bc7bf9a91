// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pages/EngineerText.h"

#include "language/EngineerCaptions.h"

namespace tarq::pages {

namespace {

const EngineerCaptions& English()
{
    static const EngineerCaptions captions(0);
    return captions;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QString EngineerText(int id) { return FromUtf8(English().CaptionText(id)); }

QStringList EngineerItems(const QString& control)
{
    QStringList items;
    for (const EngineerListBinding& list : EngineerListBindings()) {
        if (FromUtf8(list.control) != control)
            continue;
        for (uint8_t id : list.ids)
            items << EngineerText(id);
    }
    return items;
}

} // namespace tarq::pages
