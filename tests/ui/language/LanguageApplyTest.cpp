// SPDX-License-Identifier: GPL-2.0-or-later
// The shipped language resources and what applying them does to a widget tree.
#include "ui/language/LanguageApply.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace tarq;

namespace {

// Every Str ID the pages, dialogs and messages read.
constexpr std::pair<int, int> kUsedIdRanges[] = {
    {0, 5}, {7, 17}, {20, 20}, {100, 104}, {106, 109}, {200, 208}, {210, 214}, {220, 226},
    {230, 233}, {240, 243}, {250, 256}, {260, 266}, {300, 311}, {400, 402}, {404, 418},
    {420, 422}, {430, 430}, {432, 433}, {435, 437}, {440, 448}, {500, 502}, {510, 512},
    {520, 523}, {600, 606}, {610, 614}, {620, 621}, {700, 702}, {800, 858},
};

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString Text(QWidget* root, const char* name)
{
    if (auto* label = root->findChild<QLabel*>(name))
        return label->text();
    if (auto* button = root->findChild<QPushButton*>(name))
        return button->text();
    if (auto* group = root->findChild<QGroupBox*>(name))
        return group->title();
    return QStringLiteral("<missing %1>").arg(name);
}

} // namespace

class LanguageApplyTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> root_;

    void buildSkinnedTree()
    {
        root_ = std::make_unique<QWidget>();
        for (int key = 1; key <= 9; ++key)
            AddLabel(root_.get(), QStringLiteral("Key%1").arg(key));
        for (int page = 1; page <= 4; ++page)
            AddLabel(root_.get(), QStringLiteral("Btn_Apply_%1").arg(page), "old");
        AddLabel(root_.get(), "Key_Standard");
        AddLabel(root_.get(), "lbl_LED_Effect_Fast", "old");
        auto* insert = new QComboBox(root_.get());
        insert->setObjectName("CB_Insert");
    }

