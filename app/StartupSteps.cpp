// The steps of the start-up sequence and of the page changes that belong to other subsystems:
// the skin and layout, the language texts, and the hooks that the device, image, macro and
// pointer-settings code fill. Each is called at its place in the sequence.

#include "app/Main.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPictures.h"
#include "ui/pages/DefaultTexts.h"

namespace tarq {

namespace {

constexpr int kOverlays = 4;
constexpr int kSkinnedPages = 5;
constexpr QSize kEngineerSize{1000, 600};
const QColor kTransparencyKey{128, 0, 0};

const char* const kMenuPanels[] = {"Pnl_Main", "Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey",
                                   "Pnl_Media", "Pnl_WWW", "Pnl_MyPC"};
const char* const kTextButtonPanels[] = {"Pnl_PCMacro", "Pnl_DevContent", "Pnl_DevFireContent"};

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
    SetPicture(QStringLiteral("Img_Base_1"), QStringLiteral("L1_BackGround"));
    const QWidget* base = control("Img_Base_1");
    const QSize skin = base && base->width() > 1 ? base->size() : QSize(1030, 662);
    SkinWidth = skin.width();
    SkinHeight = skin.height();
    for (int n = 1; n <= kOverlays; ++n)
        if (QWidget* overlay = control(QStringLiteral("Disable_All_") + QString::number(n)))
            overlay->resize(skin);
}

void TForm1::SizeWindowToSkin()
{
    const QSize skin(SkinWidth, SkinHeight);
    setFixedSize(skin);
    for (int p = 1; p <= kSkinnedPages; ++p)
        if (QWidget* page = control(QStringLiteral("gbPage") + QString::number(p)))
            page->resize(skin);
    if (QWidget* engineer = control("gbPage6"))
        engineer->resize(kEngineerSize);
    // The corners of the skin are see-through.
    const auto* base = control<QLabel>("Img_Base_1");
    if (base && !base->pixmap().isNull())
        setMask(base->pixmap().createMaskFromColor(kTransparencyKey, Qt::MaskInColor));
}

void TForm1::SizeWindowForEngineer()
{
    clearMask();
    setFixedSize(kEngineerSize);
    for (int p = 1; p <= kSkinnedPages; ++p)
        if (QWidget* page = control(QStringLiteral("gbPage") + QString::number(p)))
            page->resize(SkinWidth, SkinHeight);
    if (QWidget* engineer = control("gbPage6"))
        engineer->resize(kEngineerSize);
}

void TForm1::ApplyWindowAppearance()
{
    setWindowFlag(Qt::FramelessWindowHint, true);
    SetColour(this, QPalette::Window, kTransparencyKey);
}

void TForm1::LoadSkinImages()
{
    for (int p = 1; p <= kSkinnedPages; ++p)
        SetPicture(QStringLiteral("Img_Base_") + QString::number(p), QStringLiteral("L1_BackGround"));
}

void TForm1::ReadOrgConfiguration()
{
    Org = OrgConfiguration{};
    DataFolder = QString::fromStdString(Org.path);
    EepromMode = Org.EepromMode();
}

void TForm1::ApplyLayout()
{
    Style = LayoutStyle{};
    Style.menuFont = QColor(222, 226, 232);
    Style.menuBack = QColor(24, 27, 33);
    Style.menuBorder = QColor(70, 76, 90);
    Style.menuHoverFont = Qt::white;
    Style.menuHoverBack = QColor(0, 160, 227);
    Style.macroFont = QColor(222, 226, 232);
    Style.macroListBack = QColor(22, 25, 31);
    Style.macroListBorder = QColor(70, 76, 90);
    Style.textButtonFont = QColor(222, 226, 232);
    Style.textButtonBack = QColor(34, 38, 46);
    Style.macroSelected = QColor(0, 160, 227);
    ApplyPopupStyle();
    ApplyLanguage();
}

void TForm1::ApplyPopupStyle()
{
    for (const char* name : kMenuPanels) {
        auto* panel = control<QFrame>(name);
        if (!panel)
            continue;
        panel->setAutoFillBackground(true);
        SetColour(panel, QPalette::Window, Style.menuBack);
        panel->setFrameShape(QFrame::Box);
        SetColour(panel, QPalette::WindowText, Style.menuBorder);
        for (QLabel* entry : panel->findChildren<QLabel*>())
            SetColour(entry, QPalette::WindowText, Style.menuFont);
    }
    for (const char* name : kTextButtonPanels) {
        auto* panel = control<QFrame>(name);
        if (!panel)
            continue;
        panel->setAutoFillBackground(true);
        SetColour(panel, QPalette::Window, Style.menuBorder);
        for (QLabel* button : panel->findChildren<QLabel*>()) {
            SetColour(button, QPalette::Window, Style.textButtonBack);
            SetColour(button, QPalette::WindowText, Style.textButtonFont);
        }
    }
    for (const char* name : {"LB_Name", "LB_Script"})
        if (QWidget* list = control(name)) {
            SetColour(list, QPalette::Base, Style.menuBack);
            SetColour(list, QPalette::Text, Style.menuFont);
        }
}

// ---------------------------------------------------------------- language

void TForm1::ApplyLanguage()
{
    Texts.clear();
    for (int id = 0; id <= 999; ++id)
        if (const QString text = pages::DefaultText(id); !text.isEmpty())
            Texts.insert(id, text);
    FontName = QStringLiteral("Calibri");
    Title = QStringLiteral("USB Gaming Mouse");
}

void TForm1::SwitchLanguage(int language)
{
    for (int l = 1; l <= 3; ++l)
        for (int copy = 1; copy <= kOverlays; ++copy)
            SetPicture(QStringLiteral("Img_Lang%1_%2").arg(l).arg(copy),
                       l == language ? QStringLiteral("SetS_03") : QStringLiteral("SetS_01"));
    if (auto* radio = control<QRadioButton>(QStringLiteral("rb_Lang") + QString::number(language)))
        radio->setChecked(true);

    auto* insertList = control<QComboBox>("CB_Insert");
    const int insertIndex = insertList ? insertList->currentIndex() : -1;
    for (const char* name : {"Gb_Delay", "lbl_Record_Delay", "lbl_Delay_Setting", "lbl_No_Delay",
                             "lbl_MS", "lbl_Stop_Release", "lbl_Stop_Over"})
        if (QWidget* w = control(name))
            w->hide();

    LanguageIndex = language;
    ApplyLayout();

    if (insertList && insertIndex >= 0 && insertIndex < insertList->count())
        insertList->setCurrentIndex(insertIndex);
    nav_->RefreshAPPage();

    const QString firstButton = QStringLiteral("Btn_Lang%1_1").arg(language);
    Navigation& nav = *nav_;
    nav.HoveredLabel = firstButton;
    nav.HoveredCaption = control<QLabel>(firstButton) ? control<QLabel>(firstButton)->text() : QString();
    nav.RollingCaption = nav.HoveredCaption;
    nav.RollingCount = 0;
}

// ---------------------------------------------------------------- engineer page and gun page

void TForm1::Img_Base_5DblClick()
{
    for (const char* name : {"Btn_FireStart", "Img_FireStart", "LB_FireMacroName", "LB_FireMacro",
                             "GB_FireDelay", "Img_FireDelay"})
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

// Until the default image is unpacked and shown here, the view it would select is office.
void TForm1::InitNoDevice()
{
    if (auto* office = control<QRadioButton>("rb_1"))
        office->setChecked(true);
}

// ---------------------------------------------------------------- hooks of other subsystems

void TForm1::ResetEditingFlags() { MacroInsertMode = false; }
void TForm1::LoadMacroLibrary() {}
void TForm1::LoadFireMacroFile() {}
void TForm1::ApplyEngineerCaptions() {}
void TForm1::ReadDefaultImage() {}
void TForm1::ResetDeviceLink() { HidHandleValid = false; }
void TForm1::RefreshMouseSystemParameterA() {}
void TForm1::RefreshMouseSystemParameterB() {}
void TForm1::DevTimerTimer() {}
void TForm1::RefreshProfile1Keys() {}
void TForm1::RefreshProfile2Keys() {}
void TForm1::TLRefreshProfile1Keys() {}
void TForm1::TLRefreshProfile2Keys() {}

} // namespace tarq
