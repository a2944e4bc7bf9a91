// SPDX-License-Identifier: GPL-2.0-or-later
// The desktop's pointer settings through GSettings' memory backend (never the real desktop).

#include "settings/PointerSettings.h"
#include "settings/gsettings/GSettingsPointerSettingsStore.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace tarq {
namespace {

class GSettingsPointerStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("GSETTINGS_BACKEND", "memory", 1); }

    void SetUp() override
    {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kDesktopMouseSchema, TRUE) : nullptr;
        if (!schema)
            GTEST_SKIP() << "the desktop mouse schema is not installed";
        g_settings_schema_unref(schema);
        desktop = g_settings_new(kDesktopMouseSchema);
        for (const char* key : {"speed", "accel-profile", "double-click"})
            g_settings_reset(desktop, key);
    }
    void TearDown() override
    {
        if (desktop)
            g_object_unref(desktop);
    }

    GSettings* desktop = nullptr;
};

TEST_F(GSettingsPointerStoreTest, ReadsTheDesktopsValuesAsLevels)
{
    g_settings_set_double(desktop, "speed", 0.4);
    g_settings_set_string(desktop, "accel-profile", "flat");
    g_settings_set_int(desktop, "double-click", 620);
    GSettingsPointerSettingsStore store;
    EXPECT_EQ(store.available(), (PointerSettingSet{true, true, true, false}));
    EXPECT_FALSE(store.unavailableHint().empty());
    EXPECT_FALSE(store.readWheel());

    PointerSettings settings;
    ASSERT_TRUE(settings.ReadMouse(store));
    EXPECT_EQ(settings.PointerSpeedLevel, 8);
    EXPECT_FALSE(settings.PrecisionChecked);
    EXPECT_EQ(settings.DoubleClickLevel, 5);

    for (const char* profile : {"adaptive", "default"}) {
        g_settings_set_string(desktop, "accel-profile", profile);
        settings.ReadMouse(store);
        EXPECT_TRUE(settings.PrecisionChecked) << profile;
    }
}

TEST_F(GSettingsPointerStoreTest, WritesOnlyWhatTheUserChanged)
{
    GSettingsPointerSettingsStore store;
    PointerSettings settings;
    settings.ReadMouse(store);   // defaults: speed 0.0, "default", 400 ms
    settings.WriteAndApply(store);
    EXPECT_EQ(g_settings_get_int(desktop, "double-click"), 400);
    gchar* profile = g_settings_get_string(desktop, "accel-profile");
    EXPECT_STREQ(profile, "default");
    g_free(profile);

    settings.SetSpeedLevel(1);
    settings.WriteAndApply(store);
    EXPECT_DOUBLE_EQ(g_settings_get_double(desktop, "speed"), -1.0);
    EXPECT_EQ(g_settings_get_int(desktop, "double-click"), 400);

    settings.TogglePrecision();   // on -> off
    settings.TogglePrecision();   // off -> on writes "adaptive"
    settings.SetDoubleClickLevel(11);
    settings.WriteAndApply(store);
    profile = g_settings_get_string(desktop, "accel-profile");
    EXPECT_STREQ(profile, "adaptive");
    g_free(profile);
    EXPECT_EQ(g_settings_get_int(desktop, "double-click"), 200);
}

TEST_F(GSettingsPointerStoreTest, SpeedMapsLinearlyOntoTheElevenLevels)
{
    const std::pair<double, int> rows[] = {{-1.0, 1}, {-0.8, 2}, {-0.11, 8}, {0.0, 10}, {0.2, 12}, {0.99, 20}, {1.0, 20}, {7.0, 20}};
    for (auto [speed, value] : rows)
        EXPECT_EQ(PointerSpeedOfDesktopSpeed(speed), value) << speed;
    for (int level = 1; level <= kPointerLevels; ++level)
        EXPECT_EQ(PointerSpeedOfDesktopSpeed(DesktopSpeedOfPointerSpeed(*PointerSpeedForLevel(level))),
                  *PointerSpeedForLevel(level));
}

TEST(GSettingsPointerStoreMissing, AnotherDesktopOffersNothingAndSaysWhy)
{
    setenv("GSETTINGS_BACKEND", "memory", 1);
    GSettingsPointerSettingsStore store("org.example.no.such.schema");
    EXPECT_FALSE(store.available().any());
    EXPECT_FALSE(store.unavailableHint().empty());
    EXPECT_FALSE(store.readMouse());
    EXPECT_FALSE(store.writeMouse({20, 1, 6, 10, 200}));
    EXPECT_TRUE(store.apply({}));
}

} // namespace
} // namespace tarq
