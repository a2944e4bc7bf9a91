// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/language/LanguageApply.h"

#include "language/LanguageCaptions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWidget>

#include <span>
#include <string_view>

namespace tarq {

namespace {

constexpr int kKeyLabelCount = 9;
constexpr uint32_t kLocaleEnglishUnitedStates = 1033;

// One pass over the tree instead of a recursive search per control: ApplyLanguage touches a
// few hundred controls.
class ControlIndex {
public:
    explicit ControlIndex(QWidget* root)
    {
        if (!root)
            return;
        byName_.insert(root->objectName(), root);
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !byName_.contains(w->objectName()))
                byName_.insert(w->objectName(), w);
        }
    }

    QWidget* find(std::string_view name) const
    {
        return byName_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

private:
    QHash<QString, QWidget*> byName_;
};

QString CaptionOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return w->property("text").toString();
}

// A caption for any kind of captioned control: label and button text, group title, or the text
// of the tab a page sits on.
void SetCaption(QWidget* w, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(text);
    } else {
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
                const int index = tabs->indexOf(w);
                if (index >= 0) {
                    tabs->setTabText(index, text);
                    return;
                }
            }
        }
        if (w->metaObject()->indexOfProperty("text") >= 0)
            w->setProperty("text", text);
    }
}

// New item texts for a list whose items are language or table texts. Items are replaced in
// place when the count matches, so the current item and the change handlers are untouched;
// otherwise the list is refilled without signals and keeps its index where it still exists.
void SetListItems(QWidget* w, const QStringList& items)
{
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo)
        return;
    if (combo->count() == items.size()) {
        for (int i = 0; i < items.size(); ++i)
            combo->setItemText(i, items[i]);
        return;
    }
    const QSignalBlocker blocker(combo);
    const int index = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(index < items.size() ? index : -1);
}

void SetFontFamily(QWidget* w, const QString& family)
{
    QFont font = w->font();
    font.setFamilies({family});
    w->setFont(font);
}

void RetranslateKeyLabels(const ControlIndex& controls,
                          const std::array<LanguageTexts, kLanguageCount>& all,
                          const LanguageTexts& target)
{
    for (int key = 1; key <= kKeyLabelCount; ++key) {
        QWidget* label = controls.find("Key" + std::to_string(key));
        if (!label)
            continue;
        const std::optional<int> id = FindStrId(CaptionOf(label).toStdString(), all);
        if (id && target.Has(*id))
            SetCaption(label, ToQString(target.Str(*id)));
    }
}

} // namespace

LanguageTexts LoadLanguageTexts(int languageIndex)
{
    if (languageIndex < 1 || languageIndex > kLanguageCount)
        return {};
    QFile file(QStringLiteral(":/lang/LANG%1").arg(languageIndex));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return ReadLanguageText(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                      static_cast<size_t>(bytes.size())),
                            languageIndex);
}

std::array<LanguageTexts, kLanguageCount> LoadAllLanguageTexts()
{
    std::array<LanguageTexts, kLanguageCount> all;
    for (int i = 0; i < kLanguageCount; ++i)
        all[i] = LoadLanguageTexts(i + 1);
    return all;
}

bool LanguageShipped(int languageIndex)
{
    return languageIndex >= 1 && languageIndex <= kLanguageCount
           && QFile::exists(QStringLiteral(":/lang/LANG%1").arg(languageIndex));
}

LanguageTexts ApplyLanguage(QWidget* root, int languageIndex)
{
    const std::array<LanguageTexts, kLanguageCount> all = LoadAllLanguageTexts();
    LanguageTexts texts = (languageIndex >= 1 && languageIndex <= kLanguageCount)
                              ? all[languageIndex - 1]
                              : LanguageTexts{};
    const ControlIndex controls(root);

    // A language without a font name keeps the current font rather than falling back to the
    // platform default mid-session.
    if (!texts.fontName.empty()) {
        const QString family = ToQString(texts.fontName);
        for (const std::string& name : LanguageFontControls()) {
            if (QWidget* w = controls.find(name))
                SetFontFamily(w, family);
        }
    }
    for (const ControlCaption& caption : LanguageCaptions(texts)) {
        if (QWidget* w = controls.find(caption.control))
            SetCaption(w, ToQString(caption.text));
    }
    for (const ControlItems& list : LanguageListItems(texts)) {
        if (QWidget* w = controls.find(list.control)) {
            QStringList items;
            for (const std::string& item : list.items)
                items << ToQString(item);
            SetListItems(w, items);
        }
    }
    RetranslateKeyLabels(controls, all, texts);
    return texts;
}

void RetranslateKeyLabels(QWidget* root, const std::array<LanguageTexts, kLanguageCount>& all,
                          const LanguageTexts& target)
{
    RetranslateKeyLabels(ControlIndex(root), all, target);
}

QHash<int, QString> TextFields(const LanguageTexts& texts)
{
    QHash<int, QString> fields;
    fields.reserve(static_cast<qsizetype>(texts.strings.size()));
    for (const auto& [id, text] : texts.strings)
        fields.insert(id, ToQString(text));
    return fields;
}

uint32_t SystemLocaleId()
{
    const QLocale locale = QLocale::system();
    const bool chineseChina = locale.language() == QLocale::Chinese
                              && locale.territory() == QLocale::China;
    return chineseChina ? kLocaleChineseChina : kLocaleEnglishUnitedStates;
}

void ApplyEngineerCaptions(QWidget* root, const EngineerCaptions& captions)
{
    const ControlIndex controls(root);
    const QString family = ToQString(captions.FontName());
    if (QWidget* page = controls.find("gbPage6"))
        SetFontFamily(page, family);
    for (const EngineerCaptionBinding& binding : EngineerCaptionBindings()) {
        if (QWidget* w = controls.find(binding.control)) {
            SetFontFamily(w, family);
            SetCaption(w, ToQString(captions.CaptionText(binding.id)));
        }
    }
    for (const EngineerListBinding& list : EngineerListBindings()) {
        if (QWidget* w = controls.find(list.control)) {
            QStringList items;
            for (uint8_t id : list.ids)
                items << ToQString(captions.CaptionText(id));
            SetFontFamily(w, family);
            SetListItems(w, items);
        }
    }
}

} // namespace tarq
