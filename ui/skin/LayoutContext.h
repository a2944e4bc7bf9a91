// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Internal to the layout pass: the reader of the layout section, the options, the style being
// collected, and small placement helpers that skip a control the window does not have.

#include <QPoint>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>

#include "skin/ConfigText.h"
#include "ui/skin/LayoutPass.h"

namespace tarq::layout {

// Where a caption label sits relative to the picture it belongs to, when no caption family
// places it: just right of the picture (overlapping its transparent margin) and raised a bit.
struct CaptionOffset {
    int dx;   // added to the picture's right edge
    int dy;   // added to the picture's top
};
inline constexpr CaptionOffset kLightPageCaption{-4, -2};
inline constexpr CaptionOffset kMacroPageCaption{-2, 0};

class Context {
public:
    Context(QWidget* root, const ConfigText& text, const QString& resource, const QString& section,
            const LayoutOptions& options);

    QWidget* Find(const QString& name) const;
    template <typename T>
    T* Find(const QString& name) const { return root_->findChild<T*>(name); }

    // Key readers; a missing or malformed key is recorded and gives nothing.
    std::optional<int> Int(const QString& key);
    std::optional<QPoint> Pos(const QString& family);   // family_X, family_Y
    std::optional<QColor> Colour(const QString& family);   // family_R, _G, _B

    // Moves a control to window coordinates, whatever group it lies in.
    void Place(QWidget* w, QPoint windowPos) const;
    void Place(const QString& name, QPoint windowPos) const { Place(Find(name), windowPos); }
    void SetWidth(const QString& name, int width) const;
    // A picture at pos, and each named label laid on it at the picture's size.
    void PlaceCovered(const QString& picture, std::initializer_list<QString> labels, QPoint pos) const;
    // A picture at pos and its caption label beside it.
    void PlaceWithCaption(const QString& picture, const QString& caption, QPoint pos,
                          CaptionOffset offset) const;
    // A colour frame at pos, its swatch inside the frame and a click label over it.
    void PlaceSwatch(const QString& frame, const QString& swatch, const QString& clickLabel,
                     QPoint pos) const;

    // Font size and colour of a control.
    static void SetFontSize(QWidget* w, int points);
    static void SetTextColour(QWidget* w, const QColor& colour);
    static void SetBackground(QWidget* w, const QColor& colour);
    // Size and colour of every caption and edit below a group.
    void StyleGroup(const QString& group, std::optional<int> size, std::optional<QColor> colour) const;
    // A caption-label family: _X, _Y, _R, _G, _B, _Size, _Width.
    void CaptionFamily(const QString& family, const QString& label);
    // A row style family without position (_R, _G, _B, _Size and, when given, _Width).
    void RowStyle(const QString& family, const QStringList& labels, bool withWidth);

    QWidget* Root() const { return root_; }
    const LayoutOptions& Options() const { return options_; }
    LayoutStyle& Style() { return style_; }
    ConfigReader& Reader() { return reader_; }
    void AddProblem(const QString& key, const QString& message);

private:
    QWidget* root_;
    ConfigReader reader_;
    LayoutOptions options_;
    LayoutStyle style_;
};

// The families, in the order of the layout text.
void FrameButtons(Context& c);
void PageButtons(Context& c);
void ButtonPage(Context& c);
void Menus(Context& c);
void AdvancedPage(Context& c);
void LightPage(Context& c);
void MacroPage(Context& c);
void GunPage(Context& c);

} // namespace tarq::layout
