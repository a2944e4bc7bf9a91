// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/GunSlotEdits.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "config/ImageLayout.h"
#include "firemacros/FireMacro.h"
#include "firemacros/GunTable.h"
#include "settings/ui/ShownControls.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"
#include "config/ui/SettingsMapping.h"
#include "ui/WindowServices.h"
#include "ui/pages/GunPageControls.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"

namespace tarq {

namespace {

constexpr int kNotWholeNumberText = 940;
constexpr int kNoSuchStepText = 950;
constexpr int kFireMacroModeStop = 0x0E;
constexpr int kFireMacroModePlay = 0x0B;

// The table beside an open fire macro editor: captions wrapped in a narrower box, then the three
// columns side by side, the last one ending left of the editor card.
constexpr int kNarrowCaptionWidth = 116;
constexpr int kNarrowCaptionHeight = 40;
constexpr int kNarrowColumnLeft = 540;
constexpr int kNarrowColumnStep = 58;
constexpr int kNarrowEditWidth = 54;

// A column's controls in the order they are moved; the edits and the column number take the
// narrow width, the others keep their place relative to the column's centre.
std::vector<std::pair<QWidget*, bool>> ColumnControls(const GunColumnControls& c)
{
    return {{c.number, true},     {c.releasePicture, false}, {c.releaseArea, false}, {c.count, true},
            {c.y, true},          {c.yOffset, true},         {c.interval, true},     {c.colourFrame, false},
            {c.colour, false},    {c.colourArea, false}};
}

constexpr GunSlotEdits::Field kFields[] = {GunSlotEdits::Field::Count, GunSlotEdits::Field::X,
                                           GunSlotEdits::Field::Y, GunSlotEdits::Field::YOffset,
                                           GunSlotEdits::Field::Interval};

// A text set by the program, not typed: the edit's change handler does not run.
void SetQuietly(QLineEdit* edit, const QString& text)
{
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

} // namespace

GunSlotEdits::GunSlotEdits(ConfigurationState& config, const AppContext& app, WindowServices& window,
                           GunPageControls& controls, SettingsMapping& shownSettings, QObject* parent)
    : QObject(parent), config_(config), app_(app), window_(window), controls_(controls), shownSettings_(shownSettings)
{
}

GunColumnControls& GunSlotEdits::Column(int column) const
{
    return controls_.columns[size_t(column - 1)];
}

QLineEdit* GunSlotEdits::Edit(Field field, int column) const
{
    const GunColumnControls& c = Column(column);
    switch (field) {
    case Field::Count: return c.count;
    case Field::X: return c.x;
    case Field::Y: return c.y;
    case Field::YOffset: return c.yOffset;
    case Field::Interval: return c.interval;
    }
    return nullptr;
}

void GunSlotEdits::Wire()
{
    for (int c = 1; c <= kGunMaxColumns; ++c) {
        for (Field field : kFields)
            connect(Edit(field, c), &QLineEdit::textChanged, this, [this, field, c] { EditChanged(field, c); });
        for (TSkinLabel* label : {Column(c).releaseArea, Column(c).releasePicture})
            connect(label, &TSkinLabel::clicked, this, [this, c] { lbl_FireRKFSClick(c); });
        connect(Column(c).colourArea, &TSkinLabel::clicked, this, [this, c] { IB_FireColorClick(c); });
    }
    // A click on any row caption toggles the release mode of the first column.
    for (TSkinLabel* caption : controls_.rowCaptions)
        connect(caption, &TSkinLabel::clicked, this, [this] { lbl_FireRKFSClick(1); });
}

int GunSlotEdits::RecordOf(int column) const
{
    return GunColumnRecord(gun_, column);
}

void GunSlotEdits::SetColumnVisible(int column, bool visible)
{
    for (const auto& [w, edit] : ColumnControls(Column(column)))
        if (w != Column(column).number)
            w->setVisible(visible);
}

void GunSlotEdits::MakeRoomForEditor(bool editorOpen)
{
    if (editorOpen == roomMade_)
        return;
    roomMade_ = editorOpen;
    if (!editorOpen) {
        for (const Placed& p : placed_) {
            p.widget->setGeometry(p.geometry);
            if (auto* label = qobject_cast<QLabel*>(p.widget))
                label->setWordWrap(false);
        }
        placed_.clear();
        return;
    }
    placed_.clear();
    auto remember = [this](QWidget* w) { placed_.push_back({w, w->geometry()}); };
    for (TSkinLabel* label : controls_.rowCaptions) {
        remember(label);
        const QRect was = label->geometry();
        label->setWordWrap(true);
        label->setGeometry(was.x(), was.center().y() - kNarrowCaptionHeight / 2, kNarrowCaptionWidth,
                           kNarrowCaptionHeight);
    }
    for (int c = 1; c <= kGunMaxColumns; ++c) {
        QWidget* anchor = Column(c).count;
        const int left = kNarrowColumnLeft + (c - 1) * kNarrowColumnStep;
        // Controls narrower than the edits keep their place relative to the column's centre.
        const int shift = left + kNarrowEditWidth / 2 - anchor->geometry().center().x();
        for (const auto& [w, edit] : ColumnControls(Column(c))) {
            remember(w);
            const QRect was = w->geometry();
            if (edit)
                w->setGeometry(left, was.y(), kNarrowEditWidth, was.height());
            else
                w->move(was.x() + shift, was.y());
        }
    }
}

void GunSlotEdits::LayoutApplied()
{
    if (!roomMade_)
        return;
    // The layout has moved the controls to its places but kept their sizes: give them their own
    // sizes back, then make the room again from where they now stand.
    for (const Placed& p : placed_) {
        p.widget->resize(p.geometry.size());
        if (auto* label = qobject_cast<QLabel*>(p.widget))
            label->setWordWrap(false);
    }
    placed_.clear();
    roomMade_ = false;
    MakeRoomForEditor(true);
}

void GunSlotEdits::LoadGun(int gun)
{
    gun_ = std::clamp(gun, 1, kGunCount);
    loading_ = true;
    const GunPreset& preset = GunPresetOf(gun_);

    // Every edit starts from 0; the columns of the gun then show their records.
    for (int c = 1; c <= kGunMaxColumns; ++c)
        for (Field field : kFields)
            SetQuietly(Edit(field, c), QStringLiteral("0"));

    const int columns = GunColumnCount(gun_);
    for (int c = 2; c <= kGunMaxColumns; ++c)
        SetColumnVisible(c, c <= columns);
    // Column numbers only mean something when there is more than one column.
    for (int c = 1; c <= kGunMaxColumns; ++c)
        Column(c).number->setVisible(columns > 1 && c <= columns);
    for (int icon = 1; icon <= GunPageControls::kModeIcons; ++icon) {
        const bool shown = std::find(preset.modeIcons.begin(), preset.modeIcons.end(), icon) != preset.modeIcons.end();
        controls_.modeIcons[size_t(icon - 1)]->setVisible(shown);
    }

    for (int c = 1; c <= columns; ++c) {
        const int m = RecordOf(c);
        const auto record = FireMacroRecordOf(std::span<const uint8_t>(config_.FireMacroWork), m);
        const FireParameters p = LoadFireParameters(record, c);
        if (p.releaseStop) {
            Column(c).release->setChecked(*p.releaseStop);
            Column(c).releasePicture->setPicture(shown::CheckPicture(*p.releaseStop));
            config_.DataBuf[databuf::kFirePointers + size_t(m - 1) * databuf::kFirePointerSize] =
                *p.releaseStop ? kFireMacroModeStop : kFireMacroModePlay;
        }
        positions_[size_t(m - 1)] = p.positions;
        // A value the record has no step for could not be stored: its edit takes no input
        // instead of showing a number that is dropped.
        const std::pair<Field, bool> patchable[] = {{Field::Count, p.positions.count.has_value()},
                                                    {Field::Y, p.positions.y.has_value()},
                                                    {Field::Interval, p.positions.interval.has_value()}};
        for (const auto& [field, has] : patchable) {
            QLineEdit* edit = Edit(field, c);
            edit->setEnabled(has);
            edit->deselect();
            edit->setToolTip(has ? QString() : app_.Text(kNoSuchStepText));
        }
        SetQuietly(Edit(Field::Count, c), QString::fromStdString(p.count));
        SetQuietly(Edit(Field::X, c), QString::fromStdString(p.x));
        SetQuietly(Edit(Field::Y, c), QString::fromStdString(p.y));
        SetQuietly(Edit(Field::Interval, c), QString::fromStdString(p.interval));
    }
    for (int c = 1; c <= columns; ++c) {
        const int m = RecordOf(c);
        const auto offset = static_cast<int8_t>(config_.DataBuf[databuf::kYOffsets + size_t(m - 1) * databuf::kYOffsetSize]);
        SetQuietly(Edit(Field::YOffset, c), QString::number(offset));
        const QColor colour = FireColour(m);
        Column(c).colour->setBrushColor(colour);
        Column(c).colour->setPenColor(colour);
    }
    loading_ = false;
}

void GunSlotEdits::Reject(const QString& text)
{
    window_.ShowDialogMessage(app_.Text(kNotWholeNumberText).arg(text));
}

void GunSlotEdits::WriteYOffset(int record, int offset)
{
    const auto pair = YOffsetPair(static_cast<int8_t>(offset));
    const size_t at = databuf::kYOffsets + size_t(record - 1) * databuf::kYOffsetSize;
    config_.DataBuf[at] = pair[0];
    config_.DataBuf[at + 1] = pair[1];
    shownSettings_.Model().yOffsets[size_t(record - 1)] = offset;
    shownSettings_.ShowModel();
}

QColor GunSlotEdits::FireColour(int record) const
{
    const auto& rgb = shownSettings_.Model().fireMacroColours[size_t(record - 1)];
    return QColor(std::clamp(rgb[0], 0, 255), std::clamp(rgb[1], 0, 255), std::clamp(rgb[2], 0, 255));
}

void GunSlotEdits::WriteFireColour(int record, const QColor& colour)
{
    const int rgb[3] = {colour.red(), colour.green(), colour.blue()};
    for (size_t ch = 0; ch < 3; ++ch) {
        config_.DataBuf[databuf::kFireColours + size_t(record - 1) * databuf::kFireColourSize + ch] =
            static_cast<uint8_t>(rgb[ch]);
        shownSettings_.Model().fireMacroColours[size_t(record - 1)][ch] = rgb[ch];
    }
    shownSettings_.ShowModel();
}

void GunSlotEdits::EditChanged(Field field, int column)
{
    if (loading_)
        return;
    const int m = RecordOf(column);
    QLineEdit* edit = Edit(field, column);
    if (m == 0)
        return;
    const std::string text = edit->text().toStdString();
    auto record = FireMacroRecordOf(std::span<uint8_t>(config_.FireMacroWork), m);
    const FirePatchPositions& at = positions_[size_t(m - 1)];

    FireEditResult result;
    switch (field) {
    case Field::Count: result = EditFireCount(record, at, text); break;
    case Field::X: result = EditFireX(record, at, text); break;
    case Field::Y: result = EditFireY(record, at, text); break;
    case Field::Interval: result = EditFireInterval(record, at, text); break;
    case Field::YOffset: {
        const int y = Edit(Field::Y, column)->text().trimmed().toInt();
        result = EditFireYOffset(text, y);
        break;
    }
    }
    if (result.status == FireEditStatus::Invalid) {
        Reject(edit->text());
        return;
    }
    if (result.status == FireEditStatus::Pending)
        return;
    if (field == Field::Y) {
        // A new vertical move starts from no offset.
        WriteYOffset(m, 0);
        loading_ = true;
        SetQuietly(Edit(Field::YOffset, column), QStringLiteral("0"));
        loading_ = false;
    }
    if (field == Field::YOffset)
        WriteYOffset(m, result.value);
    // The corrected text runs this handler once more and stores the same value.
    if (result.text != text)
        edit->setText(QString::fromStdString(result.text));
}

void GunSlotEdits::SetRelease(int column, int record, bool stop)
{
    Column(column).release->setChecked(stop);
    Column(column).releasePicture->setPicture(shown::CheckPicture(stop));
    config_.FireMacroWork[FireMacroOffset(record) + fire_record::kModeOffset] = stop ? 1 : 0;
    config_.DataBuf[databuf::kFirePointers + size_t(record - 1) * databuf::kFirePointerSize] =
        stop ? kFireMacroModeStop : kFireMacroModePlay;
}

void GunSlotEdits::lbl_FireRKFSClick(int column)
{
    if (loading_)
        return;
    const int m = RecordOf(column);
    if (m == 0)
        return;
    SetRelease(column, m, !Column(column).release->isChecked());
}

void GunSlotEdits::IB_FireColorClick(int column)
{
    if (loading_)
        return;
    const int m = RecordOf(column);
    if (m == 0)
        return;
    const std::optional<QColor> picked = window_.Prompts().ChooseColour(FireColour(m));
    if (!picked)
        return;
    Column(column).colour->setBrushColor(*picked);
    Column(column).colour->setPenColor(*picked);
    WriteFireColour(m, *picked);
}

} // namespace tarq
