// SPDX-License-Identifier: GPL-2.0-or-later
// The pointer settings of the advanced page on the real main form, driven as a person would:
// releases on the sliders and clicks on the check pictures. The store is in memory, or the
// desktop's GSettings schema on GSettings' memory backend.

// GIO before Qt: its headers use the word that Qt defines as a keyword.
#include <gio/gio.h>

#include <QCheckBox>
#include <QSlider>
#include <QTest>

#include "device/ui/DeviceCommands.h"
#include "settings/gsettings/GSettingsPointerSettingsStore.h"
#include "settings/ui/PointerSettingsEditor.h"
#include "support/FormWithMouse.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::FormWithMouse;

namespace {

MousePointerValues Mouse(int speed, PrecisionValues p, int doubleClick)
{
    return {speed, p.acceleration, p.threshold1, p.threshold2, doubleClick};
}

} // namespace

class PointerSettingsEditorTest : public QObject {
    Q_OBJECT
private slots:
    void startupShowsTheSystemValues();
    void sliderReleaseSnapsWritesAndApplies_data();
    void sliderReleaseSnapsWritesAndApplies();
    void draggedSliderSnapsWhereItIsLetGo();
    void checkPicturesToggleAndApply();
    void readOfTheMouseRereadsTheSettings();
    void applyWithUnreadyMemoryStillAppliesThem();
    void desktopSettingsChangeThroughTheForm();
    void desktopWithoutTheSchemaDisablesEverything();
    void demoNeverChangesTheDesktop();
};

// Stores handed to a form must outlive it and be filled before it reads them.
struct SeededForm {
    explicit SeededForm(const MousePointerValues& mouse, std::optional<int> wheel)
    {
        store.Mouse = mouse;
        store.Wheel = wheel;
        f = std::make_unique<FormWithMouse>(false, &store);
    }
    TForm1& form() { return *f->form; }
    template <class T = QWidget>
    T* control(const char* name) { return f->form->control<T>(QString::fromLatin1(name)); }
    QString picture(const char* name) { return control<TSkinLabel>(name)->picture(); }
    void release(const char* slider, int x)
    {
        QTest::mouseClick(control<QSlider>(slider), Qt::LeftButton, {}, QPoint(x, 10));
    }
    MemoryPointerSettingsStore store;
    std::unique_ptr<FormWithMouse> f;
};

void PointerSettingsEditorTest::startupShowsTheSystemValues()
{
    SeededForm s(Mouse(10, kPrecisionOff, 500), kOneScreen);
    QCOMPARE(s.control<QSlider>("slider_Spd")->value(), 500);          // speed 10: label "6"
    QCOMPARE(s.picture("Img_IsControl"), QStringLiteral("CbS_D"));
    QVERIFY(!s.control<QCheckBox>("cb_IsControl")->isChecked());
    QCOMPARE(s.control<QSlider>("slider_DbSpd")->value(), 600);        // 500 ms: level 7
    QCOMPARE(s.picture("Img_IsScreen"), QStringLiteral("CbS_E"));
    QVERIFY(s.control<QCheckBox>("cb_IsScreen")->isChecked());
    QVERIFY(!s.control<QSlider>("slider_SrcSpd")->isEnabled());
    QVERIFY(s.control("lbl_PointerHint")->isHidden());
    QVERIFY(s.store.MouseWrites.empty() && s.store.Applied.empty());   // reading writes nothing

    SeededForm other(Mouse(20, kPrecisionOn, 200), 25);
    QCOMPARE(other.control<QSlider>("slider_Spd")->value(), 1000);
    QCOMPARE(other.picture("Img_IsControl"), QStringLiteral("CbS_E"));
    QCOMPARE(other.control<QSlider>("slider_SrcSpd")->value(), 1000);  // 25 lines: level 11
    QVERIFY(other.control<QSlider>("slider_SrcSpd")->isEnabled());
    QCOMPARE(other.picture("Img_IsScreen"), QStringLiteral("CbS_D"));
}

