// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/PointerSettings.h"
#include "settings/memory/MemoryPointerSettingsStore.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

MousePointerValues Mouse(std::optional<int> speed, PrecisionValues p, std::optional<int> doubleClick)
{
    return {speed, p.acceleration, p.threshold1, p.threshold2, doubleClick};
}

class PointerSettingsTest : public ::testing::Test {
protected:
    MemoryPointerSettingsStore store;
    PointerSettings settings;
};

TEST_F(PointerSettingsTest, ReadingTakesTheLevelsOfTheSystemValues)
{
    store.Mouse = Mouse(10, kPrecisionOff, 500);
    store.Wheel = 0;
    ASSERT_TRUE(settings.ReadMouse(store));
    ASSERT_TRUE(settings.ReadWheel(store));
    EXPECT_EQ(settings.PointerSpeedLevel, 6);
    EXPECT_EQ(settings.PointerSpeedValue, 10);
    EXPECT_FALSE(settings.PrecisionChecked);
    EXPECT_EQ(settings.DoubleClickLevel, 7);
    EXPECT_EQ(settings.DoubleClickTime, 500);
    EXPECT_EQ(settings.WheelLevel, 3);
    EXPECT_EQ(settings.SavedWheelLevel, 3);
    EXPECT_FALSE(settings.OneScreenChecked);
}

TEST_F(PointerSettingsTest, UnreadableValuesFallBackAndMissingSettingsLeaveEverything)
{
    store.Mouse = MousePointerValues{};   // key opens, no value readable
    ASSERT_TRUE(settings.ReadMouse(store));
    EXPECT_EQ(settings.PointerSpeedValue, 20);
    EXPECT_EQ(settings.PointerSpeedLevel, 11);
    EXPECT_EQ(settings.Precision, kPrecisionOff);
    EXPECT_FALSE(settings.PrecisionChecked);
    EXPECT_EQ(settings.DoubleClickTime, 480);

    PointerSettings untouched;
    store.MouseOpens = false;
    store.Wheel.reset();
    EXPECT_FALSE(untouched.ReadMouse(store));
    EXPECT_FALSE(untouched.ReadWheel(store));
    EXPECT_EQ(untouched.PointerSpeedLevel, 0);
    EXPECT_TRUE(untouched.PrecisionChecked);
    EXPECT_TRUE(untouched.OneScreenChecked);
}

TEST_F(PointerSettingsTest, OneScreenReadKeepsTheWheelLevelAndTurningItOffGivesLevelOne)
{
    settings.SetWheelLevel(5);
    store.Wheel = kOneScreen;
    ASSERT_TRUE(settings.ReadWheel(store));
    EXPECT_TRUE(settings.OneScreenChecked);
    EXPECT_EQ(settings.WheelLevel, 5);
    EXPECT_EQ(settings.SavedWheelLevel, 1);

    settings.ToggleOneScreen();
    settings.WriteAndApply(store);
    EXPECT_FALSE(settings.OneScreenChecked);
    EXPECT_EQ(store.Wheel, 1);
    EXPECT_EQ(store.Applied.back().wheelLines, 1);
}

TEST_F(PointerSettingsTest, OneScreenToggleWritesMinusOneAndRestoresTheSliderLevel)
{
    settings.OneScreenChecked = false;
    settings.SetWheelLevel(7);
    settings.ToggleOneScreen();
    settings.WriteAndApply(store);
    EXPECT_EQ(settings.WheelLevel, kOneScreen);
    EXPECT_EQ(store.Wheel, kOneScreen);
    EXPECT_EQ(store.Applied.back().wheelLines, kOneScreen);

    settings.ToggleOneScreen();
    settings.WriteAndApply(store);
    EXPECT_EQ(settings.WheelLevel, 7);
    EXPECT_EQ(store.Wheel, 7);
}

TEST_F(PointerSettingsTest, WritingWritesEveryValueAndAppliesThemAll)
{
    store.Mouse = Mouse(10, kPrecisionOff, 500);
    store.Wheel = 3;
    settings.ReadMouse(store);
    settings.ReadWheel(store);
    settings.SetDoubleClickLevel(settings.DoubleClickLevel);   // released where it was
    settings.TogglePrecision();
    settings.WriteAndApply(store);

    ASSERT_EQ(store.MouseWrites.size(), 1u);
    const MousePointerValues& w = store.MouseWrites[0];
    EXPECT_EQ(w.speed, 10);   // unchanged speed written back as it was
    EXPECT_EQ(w.acceleration, 1);
    EXPECT_EQ(w.threshold1, 6);
    EXPECT_EQ(w.threshold2, 10);
    EXPECT_EQ(w.doubleClickTime, 480);   // 500 ms has no level: level 7 is 480
    EXPECT_EQ(store.WheelWrites, std::vector<int>{3});

    ASSERT_EQ(store.Applied.size(), 1u);
    const AppliedPointerValues& a = store.Applied[0];
    EXPECT_EQ(a.speed, 10);
    EXPECT_EQ(a.precision, kPrecisionOn);
    EXPECT_EQ(a.doubleClickTime, 480);
    EXPECT_EQ(a.wheelLines, 3);

    settings.TogglePrecision();
    settings.WriteAndApply(store);
    EXPECT_EQ(store.Mouse->acceleration, 0);
    EXPECT_EQ(store.Mouse->threshold1, 0);
    EXPECT_EQ(store.Mouse->threshold2, 0);
}

