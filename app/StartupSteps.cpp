// The steps of the start-up sequence and of the page changes that belong to other subsystems:
// the skin and layout, the language texts, and the hooks that the device, image, macro and
// pointer-settings code fill. Each is called at its place in the sequence.

#include "app/Main.h"
#include "app/AppFolders.h"
#include "macros/ui/MacroRecording.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include "config/SettingsMapping.h"
#include "device/DeviceCommands.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPictures.h"
#include "ui/language/LanguageApply.h"
#include "ui/language/LanguageSwitch.h"
#include "ui/skin/ConfigText.h"
#include "ui/skin/Resources.h"
#include "ui/skin/SkinWindow.h"

namespace tarq {

namespace {

constexpr int kOverlays = 4;

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
        SetPicture(QStringLiteral("Img_Base_1"), QStringLiteral("L1_BackGround"));
        skin = control("Img_Base_1")->size();
        StartupProblems << QStringLiteral("L1_BackGround: picture missing");
        for (int n = 1; n <= kOverlays; ++n)
            if (QWidget* overlay = control(QStringLiteral("Disable_All_") + QString::number(n)))
                overlay->resize(skin);
    }
    SkinWidth = skin.width();
    SkinHeight = skin.height();
}

void TForm1::SizeWindowToSkin()
{
    tarq::SizeWindowToSkin(this, QSize(SkinWidth, SkinHeight));
}

void TForm1::SizeWindowForEngineer()
{
    tarq::SizeWindowForEngineer(this, QSize(SkinWidth, SkinHeight));
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
    Org = result.org;
    for (const ConfigProblem& problem : result.problems)
        StartupProblems << QString::fromStdString(problem.Describe());
    DataFolder = QString::fromStdString(Org.path);
    EepromMode = Org.EepromMode();
}

void TForm1::ApplyLayout()
{
    LayoutOptions options;
    options.languageIndex = LanguageIndex;
    options.currentPage = NoDeviceView ? 1 : Navigation::PageOf(nav_->CurrentView());
    options.gameMode = nav_->CurrentView() == View::Game;
    options.org = Org;
    const LayoutResult result = tarq::ApplyLayout(this, options);
    Style = result.style;
    for (const QString& line : result.ProblemLines())
        if (!StartupProblems.contains(line))
            StartupProblems << line;

    // The layout key the page change needs later: whether the third long-press option exists.
    const QString resource = QStringLiteral("ORG%1").arg(LanguageIndex);
    const ConfigText layout = ConfigText::Parse(ResourceBytes(resource).toStdString());
    ComboKey3Enable = layout.Value(QStringLiteral("org%1").arg(LanguageIndex).toStdString(),
                                   "ComboKey3_Enable") == std::optional<std::string>("1");

    ApplyPopupStyle();
    FitUnkeyedControls();
    ApplyLanguage();
}

// Controls the layout configuration has no keys for follow the controls it places.
void TForm1::FitUnkeyedControls()
{
    // The event list is as tall as the macro list beside it.
    auto* names = control("LB_PCMacroName");
    if (QWidget* events = control("LB_macro"); names && events)
        events->resize(events->width(), names->height());

    // The breathing speed slider runs just above its step bar, over the same width.
    QWidget* first = control("Img_MCULEDStep_1");
    auto* slider = control("slider_Breath_Speed");
    if (first && slider && slider->parentWidget() == first->parentWidget()) {
        constexpr int kSliderHeight = 18;
        constexpr int kSliderWidth = 225;   // the width the slider's mouse-up rule measures
        slider->setGeometry(first->x(), first->y() - kSliderHeight - 6, kSliderWidth, kSliderHeight);
    }
}

void TForm1::ApplyPopupStyle()
{
    // The two pop-up lists of the menus take the menus' colours.
    for (const char* name : {"LB_Name", "LB_Script"})
        if (QWidget* list = control(name)) {
            SetColour(list, QPalette::Base, Style.menuBack);
            SetColour(list, QPalette::Text, Style.menuFont);
        }
}

// ---------------------------------------------------------------- language

