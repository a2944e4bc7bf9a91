// SPDX-License-Identifier: GPL-2.0-or-later
// The language buttons' switch on a widget tree with the controls it touches.
#include "ui/language/LanguageApply.h"
#include "ui/language/LanguageSwitch.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace tarq;

// The window's steps of a switch, as functions the test sets.
struct ScriptedSteps final : LanguageSwitchSteps {
    std::function<void(const QString&, const QString&)> setPicture = [](const QString&, const QString&) {};
    std::function<QString(int)> applyLayout;
    std::function<void(const QString&)> setTitle = [](const QString&) {};
    std::function<void()> refreshPage = [] {};
    std::function<void(const QString&, const QString&)> restartRolling = [](const QString&, const QString&) {};

    void SetPicture(const QString& control, const QString& picture) override { setPicture(control, picture); }
    QString ApplyLayout(int language) override { return applyLayout(language); }
    void SetTitle(const QString& title) override { setTitle(title); }
    void RefreshPage() override { refreshPage(); }
    void RestartRolling(QLabel* label, const QString& caption) override
    {
        restartRolling(label ? label->objectName() : QString(), caption);
    }
};

class LanguageSwitchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> root_;
    QStringList steps_;
    QHash<QString, QString> pictures_;
    ScriptedSteps hooks_;
    QHash<int, QString> texts_;

    template <typename T>
    T* add(const QString& name)
    {
        auto* w = new T(root_.get());
        w->setObjectName(name);
        return w;
    }

    QString caption(const char* name) { return root_->findChild<QLabel*>(name)->text(); }

private slots:
    void init()
    {
        root_ = std::make_unique<QWidget>();
        steps_.clear();
        pictures_.clear();
        for (int key = 1; key <= 9; ++key)
            add<QLabel>(QStringLiteral("Key%1").arg(key));
        for (int language = 1; language <= 3; ++language) {
            add<QRadioButton>(QStringLiteral("rb_Lang%1").arg(language));
            for (int copy = 1; copy <= 4; ++copy)
                add<QLabel>(QStringLiteral("Btn_Lang%1_%2").arg(language).arg(copy));
        }
        add<QComboBox>("CB_Insert");
        add<QGroupBox>("Gb_Delay");
        add<QLabel>("lbl_Record_Delay");
        add<QLabel>("lbl_Stop_Over");

        hooks_.setPicture = [this](const QString& control, const QString& picture) {
            pictures_[control] = picture;
        };
        // Like the form's ApplyLayout: the layout pass, ending with ApplyLanguage.
        hooks_.applyLayout = [this](int language) {
            steps_ << QStringLiteral("layout %1 (%2)").arg(language).arg(caption("Key3"));
            texts_ = TextFields(ApplyLanguage(root_.get(), language));
            return ToQString(LoadLanguageTexts(language).title);
        };
        hooks_.setTitle = [this](const QString& title) { steps_ << "title " + title; };
        hooks_.refreshPage = [this] { steps_ << "refresh"; };
        hooks_.restartRolling = [this](const QString& label, const QString& text) {
            steps_ << "rolling " + label + " " + text;
        };
        ApplyLanguage(root_.get(), 1);
    }

    void switchesEveryPartInOrder()
    {
        root_->findChild<QLabel*>("Key3")->setText("Left Click");
        root_->findChild<QLabel*>("Key4")->setText("Stop");
        root_->findChild<QLabel*>("Key5")->setText("Recoil 1");
        auto* insert = root_->findChild<QComboBox*>("CB_Insert");
        insert->setCurrentIndex(7);
        root_->show();

        QVERIFY(SwitchLanguage(root_.get(), 2, hooks_));
        QCOMPARE(steps_, (QStringList{"layout 2 (Left Click)", "title USB 游戏鼠标", "refresh",
                                      "rolling Btn_Lang2_1 中文"}));
        for (int copy = 1; copy <= 4; ++copy) {
            QCOMPARE(pictures_.value(QStringLiteral("Img_Lang2_%1").arg(copy)), "SetS_03");
            QCOMPARE(pictures_.value(QStringLiteral("Img_Lang1_%1").arg(copy)), "SetS_01");
            QCOMPARE(pictures_.value(QStringLiteral("Img_Lang3_%1").arg(copy)), "SetS_01");
        }
        QVERIFY(root_->findChild<QRadioButton*>("rb_Lang2")->isChecked());
        QCOMPARE(insert->currentIndex(), 7);
        QCOMPARE(insert->currentText(), "后插X轴");
        QVERIFY(root_->findChild<QGroupBox*>("Gb_Delay")->isHidden());
        QVERIFY(root_->findChild<QLabel*>("lbl_Stop_Over")->isHidden());
        QCOMPARE(caption("Key3"), "左键");
        QCOMPARE(caption("Key4"), texts_.value(401));
        QCOMPARE(caption("Key5"), "Recoil 1");

        steps_.clear();
        QVERIFY(SwitchLanguage(root_.get(), 1, hooks_));
        QCOMPARE(steps_.front(), "layout 1 (左键)");
        QCOMPARE(caption("Key3"), "Left Click");
        QCOMPARE(caption("Key4"), "Stop");
        QCOMPARE(caption("Key5"), "Recoil 1");
        QVERIFY(root_->findChild<QRadioButton*>("rb_Lang1")->isChecked());
        QCOMPARE(pictures_.value("Img_Lang1_4"), "SetS_03");
        QCOMPARE(pictures_.value("Img_Lang2_4"), "SetS_01");
    }

    void languageNotCarriedIsRefused()
    {
        root_->findChild<QLabel*>("Key3")->setText("Left Click");
        QVERIFY(!SwitchLanguage(root_.get(), 3, hooks_));
        QVERIFY(!SwitchLanguage(root_.get(), 0, hooks_));
        QVERIFY(steps_.isEmpty());
        QVERIFY(pictures_.isEmpty());
        QCOMPARE(caption("Key3"), "Left Click");
        QCOMPARE(caption("Btn_Lang1_1"), "English");
    }

    // With a bare layout pass that only applies the language texts, the switch still works.
    void switchWorksWithoutHooks()
    {
        root_->findChild<QLabel*>("Key3")->setText("Left Click");
        ScriptedSteps bare;
        bare.applyLayout = [this](int language) { return ToQString(ApplyLanguage(root_.get(), language).title); };
        QVERIFY(SwitchLanguage(root_.get(), 2, bare));
        QCOMPARE(caption("Btn_Lang2_3"), "中文");
        QCOMPARE(caption("Key3"), "左键");
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