private slots:
    void shippedLanguagesCarryEveryKey_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("language 1") << 1;
        QTest::newRow("language 2") << 2;
    }

    void shippedLanguagesCarryEveryKey()
    {
        QFETCH(int, language);
        QVERIFY(LanguageShipped(language));
        const LanguageTexts texts = LoadLanguageTexts(language);
        QVERIFY(!texts.fontName.empty());
        QVERIFY(!texts.title.empty());
        for (const auto& [first, last] : kUsedIdRanges) {
            for (int id = first; id <= last; ++id) {
                QVERIFY2(!texts.Str(id).empty(), StrIdName(id).c_str());
            }
        }
    }

    void languageOneIsTheEnglishWording()
    {
        const LanguageTexts english = LoadLanguageTexts(1);
        QCOMPARE(ToQString(english.fontName), "Calibri");
        QCOMPARE(ToQString(english.title), "USB Gaming Mouse");
        QCOMPARE(ToQString(english.Str(210)), "Left Click");
        QCOMPARE(ToQString(english.Str(700)), "Press 'Middle Click' 3sec to switch office/game mode");
        QCOMPARE(ToQString(english.Str(815)), "LED Mode Switch Enable（L+DPI)");
        for (int id : {251, 264, 401})
            QCOMPARE(ToQString(english.Str(id)), "Stop");

        const LanguageTexts chinese = LoadLanguageTexts(2);
        QCOMPARE(ToQString(chinese.Str(210)), "左键");
        QCOMPARE(ToQString(chinese.fontName), "WenQuanYi Micro Hei");
        QVERIFY(!LanguageShipped(3));
        QVERIFY(LoadLanguageTexts(3).strings.empty());
    }

    // A button label translated to the other language and back reads as before, for every text
    // that FindStrId can meet: two IDs sharing a text in one language must share it in the other.
    void everySearchedTextSurvivesARoundTrip()
    {
        const auto all = LoadAllLanguageTexts();
        for (int from = 0; from < 2; ++from) {
            const LanguageTexts& source = all[from];
            const LanguageTexts& other = all[1 - from];
            for (const auto& [id, text] : source.strings) {
                if (id < kFindStrIdFirst || id > kFindStrIdLast)
                    continue;
                const auto there = FindStrId(text, all);
                QVERIFY2(there && other.Has(*there), text.c_str());
                const auto back = FindStrId(other.Str(*there), all);
                QVERIFY2(back, text.c_str());
                QCOMPARE(ToQString(source.Str(*back)), ToQString(text));
            }
        }
    }

    void keyLabelsFollowTheLanguageAndMacroNamesStay()
    {
        buildSkinnedTree();
        QWidget* root = root_.get();
        root->findChild<QLabel*>("Key3")->setText("Left Click");
        root->findChild<QLabel*>("Key4")->setText("Stop");
        root->findChild<QLabel*>("Key5")->setText("My Macro 1");

        const LanguageTexts chinese = ApplyLanguage(root, 2);
        QCOMPARE(Text(root, "Key3"), "左键");
        QCOMPARE(Text(root, "Key4"), ToQString(chinese.Str(401)));
        QCOMPARE(Text(root, "Key5"), "My Macro 1");
        QCOMPARE(Text(root, "Key6"), "");
        QCOMPARE(Text(root, "Btn_Apply_3"), "应用");
        QCOMPARE(Text(root, "Key_Standard"), " * 标准鼠标按键");
        QCOMPARE(root->findChild<QLabel*>("Key3")->font().family(), "WenQuanYi Micro Hei");

        const LanguageTexts english = ApplyLanguage(root, 1);
        QCOMPARE(Text(root, "Key3"), "Left Click");
        QCOMPARE(Text(root, "Key4"), ToQString(english.Str(401)));
        QCOMPARE(Text(root, "Key5"), "My Macro 1");
        QCOMPARE(Text(root, "Btn_Apply_1"), "Apply");
        QCOMPARE(ToQString(english.title), "USB Gaming Mouse");
    }

    void insertListKeepsItsItemAcrossLanguages()
    {
        buildSkinnedTree();
        QWidget* root = root_.get();
        auto* insert = root->findChild<QComboBox*>("CB_Insert");
        ApplyLanguage(root, 1);
        QCOMPARE(insert->count(), 10);
        insert->setCurrentIndex(3);
        int changes = 0;
        connect(insert, &QComboBox::currentIndexChanged, this, [&] { ++changes; });

        ApplyLanguage(root, 2);
        QCOMPARE(insert->currentIndex(), 3);
        QCOMPARE(insert->currentText(), "后插按键");
        QCOMPARE(changes, 0);
    }

    // Language 3 is not shipped: its captions read empty, but a button label keeps naming its
    // function instead of going blank.
    void missingTextsGiveEmptyCaptionsButKeepKeyLabels()
    {
        buildSkinnedTree();
        QWidget* root = root_.get();
        ApplyLanguage(root, 1);
        root->findChild<QLabel*>("Key3")->setText("Left Click");
        const QFont before = root->findChild<QLabel*>("Key3")->font();

        const LanguageTexts none = ApplyLanguage(root, 3);
        QVERIFY(none.strings.empty());
        QCOMPARE(Text(root, "Btn_Apply_1"), "");
        QCOMPARE(Text(root, "lbl_LED_Effect_Fast"), "");
        QCOMPARE(Text(root, "Key3"), "Left Click");
        QCOMPARE(root->findChild<QLabel*>("Key3")->font(), before);
    }

    void engineerPageFollowsTheLocaleOnly()
    {
        QWidget root;
        auto* page = new QWidget(&root);
        page->setObjectName("gbPage6");
        auto* office = new QPushButton(page);
        office->setObjectName("Btn_Main_6");
        auto* ledType = new QGroupBox(page);
        ledType->setObjectName("gbLEDType");
        auto* tabs = new QTabWidget(page);
        auto* operatorTab = new QWidget;
        operatorTab->setObjectName("ts_Operator");
        tabs->addTab(operatorTab, "?");
        auto* sensor = new QComboBox(page);
        sensor->setObjectName("cb_SensorOri");
        sensor->addItems({"a", "b"});
        sensor->setCurrentIndex(1);

        ApplyEngineerCaptions(&root, EngineerCaptions(kLocaleChineseChina));
        QCOMPARE(office->text(), "办公模式");
        QCOMPARE(ledType->title(), "灯光类型");
        QCOMPARE(tabs->tabText(0), "操作人员界面");
        QCOMPARE(sensor->count(), 8);
        QCOMPARE(sensor->itemText(7), "XY互换 XY不反向");

        ApplyEngineerCaptions(&root, EngineerCaptions(1033));
        QCOMPARE(office->text(), "Office Mode");
        QCOMPARE(tabs->tabText(0), "Operation");
        QCOMPARE(sensor->itemText(1), "90°");

        // A language switch leaves the engineer page alone.
        ApplyLanguage(&root, 2);
        QCOMPARE(office->text(), "Office Mode");
    }
};

QTEST_MAIN(LanguageApplyTest)
#include "LanguageApplyTest.moc"
