// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/GunSlotEdits.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>

#include "app/FormState.h"
#include "config/ImageLayout.h"
#include "firemacros/FireMacro.h"
#include "firemacros/GunTable.h"
#include "settings/ui/ShownControls.h"
#include "ui/Controls.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

namespace tarq {

namespace {

constexpr int kNotWholeNumberText = 940;
constexpr int kNoSuchStepText = 950;
constexpr int kFireMacroModeStop = 0x0E;
constexpr int kFireMacroModePlay = 0x0B;

const char* const kChannels[] = {"R", "G", "B"};

QString EditName(GunSlotEdits::Field field, int column)
{
    const QString n = QString::number(column);
    switch (field) {
    case GunSlotEdits::Field::Count: return "Edt_FireCnt" + n;
    case GunSlotEdits::Field::X: return "Edt_FireX" + n;
    case GunSlotEdits::Field::Y: return "Edt_FireY" + n;
    case GunSlotEdits::Field::YOffset: return "Edt_FireY" + n + "Offset";
    case GunSlotEdits::Field::Interval: return "Edt_FireTime" + n;
    }
    return {};
}

const char* const kRowCaptions[] = {"lbl_Fire_Marco_Stop_Release", "lbl_Fire_Marco_Count", "lbl_Fire_Marco_Y",
                                    "lbl_Fire_Marco_Y_Offset",     "lbl_Fire_Marco_Delay", "lbl_Fire_Marco_Color"};

// The table beside an open fire macro editor: captions wrapped in a narrower box, then the three
// columns side by side, the last one ending left of the editor card.
constexpr int kNarrowCaptionWidth = 116;
constexpr int kNarrowCaptionHeight = 40;
constexpr int kNarrowColumnLeft = 540;
constexpr int kNarrowColumnStep = 58;
constexpr int kNarrowEditWidth = 54;

QStringList ColumnControls(int column)
{
    const QString n = QString::number(column);
    return {"lbl_FireColumn" + n, "Img_FireRKFS" + n, "lbl_FireRKFS" + n, "Edt_FireCnt" + n,
            "Edt_FireY" + n,     "Edt_FireY" + n + "Offset", "Edt_FireTime" + n, "Img_FireColor" + n,
            "cs_FireColor" + n,  "IB_FireColor" + n};
}

bool IsColumnEdit(const QString& name)
{
    return name.startsWith(QLatin1String("Edt_")) || name.startsWith(QLatin1String("lbl_FireColumn"));
}

constexpr GunSlotEdits::Field kFields[] = {GunSlotEdits::Field::Count, GunSlotEdits::Field::X,
                                           GunSlotEdits::Field::Y, GunSlotEdits::Field::YOffset,
                                           GunSlotEdits::Field::Interval};

QString ColourEdit(int record, int channel)
{
    return QStringLiteral("edt_FireMacroColor%1%2").arg(record).arg(QLatin1String(kChannels[channel]));
}

} // namespace

GunSlotEdits::GunSlotEdits(FormState& state, Controls& controls, WindowServices& window, QObject* parent)
    : QObject(parent), state_(state), controls_(controls), window_(window)
{
}

void GunSlotEdits::Wire()
{
    for (int c = 1; c <= kGunMaxColumns; ++c) {
        for (Field field : kFields)
            if (auto* edit = controls_.get<QLineEdit>(EditName(field, c)))
                connect(edit, &QLineEdit::textChanged, this, [this, field, c] { EditChanged(field, c); });
        for (const QString& name : {shown::Numbered("lbl_FireRKFS", c), shown::Numbered("Img_FireRKFS", c)})
            if (auto* label = controls_.find<TSkinLabel>(name))
                connect(label, &TSkinLabel::clicked, this, [this, c] { lbl_FireRKFSClick(c); });
        if (auto* area = controls_.get<TSkinLabel>(shown::Numbered("IB_FireColor", c)))
            connect(area, &TSkinLabel::clicked, this, [this, c] { IB_FireColorClick(c); });
    }
    // A click on any row caption toggles the release mode of the first column.
    for (const char* caption : kRowCaptions)
        if (auto* label = controls_.get<TSkinLabel>(caption))
            connect(label, &TSkinLabel::clicked, this, [this] { lbl_FireRKFSClick(1); });
}

int GunSlotEdits::RecordOf(int column) const
{
    return GunColumnRecord(gun_, column);
}

void GunSlotEdits::SetColumnVisible(int column, bool visible)
{
    const QString n = QString::number(column);
    for (const QString& name : {"Img_FireRKFS" + n, "lbl_FireRKFS" + n, "Edt_FireCnt" + n, "Edt_FireY" + n,
                                "Edt_FireY" + n + "Offset", "Edt_FireTime" + n, "Img_FireColor" + n,
                                "cs_FireColor" + n, "IB_FireColor" + n})
        shown::SetVisible(controls_, name, visible);
}

void GunSlotEdits::MakeRoomForEditor(bool editorOpen)
{
    if (editorOpen == roomMade_)
        return;
    roomMade_ = editorOpen;
    if (!editorOpen) {
        for (const Placed& p : placed_)
            if (auto* w = controls_.find<QWidget>(p.name)) {
                w->setGeometry(p.geometry);
                if (auto* label = qobject_cast<QLabel*>(w))
                    label->setWordWrap(false);
            }
        placed_.clear();
        return;
    }
    placed_.clear();
    auto remember = [this](QWidget* w) { placed_.push_back({w->objectName(), w->geometry()}); };
    for (const char* name : kRowCaptions)
        if (auto* label = controls_.find<QLabel>(QString::fromLatin1(name))) {
            remember(label);
            const QRect was = label->geometry();
            label->setWordWrap(true);
            label->setGeometry(was.x(), was.center().y() - kNarrowCaptionHeight / 2, kNarrowCaptionWidth,
                               kNarrowCaptionHeight);
        }
    for (int c = 1; c <= kGunMaxColumns; ++c) {
        auto* anchor = controls_.find<QWidget>(EditName(Field::Count, c));
        if (!anchor)
            continue;
        const int left = kNarrowColumnLeft + (c - 1) * kNarrowColumnStep;
        // Controls narrower than the edits keep their place relative to the column's centre.
        const int shift = left + kNarrowEditWidth / 2 - anchor->geometry().center().x();
        for (const QString& name : ColumnControls(c)) {
            auto* w = controls_.find<QWidget>(name);
            if (!w)
                continue;
            remember(w);
            const QRect was = w->geometry();
            if (IsColumnEdit(name))
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
    for (const Placed& p : placed_)
        if (auto* w = controls_.find<QWidget>(p.name)) {
            w->resize(p.geometry.size());
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setWordWrap(false);
        }
    placed_.clear();
    roomMade_ = false;
    MakeRoomForEditor(true);
}

QColor GunSlotEdits::RecordColour(int record) const
{
    int rgb[3] = {};
    for (int ch = 0; ch < 3; ++ch)
        rgb[ch] = std::clamp(shown::NumberOf(controls_, ColourEdit(record, ch)), 0, 255);
    return QColor(rgb[0], rgb[1], rgb[2]);
}

void GunSlotEdits::LoadGun(int gun)
{
    gun_ = std::clamp(gun, 1, kGunCount);
    loading_ = true;
    const GunPreset& preset = GunPresetOf(gun_);

    // InitFireParameter
    for (int c = 1; c <= kGunMaxColumns; ++c)
        for (Field field : kFields)
            shown::SetText(controls_, EditName(field, c), QStringLiteral("0"));

    const int columns = GunColumnCount(gun_);
    for (int c = 2; c <= kGunMaxColumns; ++c)
        SetColumnVisible(c, c <= columns);
    // Column numbers only mean something when there is more than one column.
    for (int c = 1; c <= kGunMaxColumns; ++c)
        shown::SetVisible(controls_, shown::Numbered("lbl_FireColumn", c), columns > 1 && c <= columns);
    for (int icon = 1; icon <= 5; ++icon) {
        const bool shown = std::find(preset.modeIcons.begin(), preset.modeIcons.end(), icon) != preset.modeIcons.end();
        shown::SetVisible(controls_, shown::Numbered("Img_GunMode", icon), shown);
    }

    for (int c = 1; c <= columns; ++c) {
        const int m = RecordOf(c);
        const auto record = FireMacroRecordOf(std::span<const uint8_t>(state_.FireMacroWork), m);
        const FireParameters p = LoadFireParameters(record, c);
        if (p.releaseStop) {
            shown::SetChecked(controls_, shown::Numbered("cb_FireRKFS", c), *p.releaseStop);
            window_.SetPicture(shown::Numbered("Img_FireRKFS", c), shown::CheckPicture(*p.releaseStop));
            state_.DataBuf[databuf::kFirePointers + size_t(m - 1) * databuf::kFirePointerSize] =
                *p.releaseStop ? kFireMacroModeStop : kFireMacroModePlay;
        }
        positions_[size_t(m - 1)] = p.positions;
        // A value the record has no step for could not be stored: its edit takes no input
        // instead of showing a number that is dropped.
        const std::pair<Field, bool> patchable[] = {{Field::Count, p.positions.count.has_value()},
                                                    {Field::Y, p.positions.y.has_value()},
                                                    {Field::Interval, p.positions.interval.has_value()}};
        for (const auto& [field, has] : patchable)
            if (auto* edit = controls_.get<QLineEdit>(EditName(field, c))) {
                edit->setEnabled(has);
                edit->deselect();
                edit->setToolTip(has ? QString() : state_.Text(kNoSuchStepText));
            }
        shown::SetText(controls_, EditName(Field::Count, c), QString::fromStdString(p.count));
        shown::SetText(controls_, EditName(Field::X, c), QString::fromStdString(p.x));
        shown::SetText(controls_, EditName(Field::Y, c), QString::fromStdString(p.y));
        shown::SetText(controls_, EditName(Field::Interval, c), QString::fromStdString(p.interval));
    }
    for (int c = 1; c <= columns; ++c) {
        const int m = RecordOf(c);
        const auto offset = static_cast<int8_t>(state_.DataBuf[databuf::kYOffsets + size_t(m - 1) * databuf::kYOffsetSize]);
        shown::SetText(controls_, EditName(Field::YOffset, c), QString::number(offset));
        if (auto* swatch = controls_.get<TRectShape>(shown::Numbered("cs_FireColor", c))) {
            const QColor colour = RecordColour(m);
            swatch->setBrushColor(colour);
            swatch->setPenColor(colour);
        }
    }
    loading_ = false;
}

void GunSlotEdits::Reject(const QString& text)
{
    if (window_.ShowDialogMessage)
        window_.ShowDialogMessage(state_.Text(kNotWholeNumberText).arg(text));
}

void GunSlotEdits::WriteYOffset(int record, int offset)
{
    const auto pair = YOffsetPair(static_cast<int8_t>(offset));
    const size_t at = databuf::kYOffsets + size_t(record - 1) * databuf::kYOffsetSize;
    state_.DataBuf[at] = pair[0];
    state_.DataBuf[at + 1] = pair[1];
    shown::SetText(controls_, shown::Numbered("edt_YOffset", record), QString::number(offset));
}

void GunSlotEdits::EditChanged(Field field, int column)
{
    if (loading_)
        return;
    const int m = RecordOf(column);
    auto* edit = controls_.get<QLineEdit>(EditName(field, column));
    if (m == 0 || !edit)
        return;
    const std::string text = edit->text().toStdString();
    auto record = FireMacroRecordOf(std::span<uint8_t>(state_.FireMacroWork), m);
    const FirePatchPositions& at = positions_[size_t(m - 1)];

    FireEditResult result;
    switch (field) {
    case Field::Count: result = EditFireCount(record, at, text); break;
    case Field::X: result = EditFireX(record, at, text); break;
    case Field::Y: result = EditFireY(record, at, text); break;
    case Field::Interval: result = EditFireInterval(record, at, text); break;
    case Field::YOffset: {
        const int y = shown::NumberOf(controls_, EditName(Field::Y, column));
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
        shown::SetText(controls_, EditName(Field::YOffset, column), QStringLiteral("0"));
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
    shown::SetChecked(controls_, shown::Numbered("cb_FireRKFS", column), stop);
    window_.SetPicture(shown::Numbered("Img_FireRKFS", column), shown::CheckPicture(stop));
    state_.FireMacroWork[FireMacroOffset(record) + fire_record::kModeOffset] = stop ? 1 : 0;
    state_.DataBuf[databuf::kFirePointers + size_t(record - 1) * databuf::kFirePointerSize] =
        stop ? kFireMacroModeStop : kFireMacroModePlay;
}

void GunSlotEdits::lbl_FireRKFSClick(int column)
{
    if (loading_)
        return;
    const int m = RecordOf(column);
    if (m == 0)
        return;
    SetRelease(column, m, !shown::IsChecked(controls_, shown::Numbered("cb_FireRKFS", column)));
}

void GunSlotEdits::IB_FireColorClick(int column)
{
    if (loading_)
        return;
    const int m = RecordOf(column);
    if (m == 0)
        return;
    const std::optional<QColor> picked = window_.Prompts().ChooseColour(RecordColour(m));
    if (!picked)
        return;
    if (auto* swatch = controls_.get<TRectShape>(shown::Numbered("cs_FireColor", column))) {
        swatch->setBrushColor(*picked);
        swatch->setPenColor(*picked);
    }
    const int rgb[3] = {picked->red(), picked->green(), picked->blue()};
    for (int ch = 0; ch < 3; ++ch) {
        shown::SetText(controls_, ColourEdit(m, ch), QString::number(rgb[ch]));
        state_.DataBuf[databuf::kFireColours + size_t(m - 1) * databuf::kFireColourSize + size_t(ch)] =
            static_cast<uint8_t>(rgb[ch]);
    }
}

} // namespace tarq
