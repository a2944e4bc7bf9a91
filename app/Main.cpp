// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Main.h"
#include "skin/LayoutKeys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

#include "app/AppFolders.h"
#include "app/AppIcon.h"
#include "platform/SaveFailureNotice.h"
#include "app/FormLoading.h"
#include "app/WindowPrompts.h"
#include "config/ui/SettingsMapping.h"
#include "device/DeviceSession.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/ui/FireMacroEditor.h"
#include "firemacros/ui/GunKeyListEditor.h"
#include "firemacros/ui/GunPage.h"
#include "firemacros/ui/GunSlotEdits.h"
#include "macros/ui/MacroEditor.h"
#include "macros/ui/MacroImportExport.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/MacroLibraryStore.h"
#include "settings/ui/AssignmentEditor.h"
#include "settings/ui/DpiEditor.h"
#include "settings/SystemPointerSettings.h"
#include "settings/memory/MemoryPointerSettingsStore.h"
#include "settings/ui/FireKeyEditor.h"
#include "settings/ui/LightEditor.h"
#include "settings/ui/PointerSettingsEditor.h"
#include "ui/HexEdit.h"
#include "ui/ListItemHeight.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/engineer/KeyTest.h"
#include "ui/language/LanguageSwitch.h"
#include "ui/pages/PageKit.h"
#include "ui/pages/Pages.h"

#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace tarq {

namespace {

constexpr int kDevTimerMs = 3000;
constexpr int kDevTimerFirstMs = 20;
constexpr int kPumpSleepMs = 10;
constexpr int kSkinnedPages = 5;
constexpr int kPages = PageViewControls::kPages;
constexpr QSize kDefaultSkin{1030, 662};

// The views' hidden radio buttons and the languages' ones.
const char* const kViewRadios[] = {"rb_1", "rb_2", "rb_4", "rb_5", "rb_6", "rb_7"};
const char* const kLanguageRadios[] = {"rb_Lang1", "rb_Lang2", "rb_Lang3"};

QPalette SkinPalette()
{
    QPalette p;
    const QColor text(222, 226, 232);
    const QColor field(22, 25, 31);
    p.setColor(QPalette::Window, QColor(18, 20, 25));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, field);
    p.setColor(QPalette::AlternateBase, QColor(30, 34, 41));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(40, 44, 52));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0, 160, 227));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(114, 113, 113));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(114, 113, 113));
    return p;
}

// The application's palette with every role set, so nothing of the window's see-through key
// colour reaches a page that uses it.
QPalette SystemPalette()
{
    const QPalette system = QApplication::palette();
    QPalette p;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            p.setColor(g, r, system.color(g, r));
        }
    return p;
}

} // namespace

TForm1::TForm1(QWidget* parent, DeviceOptions devices)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), deviceOptions_(devices)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    // The program's message dialog is captioned with the language's title; the plain message
    // box has no caption of its own.
    ShowStandardMessage = [this](const QString& text) { ShowMessageBox(QString(), text, QFont()); };
    ShowDialogMessage = [this](const QString& text) { ShowMessageBox(state_.Title, text, QFont(state_.FontName)); };
    prompts_ = std::make_unique<WindowPrompts>(*this);

    state_.DevTimer.setObjectName(QStringLiteral("DevTimer"));
    state_.DevTimer.setInterval(kDevTimerMs);
    state_.DevTimerFirst.setObjectName(QStringLiteral("DevTimerFirst"));
    state_.DevTimerFirst.setInterval(kDevTimerFirstMs);

    BuildControls();
    CreateSubsystems();
    FormCreate();
}

// The device session goes before the engineer page: a key test's worker must not outlive it.
TForm1::~TForm1()
{
    if (engineer_)
        engineer_->Keys().Abandon();
}

