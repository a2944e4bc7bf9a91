#include "app/PageRenderer.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

#include <functional>

#include "app/FormLoading.h"
#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/ui/GunPage.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/language/LanguageSwitch.h"

#include "settings/ui/AssignmentEditor.h"
#include "settings/ui/Unit2.h"
#include "settings/ui/Unit5.h"

namespace tarq {

namespace {

struct Shot {
    const char* file;
    std::function<void(TForm1&)> show;
};

} // namespace

QStringList RenderPages(TForm1& form, const QString& folder, QString* error)
{
    QStringList written;
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return written;
    }
    Navigation& nav = form.Nav();
    // A page change without the checks that need a mouse.
    auto change = [&nav](View view) {
        nav.HideAllMenu();
        nav.ButtonTypeB_1IconInit();
        nav.ShowView(view);
    };
    // The function menu at button 4 with the submenus of the given entries open.
    auto openSubmenu = [&](TForm1& f, View view, std::initializer_list<const char*> entries) {
        change(view);
        nav.ShowPnlMain_OnClick(f.control<TSkinLabel>("Key4"));
        // The pointer has left the entries of the shots before.
        for (const char* menu : {"Pnl_Main", "Pnl_Special"})
            for (TSkinLabel* entry : f.control(menu)->findChildren<TSkinLabel*>())
                f.Assignment().KeyStatusMouseLeave(entry);
        for (const char* entry : entries)
            f.Assignment().KeyByTagMouseEnter(f.control<TSkinLabel>(entry));
    };
    const Shot shots[] = {
        {"01-buttons-office", [&](TForm1&) { change(View::Office); }},
        {"02-buttons-game", [&](TForm1&) { change(View::Game); }},
        {"03-buttons-menu", [&](TForm1& f) {
             change(View::Office);
             nav.ShowPnlMain_OnClick(f.control<TSkinLabel>("Key4"));
         }},
        {"04-advanced", [&](TForm1&) { change(View::Advanced); }},
        {"05-light", [&](TForm1&) { change(View::Light); }},
        {"06-macro", [&](TForm1&) { change(View::Macro); }},
        {"07-gun", [&](TForm1&) { nav.ShowOnlyPage(5); }},
        {"08-gun-editor", [&](TForm1& f) { f.Gun().Img_Base_5DblClick(); }},
        {"09-engineer", [&](TForm1&) { change(View::Engineer); }},
        {"10-engineer-tab", [&](TForm1& f) {
             if (auto* tabs = f.control<QTabWidget>("Pg_Parameter"))
                 tabs->setCurrentIndex(1);
         }},
        {"11-menu-standard", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_Standard"}); }},
        {"12-menu-special-dpi", [&](TForm1& f) { openSubmenu(f, View::Game, {"Key_Special", "Key_CPIKey"}); }},
        {"13-menu-media", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_Media"}); }},
        {"14-menu-web", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_WWW"}); }},
        {"15-menu-others", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_MyPC"}); }},
        {"16-menu-macros", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_Macro"}); }},
    };

    // The pages are shown as they are without a mouse; the no-device flag would only keep the
    // renderer from changing pages, so it is lifted while the pictures are taken.
    const bool noDevice = form.State().NoDeviceView;
    form.State().NoDeviceView = false;
    form.show();
    for (const Shot& shot : shots) {
        shot.show(form);
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(QString::fromLatin1(shot.file) + ".png");
        if (!form.grab().save(path, "PNG")) {
            if (error)
                *error = QStringLiteral("cannot write %1").arg(path);
            break;
        }
        written << path;
    }
    // The two key dialogs, each on its own.
    nav.HideAllMenu();
    TForm2 assembly(form.State(), &form);
    TForm5 oneKey(form.State(), &form);
    const std::pair<const char*, QDialog*> dialogs[] = {{"17-assembly-key", &assembly}, {"18-input-one-key", &oneKey}};
    for (const auto& [file, dialog] : dialogs) {
        dialog->show();
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(QString::fromLatin1(file) + ".png");
        if (dialog->grab().save(path, "PNG"))
            written << path;
        dialog->hide();
    }
    // Page 1 with its footer, and the loading screen before and during a write, in the first
    // two languages; the form's own language is restored after.
    const int language = form.State().LanguageIndex;
    for (int shown : {1, 2}) {
        if (!form.Language().Switch(shown))
            continue;
        change(View::Office);
        TFormLoadingUI loading(&form);
        loading.SetCaption(form.State().Text(TFormLoadingUI::kLoadingStrId));
        loading.show();
        QApplication::processEvents();
        const QString suffix = QStringLiteral("-lang%1.png").arg(shown);
        const std::pair<QString, QWidget*> pictures[] = {
            {QStringLiteral("19-footer") + suffix, &form}, {QStringLiteral("20-loading") + suffix, &loading}};
        for (const auto& [file, widget] : pictures)
            if (widget->grab().save(QDir(folder).filePath(file), "PNG"))
                written << QDir(folder).filePath(file);
        loading.ShowProgress(form.State().Text(DeviceCommands::kTextWriting), 1024, 2048);
        QApplication::processEvents();
        const QString progress = QDir(folder).filePath(QStringLiteral("21-loading-progress") + suffix);
        if (loading.grab().save(progress, "PNG"))
            written << progress;
    }
    form.Language().Switch(language);
    form.State().NoDeviceView = noDevice;
    return written;
}

} // namespace tarq
