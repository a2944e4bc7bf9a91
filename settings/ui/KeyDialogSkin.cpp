// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/KeyDialogSkin.h"

#include <QBitmap>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegion>

#include "ui/state/AppContext.h"
#include "skin/ConfigText.h"
#include "ui/SkinLabel.h"
#include "ui/skin/Resources.h"
#include "ui/skin/SkinWindow.h"

namespace tarq {

namespace {

QColor ColourOf(const ConfigText& text, const std::string& section, const std::string& family, QColor fallback)
{
    auto part = [&](const char* suffix) {
        const auto value = text.Value(section, family + suffix);
        return value ? ParseConfigInt(*value) : std::nullopt;
    };
    const auto r = part("_R"), g = part("_G"), b = part("_B");
    if (!r || !g || !b)
        return fallback;
    return QColor(std::clamp(*r, 0, 255), std::clamp(*g, 0, 255), std::clamp(*b, 0, 255));
}

void SetFont(QWidget* w, const QString& family, int pointSize)
{
    QFont font = w->font();
    if (!family.isEmpty())
        font.setFamily(family);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    w->setFont(font);
}

void SetColour(QWidget* w, const QColor& colour)
{
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    w->setPalette(palette);
}

} // namespace

KeyDialogSkin::KeyDialogSkin(QDialog* dialog, const AppContext& state, const KeyDialogKeys& keys, QWidget* mainWindow)
    : KeyDialogSkin(dialog, DialogLook{state.LanguageIndex, state.FontName}, keys,
                    {state.Text(keys.titleText), state.Text(keys.confirmText), state.Text(keys.clearText)}, mainWindow)
{
}

KeyDialogSkin::KeyDialogSkin(QDialog* dialog, const DialogLook& look, const KeyDialogKeys& keys,
                             const DialogTexts& texts, QWidget* mainWindow)
    : QObject(dialog), dialog_(dialog), look_(look), keys_(keys)
{
    resource_ = QStringLiteral("ORG%1").arg(look.languageIndex);
    section_ = QStringLiteral("org%1").arg(look.languageIndex);
    layoutText_ = ResourceBytes(resource_);

    dialog->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    dialog->setModal(false);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, kTransparencyKey);
    dialog->setPalette(palette);

    // The picture is the window: its size and its see-through corners.
    auto* background = new TSkinLabel(dialog);
    background->setObjectName(keys.background);
    background->setPicture(QStringLiteral("Msg"));
    background->move(0, 0);
    dialog->setFixedSize(background->size());
    const QPixmap picture = background->pixmap();
    if (!picture.isNull())
        dialog->setMask(QRegion(picture.createMaskFromColor(kTransparencyKey, Qt::MaskInColor)));

    const int size = LayoutInt(keys.size);
    const ConfigText text = ConfigText::Parse(layoutText_.toStdString());
    const QColor colour = ColourOf(text, section_.toStdString(), keys.colour, QColor(235, 240, 245));
    const QColor editColour = ColourOf(text, section_.toStdString(), keys.editColour, QColor(0, 160, 227));

    auto* title = new QLabel(texts.title, dialog);
    title->setObjectName(QStringLiteral("lbl_Title"));
    SetFont(title, look.fontName, size + 5);
    SetColour(title, colour);
    title->adjustSize();
    title->move(LayoutInt(QString::fromLatin1(keys.title) + "_X"), LayoutInt(QString::fromLatin1(keys.title) + "_Y"));