namespace {

// The skin's dark surface with the accent colour on the buttons, so that a message or a question
// never looks like it came from another program.
void SkinMessageBox(QMessageBox& box, const QFont& font)
{
    box.setFont(font);
    // Windows gives push buttons a font of their own, which the box's font does not reach.
    for (QAbstractButton* button : box.buttons())
        button->setFont(font);
    // The look of the skinned dialogs: their card colour under an accent line, and buttons
    // drawn like the skin's button pictures at rest, under the pointer and pressed.
    box.setStyleSheet(QStringLiteral(
        "QMessageBox { background: #151a22; border-top: 1px solid #00a0e3; }"
        "QMessageBox QLabel { color: #ebf0f5; font-size: 13px; padding: 6px 4px; }"
        "QPushButton { color: #ebf0f5; border: 1px solid #006896; border-radius: 6px; font-size: 13px;"
        " min-width: 96px; min-height: 22px; padding: 6px 14px; outline: none;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #28303d, stop:1 #1f252f); }"
        "QPushButton:hover { border-color: #51c9fb;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #46c4fa, stop:1 #00a0e3); }"
        "QPushButton:pressed { border-color: #00a0e3;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #004f73, stop:1 #006896); }"
        "QPushButton:focus { border-color: #00a0e3; }"));
}

// A button's caption in the chosen language, or the given English one where the language file
// has none.
QString ButtonText(const FormState& state, int strId, const char* english)
{
    const QString text = state.Text(strId);
    return text.isEmpty() ? QString::fromLatin1(english) : text;
}

} // namespace

void TForm1::ShowMessageBox(const QString& caption, const QString& text, const QFont& font)
{
    BuildMessageBox(caption, text, font, false)->exec();
}

bool TForm1::AskQuestion(const QString& text) { return AskYesNo(state_.Title, text, QFont(state_.FontName)); }

bool TForm1::AskYesNo(const QString& caption, const QString& text, const QFont& font)
{
    return BuildMessageBox(caption, text, font, true)->exec() == QMessageBox::Yes;
}

std::unique_ptr<QMessageBox> TForm1::DialogBox(const QString& text, bool question)
{
    return BuildMessageBox(state_.Title, text, QFont(state_.FontName), question);
}

// No is the default button of a question and Escape answers no: a question that guards the
// user's work must never be answered yes by a stray Enter.
std::unique_ptr<QMessageBox> TForm1::BuildMessageBox(const QString& caption, const QString& text, const QFont& font,
                                                     bool question)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, caption, text,
                                             question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, this);
    if (question) {
        box->button(QMessageBox::Yes)->setText(ButtonText(state_, kTextYes, "Yes"));
        box->button(QMessageBox::No)->setText(ButtonText(state_, kTextNo, "No"));
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->button(QMessageBox::Ok)->setText(ButtonText(state_, kTextOk, "OK"));
    }
    SkinMessageBox(*box, font);
    return box;
}

