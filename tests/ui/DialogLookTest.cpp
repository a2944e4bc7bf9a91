// SPDX-License-Identifier: GPL-2.0-or-later
// One look for the window's small dialogs and pop-ups, in both languages: the macro page's name,
// delay and value dialogs wear the key dialogs' skin, the base macro and gun key lists look
// like the menus they open beside, and the Advanced page's note on missing pointer settings
// speaks the chosen language.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>

#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/Unit3.h"
#include "macros/ui/Unit6.h"
#include "macros/ui/Unit7.h"
#include "settings/ui/AssignmentEditor.h"
#include "settings/ui/Unit5.h"
#include "support/BareForm.h"
#include "support/FormWithMouse.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/language/LanguageSwitch.h"

using namespace tarq;

namespace {

// The parts every skinned dialog has, by name, with where they sit.
struct Frame {
    QSize size;
    QString background;
    QRect title, field, confirm, clear, close;
    QString confirmPicture, closePicture;
    QFont titleFont;
};

Frame FrameOf(QDialog& dialog, const char* field)
{
    dialog.show();
    QApplication::processEvents();
    auto geometry = [&](const char* name) {
        QWidget* w = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        return w ? w->geometry() : QRect();
    };
    Frame f;
    f.size = dialog.size();
    for (auto* picture : dialog.findChildren<TSkinLabel*>())
        if (picture->pos() == QPoint(0, 0) && picture->size() == dialog.size())
            f.background = picture->picture();
    f.title = geometry("lbl_Title");
    f.field = geometry(field);
    f.confirm = geometry("IB_Confirm");
    f.clear = geometry("IB_Cancel");
    f.close = geometry("IB_Close");
    if (auto* image = dialog.findChild<TSkinLabel*>("Img_Confirm"))
        f.confirmPicture = image->picture();
    if (auto* image = dialog.findChild<TSkinLabel*>("Img_Close"))
        f.closePicture = image->picture();
    if (auto* title = dialog.findChild<QLabel*>("lbl_Title"))
        f.titleFont = title->font();
    dialog.hide();
    return f;
}

} // namespace

class DialogLookTest : public QObject {
    Q_OBJECT
private slots:
    void macroDialogsWearTheKeyDialogSkin();
    void popupListsLookLikeTheMenus();
    void pointerSettingsNoteSpeaksTheLanguage();
};

void DialogLookTest::macroDialogsWearTheKeyDialogSkin()
{
    testing::BareForm form;
    form.show();
    FormState& state = form.State();
    for (int language : {1, 2}) {
        QVERIFY(form.Language().Switch(language));
        TForm5 key(state, &form);
        const Frame skin = FrameOf(key, "Edt_EditKey");
        QCOMPARE(skin.background, QStringLiteral("Msg"));
        QCOMPARE(skin.confirmPicture, QStringLiteral("BtnS_01"));
        QCOMPARE(skin.closePicture, QStringLiteral("ExitS_01"));

        const MacroDialogFrame::Texts texts{state.Text(521), state.Text(511), state.Text(512)};
        TForm3 name(&form, {state.Text(510), state.Text(511), state.Text(512)});
        TForm6 delay(&form, texts);
        TForm7 value(&form, texts, TForm7::Kind::Move);
        for (auto [dialog, field] : {std::pair<QDialog*, const char*>{&name, "Edt_MacroName"},
                                     std::pair<QDialog*, const char*>{&delay, "Edt_EditTime"},
                                     std::pair<QDialog*, const char*>{&value, "Edt_EditTime"}}) {
            const Frame f = FrameOf(*dialog, field);
            const QString what = dialog->objectName() + QStringLiteral(" in language %1").arg(language);
            QVERIFY2(f.size == skin.size && f.background == skin.background, qPrintable(what));
            QVERIFY2(f.field == skin.field && f.title.topLeft() == skin.title.topLeft(), qPrintable(what));
            QVERIFY2(f.confirm == skin.confirm && f.clear == skin.clear && f.close == skin.close, qPrintable(what));
            QVERIFY2(f.confirmPicture == skin.confirmPicture && f.closePicture == skin.closePicture, qPrintable(what));
            QVERIFY2(f.titleFont == skin.titleFont, qPrintable(what));
            // The field still takes typing.
            QVERIFY2(!dialog->findChild<QLineEdit*>(QString::fromLatin1(field))->isReadOnly(), qPrintable(what));
        }
    }
}

void DialogLookTest::popupListsLookLikeTheMenus()
{
    testing::BareForm form;
    FormState& state = form.State();
    state.NoDeviceView = false;
    for (int i = 0; i < 3; ++i)
        state.PcMacros[size_t(i)].name = MacroNameFromUtf16(u"Macro " + std::u16string(1, char16_t(u'A' + i)));
    form.MacroLibrary().RefreshPCMacroName();
    form.show();
    form.Nav().ShowPnlMain_OnClick(form.control<TSkinLabel>("Key4"));
    form.Assignment().KeyByTagMouseEnter(form.control<TSkinLabel>("Key_Macro"));
    auto* list = form.control<QListWidget>("LB_Name");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 3);
    // Rows as tall as the menu's entries, the menu's font size.
    QCOMPARE(list->visualItemRect(list->item(1)).height(), form.control("Key_Standard")->height());
    QCOMPARE(list->font().pointSize(), form.control("Key_Standard")->font().pointSize());
    // The menu's border and background, not the window's see-through key colour.
    const QImage picture = list->grab().toImage();
    QCOMPARE(QColor(picture.pixel(0, picture.height() - 10)), state.Style.menuBorder);
    QCOMPARE(QColor(picture.pixel(picture.width() / 2, picture.height() - 10)), state.Style.menuBack);
}

void DialogLookTest::pointerSettingsNoteSpeaksTheLanguage()
{
    MemoryPointerSettingsStore store;
    store.Available = {true, true, true, false};
    store.Hint = "no wheel here";
    store.Reason = PointerSettingsGap::NoWheelSetting;
    testing::FormWithMouse f(false, &store);
    TForm1& form = *f.form;
    form.ShowDialogMessage = [](const QString&) {};
    form.Commands().DevTimerTimer();   // the mouse is read
    form.show();
    QTest::mouseClick(form.control("Btn_Adv_1"), Qt::LeftButton);
    auto* note = form.control<QLabel>("lbl_PointerHint");
    for (int language : {2, 1}) {
        QTest::mouseClick(form.control(QStringLiteral("Btn_Lang%1_2").arg(language)), Qt::LeftButton);
        QCOMPARE(form.State().LanguageIndex, language);
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), form.State().Text(881));
        QCOMPARE(form.control("slider_SrcSpd")->toolTip(), note->text());
    }
    QCOMPARE(note->text(), QStringLiteral("Wheel scroll lines have no desktop-wide setting on Linux."));

    // A store with a reason of its own keeps its own words.
    MemoryPointerSettingsStore other;
    other.Available = {true, true, true, false};
    other.Hint = "no wheel here";
    testing::FormWithMouse g(false, &other);
    QCOMPARE(g.form->control<QLabel>("lbl_PointerHint")->text(), QStringLiteral("no wheel here"));
}

QTEST_MAIN(DialogLookTest)
#include "DialogLookTest.moc"
