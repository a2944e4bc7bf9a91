// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pages/PageKit.h"

#include <QFrame>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>

#include "ui/HexEdit.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"

namespace tarq::pages {

namespace {

template <class T>
T* Named(QWidget* parent, const QString& name)
{
    auto* widget = new T(parent);   // owned by its parent
    widget->setObjectName(name);
    return widget;
}

} // namespace

TSkinLabel* Picture(QWidget* parent, const QString& name, QPoint pos, const QString& picture)
{
    auto* label = Named<TSkinLabel>(parent, name);
    label->move(pos);
    if (!picture.isEmpty())
        label->setPicture(picture);
    return label;
}

TSkinLabel* Caption(QWidget* parent, const QString& name, const QString& text, QRect rect,
                    Qt::Alignment align)
{
    auto* label = Named<TSkinLabel>(parent, name);
    label->setAutoSizeToPicture(false);
    label->setText(text);
    label->setAlignment(align);
    label->setGeometry(rect);
    return label;
}

TSkinLabel* SkinButton(QWidget* parent, const QString& button, const QString& caption,
                       QPoint pos, const QString& picture)
{
    TSkinLabel* image = Picture(parent, QStringLiteral("Img_") + button, pos, picture);
    TSkinLabel* label = Caption(parent, QStringLiteral("Btn_") + button, caption, image->geometry(),
                                Qt::AlignCenter);
    label->raise();
    return label;
}

SkinChoiceControls ChoiceOf(QWidget* parent, const char* marker, const char* caption, const char* radio)
{
    return {parent->findChild<TSkinLabel*>(QString::fromLatin1(marker)),
            parent->findChild<TSkinLabel*>(QString::fromLatin1(caption)),
            parent->findChild<QRadioButton*>(QString::fromLatin1(radio))};
}

void HoverPictures(TSkinLabel* button, TSkinLabel* picture, const QString& entered, const QString& left,
                   bool onlyWhenEnabled)
{
    QObject::connect(button, &TSkinLabel::mouseEntered, picture, [button, picture, entered, onlyWhenEnabled] {
        if (!onlyWhenEnabled || button->isEnabled())
            picture->setPicture(entered);
    });
    QObject::connect(button, &TSkinLabel::mouseLeft, picture, [picture, left] { picture->setPicture(left); });
}

QRadioButton* HiddenRadio(QWidget* parent, const QString& name, QButtonGroup* group)
{
    auto* radio = Named<QRadioButton>(parent, name);
    radio->hide();
    if (group)
        group->addButton(radio);
    return radio;
}

QCheckBox* HiddenCheck(QWidget* parent, const QString& name)
{
    auto* check = Named<QCheckBox>(parent, name);
    check->hide();
    return check;
}

QRadioButton* Radio(QWidget* parent, const QString& name, const QString& text, QRect rect,
                    QButtonGroup* group)
{
    auto* radio = Named<QRadioButton>(parent, name);
    radio->setText(text);
    radio->setGeometry(rect);
    if (group)
        group->addButton(radio);
    return radio;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& text, QRect rect)
{
    auto* check = Named<QCheckBox>(parent, name);
    check->setText(text);
    check->setGeometry(rect);
    return check;
}

QPushButton* PushButton(QWidget* parent, const QString& name, const QString& text, QRect rect)
{
    auto* button = Named<QPushButton>(parent, name);
    button->setText(text);
    button->setGeometry(rect);
    return button;
}

QGroupBox* Group(QWidget* parent, const QString& name, const QString& title, QRect rect)
{
    auto* group = Named<QGroupBox>(parent, name);
    group->setTitle(title);
    group->setGeometry(rect);
    return group;
}

QComboBox* Combo(QWidget* parent, const QString& name, QRect rect, const QStringList& items)
{
    auto* combo = Named<QComboBox>(parent, name);
    combo->addItems(items);
    combo->setGeometry(rect);
    return combo;
}

QSlider* Slider(QWidget* parent, const QString& name, QRect rect, int minimum, int maximum)
{
    auto* slider = Named<QSlider>(parent, name);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setPageStep(100);
    slider->setSingleStep(100);
    slider->setGeometry(rect);
    return slider;
}

QListWidget* List(QWidget* parent, const QString& name, QRect rect)
{
    auto* list = Named<QListWidget>(parent, name);
    list->setGeometry(rect);
    list->setUniformItemSizes(true);
    return list;
}

QPlainTextEdit* HiddenMemo(QWidget* parent, const QString& name)
{
    auto* memo = Named<QPlainTextEdit>(parent, name);
    memo->hide();
    return memo;
}

TKVRNEdit* Edit(QWidget* parent, const QString& name, QRect rect, const QString& text)
{
    auto* edit = Named<TKVRNEdit>(parent, name);
    edit->setGeometry(rect);
    edit->setText(text);
    return edit;
}

TKVRNEdit* SignedEdit(QWidget* parent, const QString& name, QRect rect)
{
    TKVRNEdit* edit = Edit(parent, name, rect, QStringLiteral("0"));
    edit->setMaxLength(4);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
    return edit;
}

TIntEdit* IntEdit(QWidget* parent, const QString& name, QRect rect, int maxLength,
                  const QString& text)
{
    auto* edit = Named<TIntEdit>(parent, name);
    edit->setGeometry(rect);
    edit->setMaxLength(maxLength);
    edit->setText(text);
    return edit;
}

TRectShape* Swatch(QWidget* parent, const QString& name, QRect rect)
{
    auto* swatch = Named<TRectShape>(parent, name);
    swatch->setGeometry(rect);
    swatch->setShadow(false);
    return swatch;
}

QFrame* Panel(QWidget* parent, const QString& name, QRect rect)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    return frame;
}

void SkinChoice(QWidget* parent, const ChoiceNames& names, const QString& text, QPoint pos, int captionWidth,
                bool selected, QButtonGroup* group)
{
    constexpr int kCaptionIndent = 24, kCaptionRaise = 3, kCaptionHeight = 24;
    TSkinLabel* marker = Picture(parent, names.marker, pos, selected ? "RdS_E" : "RdS_D");
    TSkinLabel* label = Caption(parent, names.label, text,
                                QRect(pos.x() + kCaptionIndent, pos.y() - kCaptionRaise, captionWidth, kCaptionHeight));
    HiddenRadio(parent, names.radio, group)->setChecked(selected);
    // Marker and caption are one control: a click on the marker is the caption's click.
    QObject::connect(marker, &TSkinLabel::clicked, label, &TSkinLabel::clicked);
}

} // namespace tarq::pages