void PointerSettingsEditorTest::sliderReleaseSnapsWritesAndApplies_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("doubleClick");
    QTest::addColumn<int>("wheel");
    // Unchanged settings are written back as read: speed 10, 480 ms for 500, 3 lines.
    QTest::newRow("speed at 19") << "slider_Spd" << 19 << 0 << 1 << 480 << 3;
    QTest::newRow("speed at 20") << "slider_Spd" << 20 << 100 << 2 << 480 << 3;
    QTest::newRow("speed past the end") << "slider_Spd" << 300 << 1000 << 20 << 480 << 3;
    QTest::newRow("speed where it was") << "slider_Spd" << 149 << 500 << 10 << 480 << 3;
    QTest::newRow("double-click at level 7") << "slider_DbSpd" << 175 << 600 << 10 << 480 << 3;
    QTest::newRow("double-click at level 11") << "slider_DbSpd" << 270 << 1000 << 10 << 200 << 3;
    QTest::newRow("wheel at level 1") << "slider_SrcSpd" << 0 << 0 << 10 << 480 << 1;
    QTest::newRow("wheel at level 9") << "slider_SrcSpd" << 220 << 800 << 10 << 480 << 9;
}

void PointerSettingsEditorTest::sliderReleaseSnapsWritesAndApplies()
{
    QFETCH(QString, slider);
    QFETCH(int, x);
    QFETCH(int, position);
    QFETCH(int, speed);
    QFETCH(int, doubleClick);
    QFETCH(int, wheel);
    SeededForm s(Mouse(10, kPrecisionOff, 500), 3);
    s.release(slider.toLatin1().constData(), x);
    QCOMPARE(s.control<QSlider>(slider.toLatin1().constData())->value(), position);
    QCOMPARE(s.store.Mouse->speed, speed);
    QCOMPARE(s.store.Mouse->doubleClickTime, doubleClick);
    QCOMPARE(s.store.Wheel, wheel);
    QCOMPARE(s.store.Mouse->acceleration, 0);
    QCOMPARE(s.store.Applied.size(), size_t(1));
    QCOMPARE(s.store.Applied[0].speed, speed);
    QCOMPARE(s.store.Applied[0].doubleClickTime, doubleClick);
    QCOMPARE(s.store.Applied[0].wheelLines, wheel);
}

void PointerSettingsEditorTest::draggedSliderSnapsWhereItIsLetGo()
{
    SeededForm s(Mouse(10, kPrecisionOff, 500), 3);
    auto* slider = s.control<QSlider>("slider_Spd");
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(140, 10));
    QTest::mouseMove(slider, QPoint(200, 10));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(230, 10));   // in 227-253: position 9
    QCOMPARE(slider->value(), 900);
    QCOMPARE(s.store.Mouse->speed, 18);

    // The wheel and keys do not move it behind the settings' back.
    QTest::keyClick(slider, Qt::Key_Left);
    QWheelEvent wheel(QPointF(10, 10), slider->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    QCOMPARE(slider->value(), 900);
}

