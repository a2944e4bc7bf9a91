// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the program read at start-up and keeps for the whole run: its folders, the org
// configuration, the skin's size and layout values, and the current language's texts, font and
// title. The window fills it; subsystems read it.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "skin/OrgConfiguration.h"
#include "ui/skin/LayoutPass.h"

namespace tarq {

// The path of a data file: DataFolder + name, or AppFolder + name when DataFolder is empty.
// Nothing is inserted between the folder and the name.
inline QString DataFilePath(const QString& dataFolder, const QString& appFolder, const QString& fileName)
{
    return (dataFolder.isEmpty() ? appFolder : dataFolder) + fileName;
}

struct AppContext {
    // ---- folders and what start-up read ----
    QString AppFolder;          // folder of the program (or the per-user data folder), with '/'
    QString DataFolder;         // org key Path; empty means AppFolder
    int LanguageIndex = 1;
    int SkinWidth = 0;
    int SkinHeight = 0;
    bool NoDeviceView = false;
    int ExpectedVendorCode = 0;
    int ExpectedProductCode = 0;
    OrgConfiguration Org;       // every org key, normalised
    LayoutStyle Style;          // layout values read after the layout pass
    bool ComboKey3Enable = true;   // layout key ComboKey3_Enable
    // Resources or keys the skin, layout or org configuration lacked at start-up, one line each
    // ("ORG1 [org1] M_L_W: missing"); shown once the window is up.
    QStringList StartupProblems;

    // A data file: DataFolder followed directly by the name, or AppFolder when it is empty.
    QString DataFile(const QString& name) const { return DataFilePath(DataFolder, AppFolder, name); }

    // ---- texts of the current language by Str ID, its font and title ----
    QHash<int, QString> Texts;
    QString FontName;
    QString Title;
    // Faces of the language files already told to have no installed face or metric twin.
    QSet<QString> MissingFacesTold;
    QString Text(int strId) const { return Texts.value(strId); }
    // The text, or the given English one where the language file has none.
    QString Text(int strId, const char* english) const
    {
        const QString text = Texts.value(strId);
        return text.isEmpty() ? QString::fromUtf8(english) : text;
    }
    // The locale whose column of the built-in caption table captions the engineer page.
    uint32_t EngineerCaptionLocale = 0;
};

} // namespace tarq
