// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The parameter columns of the gun page: for the selected gun, each column shows one fire
// macro record of FireMacroWork (shot count, X and Y move, Y offset, interval, colour and
// stop-on-release) and every change patches that record in place with its checksum renewed.
// The Y offset, the colour and the release kind live in DataBuf's fire tables; the colour and
// the Y offset are also fields of the settings model (SettingsMapping::Model(), shown on the
// engineer page), which an Apply packs back into those tables.

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "firemacros/FirePatch.h"

class QLineEdit;
class QWidget;

namespace tarq {

class SettingsMapping;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct GunColumnControls;
struct GunPageControls;

class GunSlotEdits : public QObject {
    Q_OBJECT
public:
    // `shownSettings`: the settings model's fire colours and Y offsets, and their view.
    GunSlotEdits(ConfigurationState& config, const AppContext& app, WindowServices& window, GunPageControls& controls,
                 SettingsMapping& shownSettings, QObject* parent);

    void Wire();

    // The selected gun's columns filled from FireMacroWork and the fire tables
    // (the edits cleared, the columns shown or hidden, each record's parameters, Y offset and colour).
    void LoadGun(int gun);
    int Gun() const { return gun_; }

    enum class Field { Count, X, Y, YOffset, Interval };
    void EditChanged(Field field, int column);
    void lbl_FireRKFSClick(int column);
    void IB_FireColorClick(int column);

    // The record a column of the selected gun shows; 0 when the gun has no such column.
    int RecordOf(int column) const;

    // While the fire macro editor is open at the page's right edge, the table narrows its
    // captions and moves its three columns left of the editor, so every column stays in reach;
    // closing puts them back where the layout placed them.
    void MakeRoomForEditor(bool editorOpen);
    // The layout pass has placed the table anew; an open editor needs the room made again.
    void LayoutApplied();

private:
    void SetColumnVisible(int column, bool visible);
    void SetRelease(int column, int record, bool stop);
    void WriteYOffset(int record, int offset);
    // Fire macro record `record`'s colour in the settings model.
    QColor FireColour(int record) const;
    void WriteFireColour(int record, const QColor& colour);
    void Reject(const QString& text);
    GunColumnControls& Column(int column) const;
    QLineEdit* Edit(Field field, int column) const;

    ConfigurationState& config_;
    const AppContext& app_;
    WindowServices& window_;
    GunPageControls& controls_;
    SettingsMapping& shownSettings_;
    int gun_ = 1;
    bool loading_ = false;   // the program fills the columns: their handlers do nothing
    std::array<FirePatchPositions, 10> positions_{};
    bool roomMade_ = false;
    struct Placed {
        QWidget* widget;
        QRect geometry;
    };
    std::vector<Placed> placed_;   // where the layout had put the moved controls
};

} // namespace tarq