void PointerSettingsEditorTest::checkPicturesToggleAndApply()
{
    SeededForm s(Mouse(10, kPrecisionOff, 500), kOneScreen);
    QTest::mouseClick(s.control("lbl_IsControl"), Qt::LeftButton);
    QCOMPARE(s.picture("Img_IsControl"), QStringLiteral("CbS_E"));
    QVERIFY(s.control<QCheckBox>("cb_IsControl")->isChecked());
    QCOMPARE(s.store.Mouse->acceleration, 1);
    QCOMPARE(s.store.Mouse->threshold1, 6);
    QCOMPARE(s.store.Mouse->threshold2, 10);
    QCOMPARE(s.store.Applied.back().precision, kPrecisionOn);
    QTest::mouseClick(s.control("lbl_IsControl"), Qt::LeftButton);
    QCOMPARE(s.store.Mouse->acceleration, 0);
    QCOMPARE(s.store.Mouse->threshold2, 0);

    // One screen was on at start-up: turning it off gives level 1 and frees the slider.
    QTest::mouseClick(s.control("lbl_IsScreen"), Qt::LeftButton);
    QCOMPARE(s.store.Wheel, 1);
    QCOMPARE(s.picture("Img_IsScreen"), QStringLiteral("CbS_D"));
    QVERIFY(s.control<QSlider>("slider_SrcSpd")->isEnabled());
    s.release("slider_SrcSpd", 110);   // level 5
    QTest::mouseClick(s.control("lbl_IsScreen"), Qt::LeftButton);
    QCOMPARE(s.store.Wheel, kOneScreen);
    QCOMPARE(s.store.Applied.back().wheelLines, kOneScreen);
    QVERIFY(!s.control<QSlider>("slider_SrcSpd")->isEnabled());
    QTest::mouseClick(s.control("lbl_IsScreen"), Qt::LeftButton);
    QCOMPARE(s.store.Wheel, 5);
    QCOMPARE(s.control<QSlider>("slider_SrcSpd")->value(), 400);
}

void PointerSettingsEditorTest::readOfTheMouseRereadsTheSettings()
{
    SeededForm s(Mouse(10, kPrecisionOff, 500), 3);
    s.form().Commands().DevTimerTimer();   // finds the mouse and reads it
    QVERIFY(s.form().Device().Link.mouseOpen());
    s.store.Mouse = Mouse(2, kPrecisionOn, 900);
    s.store.Wheel = 7;
    s.form().Commands().Btn_Read_0Click();
    QCOMPARE(s.control<QSlider>("slider_Spd")->value(), 100);
    QCOMPARE(s.picture("Img_IsControl"), QStringLiteral("CbS_E"));
    QCOMPARE(s.control<QSlider>("slider_DbSpd")->value(), 0);
    QCOMPARE(s.control<QSlider>("slider_SrcSpd")->value(), 600);
}

void PointerSettingsEditorTest::applyWithUnreadyMemoryStillAppliesThem()
{
    SeededForm s(Mouse(10, kPrecisionOff, 500), 3);
    s.form().Commands().DevTimerTimer();
    s.f->mouse->faults.configNotReady = true;
    s.f->mouse->log.clear();
    // The write is refused with a message; it is collected instead of waiting for a click.
    QStringList messages;
    s.form().ShowDialogMessage = [&](const QString& text) { messages << text; };
    s.form().ShowStandardMessage = [&](const QString& text) { messages << text; };
    s.form().Commands().Btn_Apply_0Click();
    QCOMPARE(s.store.Applied.size(), size_t(1));
    QCOMPARE(s.store.MouseWrites.size(), size_t(1));
    QCOMPARE(s.store.MouseWrites[0].doubleClickTime, 480);
    QCOMPARE(s.store.WheelWrites, std::vector<int>{3});
}

// ---------------------------------------------------------------- the desktop's settings

namespace {

struct DesktopSettings {
    DesktopSettings()
    {
        settings = g_settings_new(kDesktopMouseSchema);
        for (const char* key : {"speed", "accel-profile", "double-click"})
            g_settings_reset(settings, key);
    }
    ~DesktopSettings() { g_object_unref(settings); }
    QString profile() const
    {
        gchar* text = g_settings_get_string(settings, "accel-profile");
        const QString result = QString::fromUtf8(text);
        g_free(text);
        return result;
    }
    GSettings* settings = nullptr;
};

bool DesktopSchemaInstalled()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kDesktopMouseSchema, TRUE) : nullptr;
    if (schema)
        g_settings_schema_unref(schema);
    return schema != nullptr;
}

} // namespace