// Every subsystem receives the shared state, the controls and the window's services, and the
// subsystems it calls; each connects its own controls. The device commands come with the device
// session, when the start-up sequence resets the device link.
void TForm1::CreateSubsystems()
{
    settings_ = std::make_unique<SettingsMapping>(
        state_, state_,
        SettingsMapping::ShownPages{engineerPage_.settings, engineerPage_.engineerTab, buttonPage_, dpiPage_, lightPage_, fireKeyPage_});
    fireMacroEditor_ = std::make_unique<FireMacroEditor>(state_, state_, *this, gunPage_.editor, deviceOptions_.inputCapture);
    gun_ = std::make_unique<GunPage>(state_, state_, state_, *this, gunPage_, *fireMacroEditor_, *settings_, buttonPage_);
    gun_->hooks.menuKeyNumber = [this] { return nav_->MenuKeyNumber; };
    gun_->hooks.gameView = [this] { return nav_->CurrentView() == View::Game; };
    gun_->hooks.device = [this] { return device_.get(); };
    // The macro page's subsystems need nothing built later: the navigation and the engineer
    // page below hold them.
    macroPage_.fireEventMenu = gunPage_.editor.popup;
    macroPage_.assignmentNames = menus_.macros;
    macroPage_.importBaseMacro = engineerPage_.importBaseMacro;
    macroLibrary_ = std::make_unique<MacroLibraryStore>(state_, state_, state_, macroPage_, *this);
    recording_ = std::make_unique<MacroRecording>(state_, state_, state_, macroPage_, *this, *macroLibrary_,
                                                  deviceOptions_.inputCapture);
    macroEditor_ = std::make_unique<MacroEditor>(state_, state_, state_, macroPage_, *this, *recording_, *macroLibrary_);
    macroFiles_ = std::make_unique<MacroImportExport>(
        state_, state_, state_, state_, macroPage_, *this, *recording_, *macroLibrary_,
        MacroImportExport::Hooks{[this] { return device_.get(); },
                                 [this] {
                                     if (commands_)
                                         commands_->WriteCutByUnplug();
                                 }});
    engineer_ = std::make_unique<EngineerPage>(
        state_, state_, engineerPage_, frames_, *this, *recording_,
        EngineerPage::Hooks{[this]() -> FeatureProtocol* { return device_ ? &device_->Protocol : nullptr; }});
    nav_ = std::make_unique<Navigation>(state_,
                                        Navigation::Pages{pageViews_, frames_, buttonPage_, menus_, macroPage_, gunPage_,
                                                          engineerPage_},
                                        *this, *settings_, *gun_, *engineer_, *macroEditor_,
                                        Navigation::Hooks{[this] { return device_ && device_->Link.mouseOpen(); }});
    connect(recording_.get(), &MacroRecording::menusHideRequested, nav_.get(), [this] { nav_->HideAllMenu(); });
    connect(macroFiles_.get(), &MacroImportExport::menusHideRequested, nav_.get(), [this] { nav_->HideAllMenu(); });
    connect(engineer_.get(), &EngineerPage::menusHideRequested, nav_.get(), [this] { nav_->HideAllMenu(); });
    connect(engineer_.get(), &EngineerPage::pageRequested, nav_.get(), [this] { nav_->Btn_Engineer_0Click(); });
    settings_->hooks.showKeyModeView = [this](bool game) {
        nav_->ButtonTypeB_1IconInit();
        nav_->ShowView(game ? View::Game : View::Office);
    };

    language_ = std::make_unique<LanguageSwitch>(controls_, *this, *nav_, [this](int index) {
        state_.LanguageIndex = index;
        ApplyLayout();
        if (gun_)
            gun_->Slots().LayoutApplied();
        if (pointer_)
            pointer_->ShowHintText();
        // The language buttons work while the pages are covered: the no-device note follows.
        for (const FrameControls& frame : frames_)
            if (!frame.overlay->text().isEmpty())
                frame.overlay->setText(state_.Text(DeviceCommands::kTextNoDevice));
        return state_.Title;
    });

    dpiEditor_ = std::make_unique<DpiEditor>(state_, state_, engineerPage_.settings, *this, *settings_, dpiPage_);
    lightEditor_ = std::make_unique<LightEditor>(engineerPage_.settings, *settings_, lightPage_);
    fireKey_ = std::make_unique<FireKeyEditor>(engineerPage_.settings, *settings_, fireKeyPage_);
    assignmentEditor_ = std::make_unique<AssignmentEditor>(
        state_, state_, state_, buttonPage_, menus_, *this,
        AssignmentEditor::Peers{*nav_, *settings_, *engineer_, *gun_, *macroEditor_});
    gunKeys_ = std::make_unique<GunKeyListEditor>(state_, state_, engineerPage_, menus_, *this, *gun_, *nav_);
    connect(gun_.get(), &GunPage::menusHideRequested, nav_.get(), [this] { nav_->HideAllMenu(); });
    connect(gun_.get(), &GunPage::pageRequested, nav_.get(), [this](int page) { nav_->ShowOnlyPage(page); });
    connect(gun_.get(), &GunPage::messageRequested, nav_.get(),
            [this](const QString& text) { nav_->RefreshFormMessagDialog(text); });
    connect(gun_.get(), &GunPage::pageLeft, macroEditor_.get(), [this] { macroEditor_->ClearEventList(); });
    CreatePointerSettings();

    nav_->Wire();
    settings_->Wire();
    language_->Wire();
    gun_->Wire();
    engineer_->Wire();
    dpiEditor_->Wire();
    lightEditor_->Wire();
    fireKey_->Wire();
    assignmentEditor_->Wire();
    recording_->Wire();
    macroEditor_->Wire();
    macroFiles_->Wire();
    fireMacroEditor_->Wire();
    gunKeys_->Wire();
    pointer_->Wire();
    // Last: an edit's own rule corrects its text before the settings model takes it.
    settings_->WireBindings();
    WireWindowButtons();
}

// The system's pointer settings, or for --demo a copy in memory: trying the program with the
// emulated mouse must not change the user's desktop.
void TForm1::CreatePointerSettings()
{
    PointerSettingsStore* store = deviceOptions_.pointerStore;
    if (!store) {
        ownPointerStore_ = CreateSystemPointerSettingsStore();
        if (deviceOptions_.demo)
            ownPointerStore_ = std::make_unique<MemoryPointerSettingsStore>(
                MemoryPointerSettingsStore::SeededFrom(*ownPointerStore_));
        store = ownPointerStore_.get();
    }
    pointer_ = std::make_unique<PointerSettingsEditor>(state_, pointerSettings_, *store);
}

