// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/skin/LayoutPass.h"
#include "skin/LayoutKeys.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

#include "ui/ListItemHeight.h"
#include "ui/skin/LayoutContext.h"
#include "ui/skin/Resources.h"
#include "ui/skin/SkinWindow.h"

namespace tarq {
namespace layout {
namespace {

// The engineer page button has no layout keys; it always sits here (and stays hidden).
constexpr QPoint kEngineerButtonPos{10, 10};

QString Copy(const QString& prefix, const QString& name, int copy)
{
    return QStringLiteral("%1%2_%3").arg(prefix, name).arg(copy);
}

QColor FromColourValue(uint32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

struct SkinnedButton {
    const char* key;    // "Btn_A2"
    const char* name;   // "Apply": Img_Apply_n under Btn_Apply_n
};

// Shows or hides a skinned button on all four pages; when shown, the picture and the label
// move to pos and the label covers the picture, narrowed by the caption insets.
void LayOutSkinnedButton(Context& c, const SkinnedButton& button, int insetFront, int insetBack)
{
    const QString key = QString::fromLatin1(button.key);
    const std::optional<int> enable = c.Int(key + QStringLiteral("_Enable"));
    const std::optional<QPoint> pos = c.Pos(key);
    if (!enable || (*enable == 1 && !pos))
        return;
    const QString name = QString::fromLatin1(button.name);
    for (int copy = 1; copy <= kPageCopies; ++copy) {
        QWidget* picture = c.Find(Copy(QStringLiteral("Img_"), name, copy));
        QWidget* label = c.Find(Copy(QStringLiteral("Btn_"), name, copy));
        for (QWidget* w : {picture, label}) {
            if (w)
                w->setVisible(*enable == 1);
        }
        if (*enable != 1)
            continue;
        c.Place(picture, *pos);
        if (label) {
            const QSize size = picture ? picture->size() : label->size();
            c.Place(label, *pos + QPoint(insetFront, 0));
            label->resize(std::max(0, size.width() - insetFront - insetBack), size.height());
        }
    }
}

} // namespace

Context::Context(QWidget* root, const ConfigText& text, const QString& resource,
                 const QString& section, const LayoutOptions& options)
    : root_(root), reader_(text, resource.toStdString(), section.toStdString()), options_(options)
{
}

QWidget* Context::Find(const QString& name) const
{
    return root_->findChild<QWidget*>(name);
}

void Context::AddProblem(const QString& key, const QString& message)
{
    reader_.AddProblem(key.toStdString(), message.toStdString());
}

std::optional<int> Context::Int(const QString& key)
{
    return reader_.Int(key.toStdString());
}

std::optional<QPoint> Context::Pos(const QString& family)
{
    const auto x = Int(family + QStringLiteral("_X"));
    const auto y = Int(family + QStringLiteral("_Y"));
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

std::optional<QColor> Context::Colour(const QString& family)
{
    const auto value = reader_.Colour(family.toStdString());
    if (!value)
        return std::nullopt;
    return FromColourValue(*value);
}

void Context::Place(QWidget* w, QPoint windowPos) const
{
    if (!w)
        return;
    QWidget* parent = w->parentWidget();
    // Layout coordinates count from the window's corner; a control inside a group box is
    // moved in that group's coordinates.
    if (parent && parent != root_ && root_->isAncestorOf(parent))
        w->move(parent->mapFrom(root_, windowPos));
    else
        w->move(windowPos);
}

void Context::SetWidth(const QString& name, int width) const
{
    if (QWidget* w = Find(name))
        w->resize(std::max(0, width), w->height());
}

void Context::PlaceCovered(const QString& picture, std::initializer_list<QString> labels,
                           QPoint pos) const
{
    QWidget* p = Find(picture);
    Place(p, pos);
    for (const QString& name : labels) {
        QWidget* label = Find(name);
        Place(label, pos);
        if (label && p)
            label->resize(p->size());
    }
}

void Context::PlaceWithCaption(const QString& picture, const QString& caption, QPoint pos,
                               CaptionOffset offset) const
{
    QWidget* p = Find(picture);
    Place(p, pos);
    const int width = p ? p->width() : 0;
    Place(Find(caption), pos + QPoint(width + offset.dx, offset.dy));
}

void Context::PlaceSwatch(const QString& frame, const QString& swatch, const QString& clickLabel,
                          QPoint pos) const
{
    // The frame picture draws a border this wide around the swatch.
    constexpr int kFrameBorder = 3;
    QWidget* f = Find(frame);
    Place(f, pos);
    const QSize size = f ? f->size() : QSize();
    if (QWidget* s = Find(swatch)) {
        Place(s, pos + QPoint(kFrameBorder, kFrameBorder));
        if (f)
            s->resize(size - QSize(2 * kFrameBorder, 2 * kFrameBorder));
    }
    if (QWidget* l = Find(clickLabel)) {
        Place(l, pos);
        if (f)
            l->resize(size);
    }
}

void Context::SetFontSize(QWidget* w, int points)
{
    if (!w || points <= 0)
        return;
    QFont font = w->font();
    font.setPointSize(points);
    w->setFont(font);
}

void Context::SetTextColour(QWidget* w, const QColor& colour)
{
    if (!w)
        return;
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    w->setPalette(palette);
}

void Context::SetBackground(QWidget* w, const QColor& colour)
{
    if (!w)
        return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    w->setPalette(palette);
}

void Context::StyleGroup(const QString& group, std::optional<int> size,
                         std::optional<QColor> colour) const
{
    QWidget* g = Find(group);
    if (!g)
        return;
    const auto apply = [&](QWidget* w) {
        if (w->property(kFrameControlProperty).toBool())
            return;
        if (size)
            SetFontSize(w, *size);
        if (colour)
            SetTextColour(w, *colour);
    };
    for (QLabel* w : g->findChildren<QLabel*>())
        apply(w);
    for (QLineEdit* w : g->findChildren<QLineEdit*>())
        apply(w);
    for (QComboBox* w : g->findChildren<QComboBox*>())
        apply(w);
    for (QAbstractButton* w : g->findChildren<QAbstractButton*>())
        apply(w);
}

void Context::CaptionFamily(const QString& family, const QString& label)
{
    const auto pos = Pos(family);
    const auto colour = Colour(family);
    const auto size = Int(family + QStringLiteral("_Size"));
    const auto width = Int(family + QStringLiteral("_Width"));
    QWidget* w = Find(label);
    if (!w)
        return;
    // Each part that could be read is applied; what could not keeps its old value.
    if (pos)
        Place(w, *pos);
    if (colour)
        SetTextColour(w, *colour);
    if (size)
        SetFontSize(w, *size);
    if (width)
        w->resize(std::max(0, *width), w->height());
}

void Context::RowStyle(const QString& family, const QStringList& labels, bool withWidth)
{
    const auto colour = Colour(family);
    const auto size = Int(family + QStringLiteral("_Size"));
    const auto width = withWidth ? Int(family + QStringLiteral("_Width")) : std::nullopt;
    for (const QString& name : labels) {
        QWidget* w = Find(name);
        if (!w)
            continue;
        if (colour)
            SetTextColour(w, *colour);
        if (size)
            SetFontSize(w, *size);
        if (width)
            w->resize(std::max(0, *width), w->height());
    }
}

void FrameButtons(Context& c)
{
    const auto size = c.Int(QStringLiteral("Size_A"));
    const auto colour = c.Colour(QStringLiteral("Color_A"));
    static constexpr SkinnedButton kButtons[] = {
        {"Btn_A1", "Confirm"},  {"Btn_A2", "Apply"}, {"Btn_A3", "Confirm1"}, {"Btn_A4", "Exit"},
        {"Btn_A5", "Confirm2"}, {"Btn_A6", "Confirm3"}, {"Btn_A7", "Mini"},  {"Btn_A8", "Read"},
    };
    for (const SkinnedButton& b : kButtons) {
        for (int copy = 1; copy <= kPageCopies; ++copy) {
            QWidget* label = c.Find(Copy(QStringLiteral("Btn_"), QString::fromLatin1(b.name), copy));
            if (size)
                Context::SetFontSize(label, *size);
            if (colour && label)
                Context::SetTextColour(label, *colour);
        }
        LayOutSkinnedButton(c, b, 0, 0);
    }
}

void PageButtons(Context& c)
{
    const auto size = c.Int(QStringLiteral("Size_B"));
    const auto colour = c.Colour(QStringLiteral("Color_B"));
    const int front = c.Int(QStringLiteral("Btn_Space_F")).value_or(0);
    const int back = c.Int(QStringLiteral("Btn_Space_B")).value_or(0);
    static constexpr SkinnedButton kButtons[] = {
        {"Btn_B1", "Main"}, {"Btn_B2", "Second"}, {"Btn_B4", "Adv"},   {"Btn_B5", "Breath"},
        {"Btn_B11", "Macro"}, {"Btn_B6", "Save"}, {"Btn_B7", "Load"}, {"Btn_B8", "Lang1"},
        {"Btn_B9", "Lang2"}, {"Btn_B10", "Lang3"},
    };
    for (const SkinnedButton& b : kButtons) {
        for (int copy = 1; copy <= kPageCopies; ++copy) {
            QWidget* label = c.Find(Copy(QStringLiteral("Btn_"), QString::fromLatin1(b.name), copy));
            if (size)
                Context::SetFontSize(label, *size);
            if (colour && label)
                Context::SetTextColour(label, *colour);
        }
        LayOutSkinnedButton(c, b, front, back);
    }
    for (int copy = 1; copy <= kPageCopies; ++copy) {
        QWidget* picture = c.Find(Copy(QStringLiteral("Img_"), QStringLiteral("Engineer"), copy));
        QWidget* label = c.Find(Copy(QStringLiteral("Btn_"), QStringLiteral("Engineer"), copy));
        c.Place(picture, kEngineerButtonPos);
        c.Place(label, kEngineerButtonPos + QPoint(front, 0));
        if (size)
            Context::SetFontSize(label, *size);
    }
    // The web button's place comes from the org configuration.
    const QPoint web(c.Options().org.webX, c.Options().org.webY);
    for (int copy = 1; copy <= kPageCopies; ++copy)
        c.PlaceCovered(Copy(QStringLiteral("Img_"), QStringLiteral("Web"), copy),
                       {Copy(QStringLiteral("Btn_"), QStringLiteral("Web"), copy)}, web);
}

void ButtonPage(Context& c)
{
    const auto size = c.Int(QStringLiteral("Size_C"));
    const auto colour = c.Colour(QStringLiteral("Color_C"));
    if (const auto p1 = c.Pos(QStringLiteral("P1")))
        c.Place(QStringLiteral("Img_P1"), *p1);

    const auto keyWidth = c.Int(QStringLiteral("Key_Width"));
    for (int n = 1; n <= 9; ++n) {
        const QString key = QStringLiteral("Key%1").arg(n);
        QWidget* label = c.Find(key);
        QWidget* picture = c.Find(QStringLiteral("Img_") + key);
        if (size)
            Context::SetFontSize(label, *size);
        if (colour)
            Context::SetTextColour(label, *colour);
        const auto enable = c.Int(key + QStringLiteral("_Enable"));
        const auto pos = c.Pos(key);
        if (!enable || (*enable == 1 && !pos))
            continue;
        for (QWidget* w : {picture, label}) {
            if (!w)
                continue;
            w->setVisible(*enable == 1);
            if (*enable != 1)
                continue;
            c.Place(w, *pos);
            if (keyWidth)
                w->resize(*keyWidth, picture ? picture->height() : w->height());
        }
    }

    const auto comboWidth = c.Int(QStringLiteral("Combox_Width"));
    const auto dx = c.Int(QStringLiteral("ComboKey_D"));
    const auto dy = c.Int(QStringLiteral("ComboKey_H"));
    for (int n = 1; n <= 3; ++n) {
        const QString key = QStringLiteral("ComboKey%1").arg(n);
        QWidget* picture = c.Find(QStringLiteral("Img_") + key);
        QWidget* caption = c.Find(QStringLiteral("IB_") + key);
        if (size)
            Context::SetFontSize(caption, *size);
        if (colour)
            Context::SetTextColour(caption, *colour);
        if (comboWidth)
            c.SetWidth(QStringLiteral("IB_") + key, *comboWidth);
        const auto enable = c.Int(key + QStringLiteral("_Enable"));
        const auto pos = c.Pos(key);
        if (!enable || (*enable == 1 && (!pos || !dx || !dy)))
            continue;
        // The third option belongs to the gun display of the game view.
        const bool shown = *enable == 1 &&
                           (n != 3 || (c.Options().gameMode && c.Options().org.gdEnable));
        for (QWidget* w : {picture, caption}) {
            if (w)
                w->setVisible(shown);
        }
        if (*enable == 1) {
            c.Place(picture, *pos);
            c.Place(caption, *pos + QPoint(*dx, *dy));
        }
    }
}

void Menus(Context& c)
{
    LayoutStyle& s = c.Style();
    const auto size = c.Int(QStringLiteral("Size_G"));
    const auto font = c.Colour(QStringLiteral("Color_G"));
    s.menuFont = font.value_or(s.menuFont);
    s.menuBack = c.Colour(QStringLiteral("Color_G_Back")).value_or(s.menuBack);
    s.menuBorder = c.Colour(QStringLiteral("Color_G_Border")).value_or(s.menuBorder);
    s.menuHoverFont = c.Colour(QStringLiteral("Color_G_SF")).value_or(s.menuHoverFont);
    s.menuHoverBack = c.Colour(QStringLiteral("Color_G_SP")).value_or(s.menuHoverBack);
    s.menuWidth1 = c.Int(QStringLiteral("M_L_W")).value_or(s.menuWidth1);
    s.menuWidth2 = c.Int(QStringLiteral("SP_L_W")).value_or(s.menuWidth2);
    s.menuWidth3 = c.Int(QStringLiteral("O_L_W")).value_or(s.menuWidth3);

    struct Panel {
        const char* name;
        int width;
    };
    const Panel panels[] = {
        {"Pnl_Main", s.menuWidth1},  {"Pnl_Special", s.menuWidth2}, {"Pnl_MseKey", s.menuWidth3},
        {"Pnl_CPIKey", s.menuWidth3}, {"Pnl_Media", s.menuWidth3},  {"Pnl_WWW", s.menuWidth3},
        {"Pnl_MyPC", s.menuWidth3},
    };
    // Space between a ">>" marker and the menu's right edge.
    constexpr int kMarkerMargin = 4;
    for (const Panel& p : panels) {
        QWidget* panel = c.Find(QString::fromLatin1(p.name));
        if (!panel)
            continue;
        panel->resize(p.width, panel->height());
        panel->setAttribute(Qt::WA_StyledBackground, true);
        panel->setStyleSheet(QStringLiteral("#%1 { background-color: %2; border: 1px solid %3; }")
                                 .arg(panel->objectName(), s.menuBack.name(), s.menuBorder.name()));
        for (QLabel* entry : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (size)
                Context::SetFontSize(entry, *size);
            if (font)
                Context::SetTextColour(entry, *font);
            if (entry->objectName().startsWith(QStringLiteral("ST_")))
                entry->move(p.width - entry->width() - kMarkerMargin, entry->y());
            else
                entry->resize(p.width, entry->height());
        }
    }
    // The two lists that open beside the menus (the base macros and the gun keys) wear the
    // menus' colours, border and font, with rows as tall as the menu entries.
    constexpr int kMenuEntryHeight = 24;
    for (const char* name : {"LB_Name", "LB_Script"}) {
        auto* list = c.Find<QListWidget>(QString::fromLatin1(name));
        if (!list)
            continue;
        list->setStyleSheet(QStringLiteral("#%1 { background-color: %2; color: %3; border: 1px solid %4; outline: 0; }"
                                           "#%1::item:hover, #%1::item:selected { background-color: %5; color: %6; }")
                                .arg(list->objectName(), s.menuBack.name(), s.menuFont.name(), s.menuBorder.name(),
                                     s.menuHoverBack.name(), s.menuHoverFont.name()));
        if (size)
            Context::SetFontSize(list, *size);
        SetItemHeight(list, kMenuEntryHeight);
    }
}

} // namespace layout

QColor LockedSelection(const QColor& selected, const QColor& back)
{
    constexpr int kFadePercent = 60;
    const auto fade = [](int a, int b) { return a + (b - a) * kFadePercent / 100; };
    return QColor(fade(selected.red(), back.red()), fade(selected.green(), back.green()),
                  fade(selected.blue(), back.blue()));
}

QStringList LayoutResult::ProblemLines() const
{
    QStringList lines;
    for (const ConfigProblem& p : problems)
        lines << QString::fromStdString(p.Describe());
    return lines;
}

OrgReadResult ReadOrgConfigurationResource()
{
    const QByteArray text = ResourceBytes(QStringLiteral("ORG"));
    if (text.isNull()) {
        OrgReadResult result;
        result.problems.push_back({"ORG", "org", "", "resource missing"});
        return result;
    }
    return ReadOrgConfiguration(std::string_view(text.constData(), text.size()));
}

LayoutResult ApplyLayout(QWidget* root, const ConfigText& layout, const QString& resource,
                         const QString& section, const LayoutOptions& options)
{
    layout::Context c(root, layout, resource, section, options);

    // The language's pictures: background, the current page's picture and the gun page.
    const int lang = options.languageIndex;
    std::vector<ConfigProblem> pictureProblems;
    const auto picture = [&](const QString& control, const QString& base) {
        const QString name = LanguagePicture(lang, base);
        if (HasResource(name)) {
            SetPicture(root, control, name);
            return;
        }
        const ConfigProblem missing{name.toStdString(), "", "", "picture missing"};
        if (std::none_of(pictureProblems.begin(), pictureProblems.end(),
                         [&](const ConfigProblem& p) { return p.resource == missing.resource; }))
            pictureProblems.push_back(missing);
    };
    for (int n = 1; n <= 5; ++n)
        picture(QStringLiteral("Img_Base_%1").arg(n), QStringLiteral("BackGround"));
    if (options.currentPage >= 1 && options.currentPage <= 4)
        picture(QStringLiteral("Img_P%1").arg(options.currentPage),
                QStringLiteral("Back%1").arg(options.currentPage));
    picture(QStringLiteral("Img_P5"), QStringLiteral("Back5"));

    layout::FrameButtons(c);
    layout::PageButtons(c);
    layout::ButtonPage(c);
    layout::Menus(c);
    layout::AdvancedPage(c);
    layout::LightPage(c);
    layout::MacroPage(c);
    layout::GunPage(c);

    LayoutResult result;
    result.style = c.Style();
    result.problems = std::move(pictureProblems);
    const auto& keyProblems = c.Reader().Problems();
    result.problems.insert(result.problems.end(), keyProblems.begin(), keyProblems.end());
    return result;
}

LayoutResult ApplyLayout(QWidget* root, const LayoutOptions& options)
{
    const QString resource = QStringLiteral("ORG%1").arg(options.languageIndex);
    const QString section = QStringLiteral("org%1").arg(options.languageIndex);
    const QByteArray bytes = ResourceBytes(resource);
    const ConfigText text = ConfigText::Parse(std::string_view(bytes.constData(), bytes.size()));
    if (bytes.isNull() || !text.HasSection(section.toStdString())) {
        LayoutResult result;
        result.problems.push_back({resource.toStdString(), section.toStdString(), "",
                                   bytes.isNull() ? "resource missing" : "section missing"});
        return result;
    }
    return ApplyLayout(root, text, resource, section, options);
}

} // namespace tarq
