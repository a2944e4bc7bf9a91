// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/language/LanguageSwitch.h"
#include "skin/LayoutKeys.h"

#include "ui/Controls.h"
#include "ui/Navigation.h"
#include "ui/WindowServices.h"
#include "ui/SkinLabel.h"
#include "ui/language/LanguageApply.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace tarq {

namespace {


// The macro page's delay group and its captions. They are hidden before the layout pass;
// RefreshAPPage shows again whichever of the delay and insert groups the macro page needs.
constexpr const char* kDelayControls[] = {
    "Gb_Delay", "lbl_Record_Delay", "lbl_Delay_Setting", "lbl_No_Delay",
    "lbl_MS", "lbl_Stop_Release", "lbl_Stop_Over",
};

template <typename T = QWidget>
T* Find(QWidget* root, const QString& name)
{
    if (root->objectName() == name)
        return qobject_cast<T*>(root);
    return root->findChild<T*>(name);
}

} // namespace

bool SwitchLanguage(QWidget* root, int languageIndex, LanguageSwitchSteps& steps)
{
    if (!root || !LanguageShipped(languageIndex))
        return false;

    // Button pictures and the hidden language radio button.
    for (int language = 1; language <= kLanguageCount; ++language) {
        const QString picture = language == languageIndex ? QStringLiteral("SetS_03")
                                                          : QStringLiteral("SetS_01");
        for (int copy = 1; copy <= kPageCopies; ++copy)
            steps.SetPicture(QStringLiteral("Img_Lang%1_%2").arg(language).arg(copy), picture);
    }
    if (auto* radio = Find<QAbstractButton>(root, QStringLiteral("rb_Lang%1").arg(languageIndex)))
        radio->setChecked(true);

    // The insert list is refilled by the language pass; remember where it stood.
    auto* insertList = Find<QComboBox>(root, QStringLiteral("CB_Insert"));
    const int insertIndex = insertList ? insertList->currentIndex() : -1;
    for (const char* name : kDelayControls) {
        if (QWidget* w = Find(root, QString::fromLatin1(name)))
            w->hide();
    }

    // Layout pass, ending with the language texts.
    const QString title = steps.ApplyLayout(languageIndex);

    // Insert list index and title.
    if (insertList && insertIndex < insertList->count())
        insertList->setCurrentIndex(insertIndex);
    steps.SetTitle(title);

    // The current page again.
    steps.RefreshPage();

    // Rolling caption of the language's first button.
    const QString firstButton = QStringLiteral("Btn_Lang%1_1").arg(languageIndex);
    auto* label = Find<QLabel>(root, firstButton);
    steps.RestartRolling(label, label ? label->text() : QString());
    return true;
}

LanguageSwitch::LanguageSwitch(Controls& controls, WindowServices& window, Navigation& nav,
                               std::function<QString(int languageIndex)> applyLayout)
    : controls_(controls), window_(window), nav_(nav), applyLayout_(std::move(applyLayout))
{
    Q_ASSERT_X(applyLayout_, "LanguageSwitch", "the layout pass is required");
}

void LanguageSwitch::SetPicture(const QString& control, const QString& picture) { window_.SetPicture(control, picture); }

QString LanguageSwitch::ApplyLayout(int languageIndex) { return applyLayout_(languageIndex); }

void LanguageSwitch::RefreshPage() { nav_.RefreshAPPage(); }

void LanguageSwitch::RestartRolling(QLabel* label, const QString& caption) { nav_.RestartRolling(label, caption); }

void LanguageSwitch::Wire()
{
    for (int language = 1; language <= kLanguageCount; ++language)
        for (int copy = 1; copy <= kPageCopies; ++copy)
            if (auto* button = controls_.get<TSkinLabel>(QStringLiteral("Btn_Lang%1_%2").arg(language).arg(copy)))
                QObject::connect(button, &TSkinLabel::clicked, button, [this, language] { Switch(language); });
}

bool LanguageSwitch::Switch(int languageIndex) { return SwitchLanguage(controls_.Root(), languageIndex, *this); }

} // namespace tarq
