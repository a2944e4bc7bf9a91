// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The DPI levels on the DPI page and the engineer page: how many levels are in use, which one
// is current, each level's value and colour swatch. These are the display steps that showing
// an image runs; none of them writes DataBuf.

#include "config/ImageLayout.h"
#include "config/SettingsModel.h"

#include <QString>

namespace tarq {

struct DpiPageControls;
struct EngineerSettingsControls;
struct ConfigurationState;
struct AppContext;

class DpiDisplay {
public:
    static constexpr int kMinLevels = 2;

    // `engineer`: the engineer page's partners of the DPI page.
    DpiDisplay(ConfigurationState& config, const AppContext& app, const EngineerSettingsControls& engineer,
               const DpiPageControls& page);

    // Levels in use, 2-7; 7 until an image is shown.
    int DpiLevelCount() const { return levelCount_; }
    // Index 0-6 of the current level.
    int CurrentDpiLevel() const { return currentLevel_; }

    // The model's level count on both pages: the count boxes, levels 3 to the count in use and
    // the others out of use, the current-level list of the levels in use.
    void ShowLevelCount();
    // A level count was chosen into the model: the highest level in use becomes current, and
    // both pages show it.
    void cb_CPIStepChange();

    // Level n (3-7) in use or not: the engineer value box and colour edits, the DPI page's
    // slider, mark, swatch target and label colour.
    void TLEnableLEDCPIParam(int level);
    void TLDisableLEDCPIParam(int level);

    // The marks and hidden radio buttons follow a current level index (0-6); any other index
    // leaves every mark clear.
    void ShowCurrentLevel(int index);
    // The current level as an image or the driver's record gives it: marks and CurrentDpiLevel.
    void SetCurrentDpiLevel(int index);

    // The DPI page as the image in `buf` has it: level count, levels in use, each level's value
    // label and slider, and the current-level mark.
    void ShowLevels(const DataBuf& buf);

    // The colour swatches filled from the image; shown for the MCU LED, hidden otherwise.
    void ShowSwatches(const DataBuf& buf, bool mcuLed);
    void ShowSwatchesVisible(bool visible);

    // Text of DPI value index 0-11 in the current language; empty for any other index.
    QString DpiText(int index) const;

private:
    void SetLevelInUse(int level, bool inUse);

    ConfigurationState& config_;
    const AppContext& app_;
    const EngineerSettingsControls& engineer_;
    const DpiPageControls& page_;
    int levelCount_ = kDpiLevelSlots;
    int currentLevel_ = kDpiLevelSlots - 1;
};

} // namespace tarq