TEST_F(PointerSettingsTest, LevelsNeverReadOrChosenWriteNothing)
{
    settings.WriteAndApply(store);
    ASSERT_EQ(store.MouseWrites.size(), 1u);
    EXPECT_FALSE(store.MouseWrites[0].speed);
    EXPECT_FALSE(store.MouseWrites[0].doubleClickTime);
    EXPECT_TRUE(store.MouseWrites[0].acceleration);   // the precision check always has a state
    EXPECT_TRUE(store.WheelWrites.empty());
    EXPECT_EQ(store.Applied.size(), 1u);
}

TEST_F(PointerSettingsTest, StoresWithFinerSettingsGetOnlyTheChangedOnes)
{
    store.WritesOnlyChanged = true;
    store.Mouse = Mouse(10, kPrecisionOn, 400);   // 400 ms is between two levels
    settings.ReadMouse(store);
    settings.WriteAndApply(store);
    ASSERT_EQ(store.MouseWrites.size(), 1u);
    EXPECT_FALSE(store.MouseWrites[0].speed || store.MouseWrites[0].acceleration || store.MouseWrites[0].doubleClickTime);
    EXPECT_EQ(store.Mouse->doubleClickTime, 400);

    settings.SetSpeedLevel(11);
    settings.WriteAndApply(store);
    EXPECT_EQ(store.MouseWrites.back().speed, 20);
    EXPECT_FALSE(store.MouseWrites.back().doubleClickTime || store.MouseWrites.back().acceleration);
    EXPECT_EQ(store.Mouse->doubleClickTime, 400);

    // A new read makes the read values the system's again.
    settings.ReadMouse(store);
    settings.WriteAndApply(store);
    EXPECT_FALSE(store.MouseWrites.back().speed);
}

TEST_F(PointerSettingsTest, WritesToSettingsThatCannotOpenStillApplyTheValuesInMemory)
{
    store.MouseOpens = false;
    store.WheelOpens = false;
    settings.SetSpeedLevel(3);
    settings.SetWheelLevel(2);
    settings.WriteAndApply(store);
    EXPECT_TRUE(store.MouseWrites.empty());
    EXPECT_TRUE(store.WheelWrites.empty());
    ASSERT_EQ(store.Applied.size(), 1u);
    EXPECT_EQ(store.Applied[0].speed, 4);
    EXPECT_EQ(store.Applied[0].wheelLines, 2);
}

TEST(PointerSettingsSlider, SliderValueOfALevel)
{
    EXPECT_EQ(PointerSettings::SliderValue(1), 0);
    EXPECT_EQ(PointerSettings::SliderValue(6), 500);
    EXPECT_EQ(PointerSettings::SliderValue(11), 1000);
    EXPECT_EQ(PointerSettings::SliderValue(0), 0);
    EXPECT_EQ(PointerSettings::SliderValue(kOneScreen), 0);
}

TEST(MemoryPointerStore, SeededFromAnotherStoreCopiesValuesAndOffer)
{
    MemoryPointerSettingsStore system;
    system.Mouse = Mouse(6, kPrecisionOn, 620);
    system.Wheel = 4;
    system.Available = {true, true, true, false};
    system.Hint = "no wheel";
    system.WritesOnlyChanged = true;
    MemoryPointerSettingsStore demo = MemoryPointerSettingsStore::SeededFrom(system);
    EXPECT_EQ(demo.readMouse()->speed, 6);
    EXPECT_EQ(demo.readWheel(), 4);
    EXPECT_EQ(demo.available(), system.Available);
    EXPECT_EQ(demo.unavailableHint(), "no wheel");
    EXPECT_TRUE(demo.writesOnlyChanged());

    demo.writeMouse(Mouse(20, kPrecisionOff, 200));
    EXPECT_EQ(system.Mouse->speed, 6);   // the system's own values are not touched
}

} // namespace
} // namespace tarq