    edit_ = new QLineEdit(dialog);
    edit_->setObjectName(keys.edit);
    edit_->setReadOnly(true);
    edit_->setAlignment(Qt::AlignCenter);
    SetFont(edit_, look.fontName, size + 3);
    edit_->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: #0f131a; border: 1px solid #2a3342;"
                                        " border-radius: 4px; padding: 4px; }"
                                        "QLineEdit:focus { border-color: %1; }")
                             .arg(editColour.name()));
    const QString place = QString::fromLatin1(keys.editPlace);
    edit_->setGeometry(LayoutInt(place + "_X"), LayoutInt(place + "_Y"), LayoutInt(place + "_W"),
                       edit_->sizeHint().height());

    const int buttonSize = size + 1;
    auto styleCaption = [&](TSkinLabel* caption) {
        SetFont(caption, look.fontName, buttonSize);
        SetColour(caption, colour);
    };
    styleCaption(Button(QStringLiteral("Confirm"), "BtnS_01", "BtnS_02", "BtnS_03", texts.confirm,
                        keys.confirm, &KeyDialogSkin::confirmClicked));
    styleCaption(Button(QStringLiteral("Cancel"), "BtnS_01", "BtnS_02", "BtnS_03", texts.clear,
                        keys.clear, &KeyDialogSkin::clearClicked));
    Button(QStringLiteral("Close"), "ExitS_01", "ExitS_02", "ExitS_02", QString(), keys.close,
           &KeyDialogSkin::closeClicked);

    if (mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        dialog->move(main.left() + (main.width() - dialog->width()) / 2,
                     main.top() + (main.height() - dialog->height()) / 2 + keys.belowCentre);
    }
}

int KeyDialogSkin::LayoutInt(const QString& key) const
{
    const ConfigText text = ConfigText::Parse(layoutText_.toStdString());
    const auto value = text.Value(section_.toStdString(), key.toStdString());
    return value ? ParseConfigInt(*value).value_or(0) : 0;
}

void KeyDialogSkin::StyleBodyText(QWidget* w) const
{
    SetFont(w, look_.fontName, LayoutInt(keys_.size));
    const ConfigText text = ConfigText::Parse(layoutText_.toStdString());
    SetColour(w, ColourOf(text, section_.toStdString(), keys_.colour, QColor(235, 240, 245)));
}

void KeyDialogSkin::Place(QWidget* w, const QString& key) const
{
    StyleBodyText(w);
    // Check marks in the skin's colours, with the same hover and pressed steps as its buttons.
    w->setStyleSheet(QStringLiteral(
        "QCheckBox { spacing: 6px; }"
        "QCheckBox::indicator { width: 14px; height: 14px; border: 1px solid #3a4556; border-radius: 3px;"
        " background: #0f131a; }"
        "QCheckBox::indicator:hover { border-color: #00a0e3; }"
        "QCheckBox::indicator:checked { background: #00a0e3; border-color: #00a0e3; }"
        "QCheckBox::indicator:pressed { background: #0b3a52; }"
        "QCheckBox:disabled { color: #5a6472; }"));
    w->adjustSize();
    w->move(LayoutInt(key + "_X"), LayoutInt(key + "_Y"));
}

TSkinLabel* KeyDialogSkin::Button(const QString& name, const QString& picture, const QString& hover,
                                  const QString& pressed, const QString& caption, const char* placeKey,
                                  void (KeyDialogSkin::*clicked)())
{
    auto* image = new TSkinLabel(dialog_);
    image->setObjectName(QStringLiteral("Img_") + name);
    image->setPicture(picture);
    auto* label = new TSkinLabel(dialog_);
    label->setObjectName(QStringLiteral("IB_") + name);
    label->setText(caption);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    const QPoint at(LayoutInt(QString::fromLatin1(placeKey) + "_X"), LayoutInt(QString::fromLatin1(placeKey) + "_Y"));
    image->move(at);
    label->setGeometry(QRect(at, image->size()));
    label->raise();
    connect(label, &TSkinLabel::mouseEntered, image, [image, hover] { image->setPicture(hover); });
    connect(label, &TSkinLabel::mouseLeft, image, [image, picture] { image->setPicture(picture); });
    connect(label, &TSkinLabel::mousePressed, image, [image, pressed] { image->setPicture(pressed); });
    connect(label, &TSkinLabel::clicked, this, clicked);
    return label;
}

} // namespace tarq
