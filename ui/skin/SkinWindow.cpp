// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/skin/SkinWindow.h"

#include "ui/SkinLabel.h"
#include "config/EngineerSettings.h"
#include "skin/LayoutKeys.h"

#include <QBitmap>
#include <QLabel>
#include <QPalette>
#include <QRegion>
#include <QWidget>

#include "ui/skin/Resources.h"

namespace tarq {
namespace {

constexpr int kPageCount = 6;
constexpr int kSkinnedPageCount = 5;

QString Numbered(const QString& prefix, int n)
{
    return prefix + QString::number(n);
}

void ResizePages(QWidget* root, QSize skin)
{
    for (int page = 1; page <= kPageCount; ++page) {
        if (auto* group = root->findChild<QWidget*>(Numbered(QStringLiteral("gbPage"), page)))
            group->resize(page <= kSkinnedPageCount ? skin : kEngineerPageSize);
    }
}

// The window region without the maroon pixels of the background picture.
void ApplyMaskFromBackground(QWidget* root)
{
    const auto* base = root->findChild<QLabel*>(QStringLiteral("Img_Base_1"));
    const QPixmap background = base ? base->pixmap() : QPixmap{};
    if (background.isNull()) {
        root->clearMask();
        return;
    }
    const QBitmap visible = background.createMaskFromColor(kTransparencyKey, Qt::MaskInColor);
    root->setMask(visible);
}

// Every copy of a skinned button's picture: Img_<name>_1 .. Img_<name>_4.
void SetAllCopies(QWidget* root, const QString& name, const QString& picture)
{
    for (int copy = 1; copy <= kPageCopies; ++copy)
        SetPicture(root, QStringLiteral("Img_%1_%2").arg(name).arg(copy), picture);
}

void SetRange(QWidget* root, const QString& prefix, int first, int last, const QString& picture)
{
    for (int n = first; n <= last; ++n)
        SetPicture(root, Numbered(prefix, n), picture);
}

// A group of radio markers: the chosen one "RdS_E", the others "RdS_D".
void SetRadios(QWidget* root, std::initializer_list<const char*> markers, int chosen)
{
    int index = 0;
    for (const char* marker : markers)
        SetPicture(root, QString::fromLatin1(marker),
                   index++ == chosen ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"));
}

} // namespace

QString LanguagePicture(int languageIndex, const QString& base)
{
    const QString name = QStringLiteral("L%1_%2").arg(languageIndex).arg(base);
    // Only language 1 ships its own pictures; the others share them.
    if (languageIndex != 1 && !HasResource(name))
        return QStringLiteral("L1_") + base;
    return name;
}

bool SetPicture(QWidget* root, const QString& control, const QString& picture)
{
    auto* label = root->findChild<QLabel*>(control);
    const QPixmap pixmap = ResourcePixmap(picture);
    if (!label || pixmap.isNull())
        return false;
    label->setPixmap(pixmap);
    // Picture controls take the size of their picture, unless they were given a box to fill;
    // captions are sized from them.
    const auto* skinLabel = qobject_cast<TSkinLabel*>(label);
    if (!skinLabel || skinLabel->autoSizeToPicture())
        label->resize(pixmap.size());
    return true;
}

QSize LoadBackground(QWidget* root)
{
    const QString name = LanguagePicture(1, QStringLiteral("BackGround"));
    if (!SetPicture(root, QStringLiteral("Img_Base_1"), name))
        return ResourcePixmap(name).size();
    const QSize skin = ResourcePixmap(name).size();
    for (int n = 1; n <= kPageCopies; ++n) {
        if (auto* overlay = root->findChild<QWidget*>(Numbered(QStringLiteral("Disable_All_"), n)))
            overlay->resize(skin);
    }
    return skin;
}

void SizeWindowToSkin(QWidget* root, QSize skin)
{
    root->setFixedSize(skin);
    ResizePages(root, skin);
    ApplyMaskFromBackground(root);
}

void SizeWindowForEngineer(QWidget* root, QSize skin)
{
    root->clearMask();
    root->setFixedSize(kEngineerPageSize);
    ResizePages(root, skin);
}

void ApplyTransparencyKey(QWidget* root)
{
    QPalette palette = root->palette();
    palette.setColor(QPalette::Window, kTransparencyKey);
    root->setPalette(palette);
    root->setAutoFillBackground(true);
    ApplyMaskFromBackground(root);
}

void LoadSkinImages(QWidget* root)
{
    const QString background = LanguagePicture(1, QStringLiteral("BackGround"));
    SetRange(root, QStringLiteral("Img_Base_"), 1, kSkinnedPageCount, background);
    for (int page = 1; page <= kSkinnedPageCount; ++page)
        SetPicture(root, Numbered(QStringLiteral("Img_P"), page),
                   LanguagePicture(1, Numbered(QStringLiteral("Back"), page)));

    for (const char* name : {"Confirm", "Apply", "Confirm1", "Confirm2", "Confirm3", "Read",
                             "Save", "Load"})
        SetAllCopies(root, QString::fromLatin1(name), QStringLiteral("BtnS_01"));
    SetAllCopies(root, QStringLiteral("Exit"), QStringLiteral("ExitS_01"));
    SetAllCopies(root, QStringLiteral("Mini"), QStringLiteral("MiniS_01"));
    // Office view and language 1 are selected at start.
    SetAllCopies(root, QStringLiteral("Main"), QStringLiteral("SetS_03"));
    SetAllCopies(root, QStringLiteral("Lang1"), QStringLiteral("SetS_03"));
    for (const char* name : {"Second", "Adv", "Breath", "Macro", "Engineer", "Lang2", "Lang3"})
        SetAllCopies(root, QString::fromLatin1(name), QStringLiteral("SetS_01"));
    SetAllCopies(root, QStringLiteral("Web"), QStringLiteral("WebS_01"));

    // Button page.
    SetRange(root, QStringLiteral("Img_Key"), 1, 9, QStringLiteral("KeyS_01"));
    SetRange(root, QStringLiteral("Img_ComboKey"), 1, 3, QStringLiteral("CbS_D"));

    // Advanced page: checks off, DPI level 1 current, colour frames.
    for (const char* check : {"Img_FireContinue", "Img_IsControl", "Img_IsScreen"})
        SetPicture(root, QString::fromLatin1(check), QStringLiteral("CbS_D"));
    for (int level = 1; level <= kDpiLevelSlots; ++level) {
        SetPicture(root, Numbered(QStringLiteral("Img_DPI"), level),
                   level == 1 ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"));
        SetPicture(root, QStringLiteral("Img_DPI%1Col").arg(level), QStringLiteral("Col_F"));
    }

    // Light page: switches on their first side, mode 1, first LED count and step lit.
    SetRadios(root, {"Img_LEDOn", "Img_LEDOff"}, 0);
    SetRadios(root, {"Img_LCPIOn", "Img_LCPIOff"}, 0);
    SetRadios(root, {"Img_B4CPIOn", "Img_B4CPIOff"}, 0);
    SetRadios(root, {"Img_SaveKeyMode", "Img_NoSaveKeyMode"}, 0);
    SetRadios(root, {"Img_MCULED3Control", "Img_MCULED6Control"}, 0);
    SetRadios(root, {"Img_MCULEDMode1", "Img_MCULEDMode2", "Img_MCULEDMode3", "Img_MCULEDMode4",
                     "Img_MCULEDMode5", "Img_MCULEDMode6", "Img_MCULEDMode7"}, 0);
    SetRadios(root, {"Img_RBLEDMode1", "Img_RBLEDMode2", "Img_RBLEDMode3", "Img_RBLEDMode4",
                     "Img_RBLEDMode5", "Img_RBLEDMode6", "Img_RBLEDMode7"}, 0);
    SetPicture(root, QStringLiteral("Img_MCULEDNum_1"), QStringLiteral("Bar1_E"));
    SetRange(root, QStringLiteral("Img_MCULEDNum_"), 2, 10, QStringLiteral("Bar1_D"));
    SetPicture(root, QStringLiteral("Img_MCULEDStep_1"), QStringLiteral("Bar1_E"));
    SetRange(root, QStringLiteral("Img_MCULEDStep_"), 2, 8, QStringLiteral("Bar1_D"));

    // Macro page: recorded delays and play-to-end selected.
    SetRadios(root, {"Img_RecDelay", "Img_DelayTime", "Img_NoDelay"}, 0);
    SetRadios(root, {"Img_InsertRecDelay", "Img_InsertDelayTime", "Img_InsertNoDelay"}, 0);
    SetRadios(root, {"Img_ReleaseStop", "Img_ReleaseContiue"}, 1);
    SetPicture(root, QStringLiteral("Img_New"), QStringLiteral("MacroS_01"));
    SetPicture(root, QStringLiteral("Img_Start"), QStringLiteral("MacroS_03"));
    SetPicture(root, QStringLiteral("Img_InsertStart"), QStringLiteral("MacroS_01"));
    SetPicture(root, QStringLiteral("Img_OK"), QStringLiteral("MacroBtnS_01"));
    SetPicture(root, QStringLiteral("Img_Cancel"), QStringLiteral("MacroBtnS_01"));
    SetPicture(root, QStringLiteral("Img_InsertBase"), QStringLiteral("InsertKeyBase"));

    // Gun page with gun 1 highlighted, and the fire macro editor.
    SetPicture(root, QStringLiteral("Img_Fire1"), QStringLiteral("Gun1_02"));
    for (int gun = 2; gun <= 7; ++gun)
        SetPicture(root, Numbered(QStringLiteral("Img_Fire"), gun), QStringLiteral("Gun%1_01").arg(gun));
    for (int mode = 1; mode <= 5; ++mode)
        SetPicture(root, Numbered(QStringLiteral("Img_GunMode"), mode), Numbered(QStringLiteral("GunMode"), mode));
    SetPicture(root, QStringLiteral("Img_FireConfirm"), QStringLiteral("BtnS_01"));
    SetPicture(root, QStringLiteral("Img_FireExit"), QStringLiteral("BtnS_01"));
    SetPicture(root, QStringLiteral("Img_FireEditor"), QStringLiteral("BtnS_01"));
    SetPicture(root, QStringLiteral("Img_FireBasic"), QStringLiteral("BtnS_01"));
    SetPicture(root, QStringLiteral("Img_FireStart"), QStringLiteral("MacroS_01"));
    SetPicture(root, QStringLiteral("Img_FireOK"), QStringLiteral("MacroBtnS_01"));
    SetPicture(root, QStringLiteral("Img_FireCancel"), QStringLiteral("MacroBtnS_01"));
    SetRange(root, QStringLiteral("Img_FireColor"), 1, 3, QStringLiteral("Col_F"));
    SetRadios(root, {"Img_FireRecDelay", "Img_FireDelayTime", "Img_FireNoDelay"}, 0);
    SetPicture(root, QStringLiteral("Img_FireDelay"), QStringLiteral("InsertDelayBase"));
    SetPicture(root, QStringLiteral("Img_FireInsert"), QStringLiteral("InsertDelayBase"));
    SetRange(root, QStringLiteral("Img_FireRKFS"), 1, 3, QStringLiteral("CbS_D"));
    SetRadios(root, {"Img_FireReleaseStop", "Img_FireReleaseContiue"}, 1);
}

} // namespace tarq
