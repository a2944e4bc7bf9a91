// SPDX-License-Identifier: GPL-2.0-or-later
// The form's own start-up steps: the skin and layout, and the language texts and captions.

#include "app/Main.h"
#include "skin/LayoutKeys.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include "macros/ui/MacroEditor.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPictures.h"
#include "ui/language/FaceCheck.h"
#include "ui/language/LanguageApply.h"
#include "skin/ConfigText.h"
#include "ui/skin/Resources.h"
#include "ui/skin/SkinWindow.h"

namespace tarq {

namespace {


void SetColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = w->palette();
    palette.setColor(role, colour);
    w->setPalette(palette);
}

} // namespace

// ---------------------------------------------------------------- skin and layout

void TForm1::LoadBackground()
{
    QSize skin = tarq::LoadBackground(this);
    if (skin.isEmpty()) {
        // Without its background the window still opens, drawn in the skin's colours.
        TSkinLabel* background = frames_[0].background;
        background->setPicture(QStringLiteral("L1_BackGround"));
        skin = background->size();
        state_.StartupProblems << QStringLiteral("L1_BackGround: picture missing");
        for (const FrameControls& frame : frames_)
            frame.overlay->resize(skin);
    }
    state_.SkinWidth = skin.width();
    state_.SkinHeight = skin.height();
}

void TForm1::SizeWindowToSkin()
{
    tarq::SizeWindowToSkin(this, QSize(state_.SkinWidth, state_.SkinHeight));
}

void TForm1::SizeWindowForEngineer()
{
    tarq::SizeWindowForEngineer(this, QSize(state_.SkinWidth, state_.SkinHeight));
}

void TForm1::ApplyWindowAppearance()
{
    setWindowFlag(Qt::FramelessWindowHint, true);
    ApplyTransparencyKey(this);
}

void TForm1::LoadSkinImages()
{
    tarq::LoadSkinImages(this);
}

void TForm1::ReadOrgConfiguration()
{
    const OrgReadResult result = ReadOrgConfigurationResource();
    state_.Org = result.org;
    for (const ConfigProblem& problem : result.problems)
        state_.StartupProblems << QString::fromStdString(problem.Describe());
    state_.DataFolder = QString::fromStdString(state_.Org.path);
    state_.Home.Choose(state_.Org.EepromMode() ? ConfigurationMode::Eeprom : ConfigurationMode::Driver);
}

void TForm1::ApplyLayout()
{
    LayoutOptions options;
    options.languageIndex = state_.LanguageIndex;
    options.currentPage = state_.NoDeviceView ? 1 : Navigation::PageOf(nav_->CurrentView());
    options.gameMode = nav_->CurrentView() == View::Game;
    options.org = state_.Org;
    const LayoutResult result = tarq::ApplyLayout(this, options);
    state_.Style = result.style;
    for (const QString& line : result.ProblemLines())
        if (!state_.StartupProblems.contains(line))
            state_.StartupProblems << line;

    // The layout key the page change needs later: whether the third long-press option exists.
    const QString resource = QStringLiteral("ORG%1").arg(state_.LanguageIndex);
    const ConfigText layout = ConfigText::Parse(ResourceBytes(resource).toStdString());
    state_.ComboKey3Enable = layout.Value(QStringLiteral("org%1").arg(state_.LanguageIndex).toStdString(),
                                   "ComboKey3_Enable") == std::optional<std::string>("1");

    ApplyPopupStyle();
    FitUnkeyedControls();
    ApplyLanguage();
}

// Controls the layout configuration has no keys for follow the controls it places.
void TForm1::FitUnkeyedControls()
{
    // The event list is as tall as the macro list beside it.
    macroEditor_->FitEventListToNames();

    // The breathing speed slider runs just above its step bar, over the same width, from the
    // bar's slow end (its segment 8) at the left: its handle stops over the segments' middles.
    QWidget* first = lightPage_.speedBar.back().picture;
    QSlider* slider = lightPage_.breathSpeed;
    if (slider->parentWidget() == first->parentWidget()) {
        constexpr int kSliderHeight = 18;
        constexpr int kSliderWidth = 225;   // the width the slider's mouse-up rule measures
        const int handle = slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
        slider->setGeometry(first->x() + (first->width() - handle) / 2, first->y() - kSliderHeight - 6,
                            kSliderWidth, kSliderHeight);
    }
}

void TForm1::ApplyPopupStyle()
{
    // The two pop-up lists of the menus take the menus' colours.
    for (QListWidget* list : {menus_.macros, menus_.gunKeys}) {
        SetColour(list, QPalette::Base, state_.Style.menuBack);
        SetColour(list, QPalette::Text, state_.Style.menuFont);
    }
}

// ---------------------------------------------------------------- language

void TForm1::ApplyLanguage()
{
    const LanguageTexts texts = tarq::ApplyLanguage(this, state_.LanguageIndex);
    state_.Texts = TextFields(texts);
    state_.FontName = ToQString(texts.fontName);
    state_.Title = ToQString(texts.title);
    TellMissingFace(state_.FontName, state_.MissingFacesTold);
    engineerPage_.testKeys->setStatusTip(state_.Text(kTextKeyTestTip));
}

void TForm1::ApplyEngineerCaptions(uint32_t localeId)
{
    state_.EngineerCaptionLocale = localeId;
    tarq::ApplyEngineerCaptions(this, EngineerCaptions(localeId));
}

} // namespace tarq