void TForm1::ApplyLanguage()
{
    const LanguageTexts texts = tarq::ApplyLanguage(this, LanguageIndex);
    Texts = TextFields(texts);
    FontName = ToQString(texts.fontName);
    Title = ToQString(texts.title);
}

void TForm1::ApplyEngineerCaptions()
{
    tarq::ApplyEngineerCaptions(this, EngineerCaptions(SystemLocaleId()));
}

void TForm1::SwitchLanguage(int language)
{
    LanguageSwitchHooks hooks;
    hooks.setPicture = [this](const QString& control, const QString& picture) {
        SetPicture(control, picture);
    };
    hooks.applyLayout = [this](int index) {
        LanguageIndex = index;
        ApplyLayout();
        return Title;
    };
    hooks.setTitle = [this](const QString& title) { Title = title; };
    hooks.refreshPage = [this] { nav_->RefreshAPPage(); };
    hooks.restartRolling = [this](const QString& label, const QString& caption) {
        Navigation& nav = *nav_;
        nav.HoveredLabel = label;
        nav.HoveredCaption = caption;
        nav.RollingCaption = caption;
        nav.RollingCount = 0;
    };
    tarq::SwitchLanguage(this, language, hooks);
}

// ---------------------------------------------------------------- engineer page and gun page

void TForm1::Img_Base_5DblClick()
{
    for (const char* name : {"Gb_FireEditor", "Btn_FireStart", "Img_FireStart", "LB_FireMacroName",
                             "LB_FireMacro", "GB_FireDelay", "Img_FireDelay"})
        if (QWidget* w = control(name))
            w->show();
}

void TForm1::Img_Logo4DblClick()
{
    if (auto* tabs = control<QTabWidget>("Pg_Parameter"))
        if (QWidget* engineer = control("ts_Engineer"))
            tabs->setTabVisible(tabs->indexOf(engineer), true);
    for (const char* name : {"Btn_Default", "Btn_ImportGunMacro"})
        if (QWidget* w = control(name))
            w->show();
    for (const char* name : {"gbLEDType", "rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED",
                             "lbl_SensorOri", "cb_SensorOri"})
        if (QWidget* w = control(name))
            w->setEnabled(true);
}

// ---------------------------------------------------------------- no-device state

void TForm1::RefreshErrorAP()
{
    InitNoDevice();
    NoDeviceView = true;
    nav_->ShowOnlyPage(1);
    for (int copy = 1; copy <= kOverlays; ++copy) {
        const QString n = QString::number(copy);
        SetPicture("Img_Main_" + n, QStringLiteral("SetS_03"));
        for (const char* button : {"Img_Second_", "Img_Adv_", "Img_Breath_", "Img_Macro_", "Img_Engineer_"})
            SetPicture(QLatin1String(button) + n, QStringLiteral("SetS_01"));
    }
}

void TForm1::InitNoDevice() { commands_->InitNoDevice(); }

// ---------------------------------------------------------------- hooks of other subsystems

void TForm1::ResetEditingFlags() { MacroInsertMode = false; }
// The library file of the mode, read or (the first time) created from the built-in empty
// library; the macro list shows it.
void TForm1::LoadMacroLibrary()
{
    MacroLibrary.eepromMode = EepromMode;
    MacroLibrary.path = DataFilePath(DataFolder, AppFolder,
                                     EepromMode ? QStringLiteral("Macro.bin") : QStringLiteral("Driver_Macro.bin"));
    QString error;
    if (!LoadMacroLibraryFile(MacroLibrary, &error))
        StartupProblems << QStringLiteral("Macro library: ") + error;
    recording_->RefreshPCMacroName();
}
void TForm1::LoadFireMacroFile() {}
void TForm1::RefreshMouseSystemParameterA() {}
void TForm1::RefreshMouseSystemParameterB() {}
void TForm1::ApplyPointerSettings() {}
void TForm1::RefreshProfile1Keys() { settings_->RefreshProfile1Keys(); }
void TForm1::RefreshProfile2Keys() { settings_->RefreshProfile2Keys(); }
void TForm1::TLRefreshProfile1Keys() { settings_->TLRefreshProfile1Keys(); }
void TForm1::TLRefreshProfile2Keys() { settings_->TLRefreshProfile2Keys(); }

} // namespace tarq