// The window's own buttons: exit and minimise on every page copy, close on the engineer page.
void TForm1::WireWindowButtons()
{
    for (const FrameControls& frame : frames_) {
        connect(frame.exit.button, &TSkinLabel::clicked, this, &TForm1::Btn_Exit_0Click);
        connect(frame.mini.button, &TSkinLabel::clicked, this, &TForm1::Btn_Minimize_0Click);
    }
    connect(engineerPage_.close, &TSkinLabel::clicked, this, &TForm1::Btn_CloseClick);
}

void TForm1::BuildControls()
{
    for (int p = 1; p <= kPages; ++p) {
        auto* page = new QFrame(this);
        page->setObjectName(QStringLiteral("gbPage") + QString::number(p));
        pageViews_.pages[size_t(p - 1)] = page;
        page->setGeometry(QRect(QPoint(0, 0), p == kPages ? QSize(1000, 600) : kDefaultSkin));
        if (p <= kSkinnedPages)
            page->setPalette(SkinPalette());
        else {
            // The engineer page is a plain form in the system's colours.
            page->setPalette(SystemPalette());
            page->setAutoFillBackground(true);
        }
        if (p <= 4)
            frames_[size_t(p - 1)] = pages::BuildFrame(page, p);
    }
    auto page = [this](int p) { return pageViews_.Page(p); };
    buttonPage_ = pages::BuildButtonPage(page(1));
    fireKeyPage_ = pages::BuildFireKeyControls(page(2));
    pointerSettings_ = pages::BuildPointerSettings(page(2));
    dpiPage_ = pages::BuildDpiControls(page(2));
    lightPage_ = pages::BuildLightPage(page(3));
    macroPage_ = pages::BuildMacroPage(page(4), this);
    gunPage_ = pages::BuildGunPage(page(5), this);
    pages::BuildFooter(page(5), 5);
    engineerPage_ = pages::BuildEngineerPage(page(6));
    menus_ = pages::BuildMenus(this);

    // A combo box's list opens as a window of its own, which does not take the page's colours:
    // the lists of the skinned pages take the skin's.
    for (int p = 1; p <= kSkinnedPages; ++p)
        for (QComboBox* box : page(p)->findChildren<QComboBox*>()) {
            box->view()->setPalette(SkinPalette());
            box->view()->window()->setPalette(SkinPalette());
        }

    // Hidden radio buttons holding the view and the language; the engineer view is selected
    // until an image is shown.
    auto* views = new QButtonGroup(this);
    for (size_t v = 0; v < std::size(kViewRadios); ++v)
        pageViews_.viewRadios[v] = pages::HiddenRadio(this, kViewRadios[v], views);
    pageViews_.viewRadios.back()->setChecked(true);
    auto* languages = new QButtonGroup(this);
    for (const char* name : kLanguageRadios)
        pages::HiddenRadio(this, name, languages);
    findChild<QRadioButton*>("rb_Lang1")->setChecked(true);

    // Pop-ups above every page; the busy overlays above everything on their page.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (std::find(pageViews_.pages.begin(), pageViews_.pages.end(), child) == pageViews_.pages.end())
            child->raise();
    for (const FrameControls& frame : frames_)
        frame.overlay->raise();

    // Dragging the borderless window by any page background, or by the busy overlay over it.
    for (const FrameControls& frame : frames_) {
        frame.background->installEventFilter(this);
        frame.overlay->installEventFilter(this);
    }
    gunPage_.base->installEventFilter(this);
}