void PointerSettingsEditorTest::desktopSettingsChangeThroughTheForm()
{
    if (!DesktopSchemaInstalled())
        QSKIP("the desktop mouse schema is not installed");
    DesktopSettings desktop;
    g_settings_set_double(desktop.settings, "speed", -0.6);
    GSettingsPointerSettingsStore store;
    FormWithMouse f(false, &store);
    auto control = [&](const char* name) { return f.form->control(QString::fromLatin1(name)); };
    QCOMPARE(f.form->control<QSlider>("slider_Spd")->value(), 200);   // -0.6: level 3
    QCOMPARE(f.form->control<QSlider>("slider_DbSpd")->value(), 800);  // 400 ms: level 9

    // Wheel lines have no desktop setting: off, with the hint.
    for (const char* name : {"slider_SrcSpd", "lbl_IsScreen", "Img_IsScreen", "lbl_ScrSpd5"})
        QVERIFY2(!control(name)->isEnabled(), name);
    for (const char* name : {"slider_Spd", "lbl_IsControl", "slider_DbSpd"})
        QVERIFY2(control(name)->isEnabled(), name);
    QVERIFY(!control("lbl_PointerHint")->isHidden());
    QVERIFY(!f.form->control<QLabel>("lbl_PointerHint")->text().isEmpty());

    // Apply moves nothing nobody touched (400 ms has no level).
    f.form->Pointer().ApplyMouseSystemParameters();
    QCOMPARE(g_settings_get_int(desktop.settings, "double-click"), 400);
    QCOMPARE(desktop.profile(), QStringLiteral("default"));

    QTest::mouseClick(f.form->control<QSlider>("slider_Spd"), Qt::LeftButton, {}, QPoint(270, 10));
    QCOMPARE(g_settings_get_double(desktop.settings, "speed"), 1.0);
    QCOMPARE(g_settings_get_int(desktop.settings, "double-click"), 400);
    QTest::mouseClick(control("lbl_IsControl"), Qt::LeftButton);
    QCOMPARE(desktop.profile(), QStringLiteral("flat"));
    QTest::mouseClick(control("lbl_IsControl"), Qt::LeftButton);
    QCOMPARE(desktop.profile(), QStringLiteral("adaptive"));
    QTest::mouseClick(f.form->control<QSlider>("slider_DbSpd"), Qt::LeftButton, {}, QPoint(0, 10));
    QCOMPARE(g_settings_get_int(desktop.settings, "double-click"), 900);
}

void PointerSettingsEditorTest::desktopWithoutTheSchemaDisablesEverything()
{
    GSettingsPointerSettingsStore store("org.example.no.such.schema");
    FormWithMouse f(false, &store);
    for (const char* name : {"slider_Spd", "lbl_IsControl", "Img_IsControl", "slider_DbSpd", "slider_SrcSpd",
                             "lbl_IsScreen", "lbl_Spd1", "lbl_DbSpd11"})
        QVERIFY2(!f.form->control(QString::fromLatin1(name))->isEnabled(), name);
    auto* hint = f.form->control<QLabel>("lbl_PointerHint");
    QVERIFY(!hint->isHidden());
    QCOMPARE(hint->text(), QString::fromStdString(store.unavailableHint()));
    f.form->Pointer().ApplyMouseSystemParameters();   // nothing to write, nothing fails
}

void PointerSettingsEditorTest::demoNeverChangesTheDesktop()
{
    if (!DesktopSchemaInstalled())
        QSKIP("the desktop mouse schema is not installed");
    DesktopSettings desktop;
    g_settings_set_double(desktop.settings, "speed", 0.6);
    DeviceOptions demo;
    demo.demo = true;
    TForm1 form(nullptr, demo);
    auto* slider = form.control<QSlider>("slider_Spd");
    QCOMPARE(slider->value(), 800);   // seeded with the desktop's own values
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(0, 10));
    QTest::mouseClick(form.control("lbl_IsControl"), Qt::LeftButton);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(form.control<TSkinLabel>("Img_IsControl")->picture(), QStringLiteral("CbS_D"));
    QCOMPARE(g_settings_get_double(desktop.settings, "speed"), 0.6);
    QCOMPARE(desktop.profile(), QStringLiteral("default"));
}

QTEST_MAIN(PointerSettingsEditorTest)
#include "PointerSettingsEditorTest.moc"