// The start-up sequence, in its fixed order.
void TForm1::FormCreate()
{
    // The window and the notification-area icon show the application icon for the life of
    // the program (the demo's plug menu hangs on the latter, where the desktop has an area).
    setWindowIcon(ApplicationIcon());
    trayIcon_ = new QSystemTrayIcon(windowIcon(), this);
    trayIcon_->setObjectName(QStringLiteral("CoolTrayIcon1"));
    if (QSystemTrayIcon::isSystemTrayAvailable())
        trayIcon_->show();

    // No device check yet, nothing being edited.
    state_.DevTimer.stop();
    state_.DevTimerFirst.stop();
    state_.NoDeviceView = false;

    // The window takes the size of the skin's background, centred on the screen, borderless
    // with the see-through key colour.
    LoadBackground();
    SizeWindowToSkin();
    CentreOnScreen();
    ApplyWindowAppearance();

    // Folders, then the first page.
    state_.AppFolder = ResolveAppFolder();
    state_.DataFolder.clear();
    nav_->ShowOnlyPage(1);

    // Skin pictures, then the org configuration (data folder, mode, accepted codes, options).
    LoadSkinImages();
    ReadOrgConfiguration();
    ApplyEngineerCaptions();

    // Language 1 and its layout; the list item height of the macro lists.
    state_.LanguageIndex = 1;
    ApplyLayout();
    engineer_->ShowEngineerButtons(state_.Org.engineerEnable);
    macroEditor_->SetRowHeight(state_.Style.macroNameHeight);
    for (QListWidget* list : {gunPage_.editor.names, gunPage_.editor.events})
        SetItemHeight(list, state_.Style.macroNameHeight);

    // The codes a mouse must carry come from the first default image.
    ReadDefaultImage();

    // The device link starts closed; the pages show the no-device state until a mouse is found.
    ResetDeviceLink();
    commands_->RefreshErrorAP();
    // The system's pointer settings into their controls.
    pointer_->RefreshMouseSystemParameterA();
    pointer_->RefreshMouseSystemParameterB();

    // The macro library of the mode the link chose (Macro.bin or Driver_Macro.bin).
    macroLibrary_->LoadMacroLibrary();
    // The gun key list of the engineer page.
    gunKeys_->LoadFireMacroFile();

    CentreNumericEdits();

    // The current language's button handler sets its pictures, title and rolling caption.
    language_->Switch(state_.LanguageIndex);

    update();
}

void TForm1::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - state_.SkinWidth) / 2, area.top() + (area.height() - state_.SkinHeight) / 2);
}

// The numeric edits of the fire key, the macro page and the gun page show their text centred.
void TForm1::CentreNumericEdits()
{
    std::vector<QLineEdit*> edits{fireKeyPage_.shots, fireKeyPage_.interval, macroPage_.delay, macroPage_.insertDelay,
                                  macroPage_.repeat,  macroPage_.x,          macroPage_.y};
    for (const GunColumnControls& column : gunPage_.columns)
        edits.insert(edits.end(), {column.count, column.interval, column.x, column.y, column.yOffset});
    for (QLineEdit* edit : edits)
        edit->setAlignment(Qt::AlignCenter);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A transfer under way ends first; the window closes as it does.
    if (state_.TransfersRunning > 0) {
        state_.CloseWhenIdle = true;
        event->ignore();
        return;
    }
    FormCloseQuery();
    if (loading_)
        loading_->hide();
    if (trayIcon_)
        trayIcon_->hide();
    event->accept();
}

void TForm1::FormCloseQuery()
{
    // Nothing is written at shutdown; the mouse is only marked absent. A key test's worker
    // stops first: it may be reading the mouse.
    if (engineer_)
        engineer_->Keys().Abandon();
    if (device_)
        device_->Link.HidHandle.reset();
    state_.DevTimer.stop();
    state_.DevTimerFirst.stop();
    nav_->LabelRun().stop();
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // Reported once the show has been painted, not merely requested.
        QTimer::singleShot(0, this, &TForm1::FirstShown);
        // What the skin or configuration lacked is told plainly, once, over the window.
        if (!state_.StartupProblems.isEmpty())
            QTimer::singleShot(0, this, [this] {
                for (const QString& line : state_.StartupProblems)
                    qWarning("tarq362a: %s", qPrintable(line));
                ShowDialogMessage(QStringLiteral("Some settings of the program could not be read:\n")
                                  + state_.StartupProblems.join(QLatin1Char('\n')));
            });
        // A data folder that cannot be created or written would lose every file the program
        // keeps without a word: say so once, with the folder.
        const QString dataFile = state_.DataFile(QStringLiteral("Macro.bin"));
        const QString dataFolder = QFileInfo(dataFile).absolutePath();
        if (!FolderIsWritable(dataFolder))
            ReportSaveFailure(this, ShowDialogMessage, state_.Text(DeviceCommands::kTextCannotKeep), dataFile,
                              QStringLiteral("Cannot create files in \"%1\"").arg(dataFolder));
    }
}

void TForm1::ShowHint(const QString& hint)
{
    engineerPage_.notes->setText(hint);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A press on a page background closes the pop-ups and drags the window.
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        nav_->HideAllMenu();
        if (windowHandle() && windowHandle()->startSystemMove())
            break;
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        break;
    }
    case QEvent::MouseMove:
        if (dragging_)
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
        break;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarq
