// SPDX-License-Identifier: GPL-2.0-or-later
// The layout pass and the skinned window on a small tree of named controls.

#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QWidget>

#include "ui/skin/LayoutPass.h"
#include "ui/skin/Resources.h"
#include "ui/skin/SkinWindow.h"

using namespace tarq;

namespace {

QLabel* AddLabel(QWidget* parent, const QString& name, QSize size = {40, 20})
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->resize(size);
    return label;
}

// Frame buttons Apply (A2) and Exit (A4) with their four copies, the page buttons Main (B1),
// button label Key1 and the long-press options, under page group 1.
struct Tree {
    QWidget root;
    QWidget* page = nullptr;

    Tree()
    {
        page = new QWidget(&root);
        page->setObjectName("gbPage1");
        for (int copy = 1; copy <= 4; ++copy) {
            for (const char* name : {"Apply", "Exit", "Main"}) {
                AddLabel(page, QStringLiteral("Img_%1_%2").arg(name).arg(copy), {120, 34});
                AddLabel(page, QStringLiteral("Btn_%1_%2").arg(name).arg(copy));
            }
        }
        AddLabel(page, "Img_Key1", {200, 36});
        AddLabel(page, "Key1");
        for (int n = 1; n <= 3; ++n) {
            AddLabel(page, QStringLiteral("Img_ComboKey%1").arg(n), {24, 20});
            AddLabel(page, QStringLiteral("IB_ComboKey%1").arg(n));
        }
    }
    QLabel* Get(const QString& name) { return root.findChild<QLabel*>(name); }
};

const char* const kLayout =
    "[org1]\n"
    "Size_A=11\nColor_A_R=1\nColor_A_G=2\nColor_A_B=3\n"
    "Btn_A2_Enable=1\nBtn_A2_X=abc\nBtn_A2_Y=600\n"     // broken: Apply stays where it was
    "Btn_A4_Enable=1\nBtn_A4_X = 980\nBtn_A4_Y=10\n"    // after it: still laid out
    "Btn_B1_Enable=1\nBtn_B1_X=106\nBtn_B1_Y=45\nBtn_Space_F=12\nBtn_Space_B=8\n"
    "Key1_Enable=1\nKey1_X=160\nKey1_Y=138\nKey_Width=210\n"
    "ComboKey1_Enable=2\nComboKey1_X=160\nComboKey1_Y=468\n"   // 2 is not 1: hidden
    "ComboKey2_Enable=1\nComboKey2_X=160\nComboKey2_Y=500\n"
    "ComboKey3_Enable=1\nComboKey3_X=160\nComboKey3_Y=532\n"
    "Combox_Width=440\nComboKey_D=26\nComboKey_H=1\n";

} // namespace

class LayoutPassTest : public QObject {
    Q_OBJECT

private slots:
    void badKeyIsReportedAndLaterControlsAreStillLaidOut()
    {
        Tree tree;
        tree.Get("Img_Apply_2")->move(5, 6);
        const ConfigText text = ConfigText::Parse(kLayout);
        const LayoutResult result = ApplyLayout(&tree.root, text, "ORG1", "org1", {});

        QVERIFY(!result.Ok());
        QVERIFY2(result.ProblemLines().contains(
                     "ORG1 [org1] Btn_A2_X: not a whole number: \"abc\""),
                 qPrintable(result.ProblemLines().join('\n')));
        QCOMPARE(tree.Get("Img_Apply_2")->pos(), QPoint(5, 6));
        for (int copy = 1; copy <= 4; ++copy) {
            QCOMPARE(tree.Get(QStringLiteral("Img_Exit_%1").arg(copy))->pos(), QPoint(980, 10));
            QLabel* exitLabel = tree.Get(QStringLiteral("Btn_Exit_%1").arg(copy));
            QCOMPARE(exitLabel->geometry(), QRect(980, 10, 120, 34));
            QCOMPARE(exitLabel->palette().color(QPalette::WindowText), QColor(1, 2, 3));
            QCOMPARE(exitLabel->font().pointSize(), 11);
            // Page buttons keep their caption inside the drawn part of the picture.
            QCOMPARE(tree.Get(QStringLiteral("Btn_Main_%1").arg(copy))->geometry(),
                     QRect(118, 45, 100, 34));
        }
        QCOMPARE(tree.Get("Key1")->geometry(), QRect(160, 138, 210, 36));
        QCOMPARE(tree.Get("Img_Key1")->geometry(), QRect(160, 138, 210, 36));
        QCOMPARE(tree.Get("IB_ComboKey2")->geometry(), QRect(186, 501, 440, 20));
    }

    void enableOtherThanOneHidesAndThirdOptionNeedsGameModeWithGunDisplay()
    {
        for (const bool gameWithGuns : {false, true}) {
            Tree tree;
            tree.root.show();
            LayoutOptions options;
            options.gameMode = gameWithGuns;
            options.org.gdEnable = gameWithGuns;
            ApplyLayout(&tree.root, ConfigText::Parse(kLayout), "ORG1", "org1", options);
            QVERIFY(!tree.Get("Img_ComboKey1")->isVisible());
            QVERIFY(!tree.Get("IB_ComboKey1")->isVisible());
            QVERIFY(tree.Get("IB_ComboKey2")->isVisible());
            QCOMPARE(tree.Get("IB_ComboKey3")->isVisible(), gameWithGuns);
        }
    }

    void controlsInsideAGroupAreMovedInWindowCoordinates()
    {
        Tree tree;
        auto* group = new QWidget(tree.page);
        group->setObjectName("Gb_Something");
        group->move(100, 200);
        delete tree.Get("Key1");
        QLabel* key = AddLabel(group, "Key1");
        ApplyLayout(&tree.root, ConfigText::Parse(kLayout), "ORG1", "org1", {});
        QCOMPARE(key->mapTo(&tree.root, QPoint(0, 0)), QPoint(160, 138));
    }

    void shippedLayoutReadsWithoutProblems()
    {
        QWidget root;
        auto* slider = new QSlider(&root);
        slider->setObjectName("slider_DPI3");
        LayoutOptions options;
        options.org.dpiCount = 12;
        const LayoutResult result = ApplyLayout(&root, options);
        QVERIFY2(result.Ok(), qPrintable(result.ProblemLines().join('\n')));
        QCOMPARE(result.style.menuHoverBack, QColor(0, 160, 227));
        QCOMPARE(result.style.macroNameHeight, 20);
        QCOMPARE(slider->maximum(), 1100);
    }

    void skinSizesTheWindowAndCutsOutTheMaroonCorners()
    {
        QWidget root;
        for (const char* name : {"gbPage1", "gbPage6", "Disable_All_1"}) {
            auto* w = new QWidget(&root);
            w->setObjectName(name);
        }
        auto* base = AddLabel(root.findChild<QWidget*>("gbPage1"), "Img_Base_1");
        const QSize skin = LoadBackground(&root);
        QCOMPARE(skin, QSize(1030, 662));
        QCOMPARE(base->size(), skin);
        QCOMPARE(root.findChild<QWidget*>("Disable_All_1")->size(), skin);

        ApplyTransparencyKey(&root);
        SizeWindowToSkin(&root, skin);
        QCOMPARE(root.size(), skin);
        QCOMPARE(root.findChild<QWidget*>("gbPage1")->size(), skin);
        QCOMPARE(root.findChild<QWidget*>("gbPage6")->size(), QSize(1000, 600));
        QCOMPARE(root.palette().color(QPalette::Window), QColor(128, 0, 0));
        const QRegion mask = root.mask();
        QVERIFY(!mask.contains(QPoint(0, 0)));          // rounded corners are see-through
        QVERIFY(!mask.contains(QPoint(1029, 661)));
        QVERIFY(mask.contains(QPoint(515, 331)));
        QVERIFY(mask.contains(QPoint(0, 331)));

        SizeWindowForEngineer(&root, skin);
        QCOMPARE(root.size(), QSize(1000, 600));
        QVERIFY(root.mask().isEmpty());
        QCOMPARE(root.findChild<QWidget*>("gbPage1")->size(), skin);
    }

    void missingLayoutResourceIsReported()
    {
        QWidget root;
        LayoutOptions options;
        options.languageIndex = 9;
        const LayoutResult result = ApplyLayout(&root, options);
        QCOMPARE(result.ProblemLines(), QStringList{"ORG9 [org9]: resource missing"});
    }

    void resourcesAreFoundWithoutRegardToCase()
    {
        const QByteArray org = ResourceBytes("ORG");
        QVERIFY(org.contains("[org]"));
        QCOMPARE(ResourceBytes("org"), org);
        QCOMPARE(ResourceBytes("Org.TXT"), org);
        QVERIFY(ResourceBytes("no such thing").isEmpty());
        QVERIFY(ResourcePixmap("no such picture").isNull());
        const OrgReadResult shipped = ReadOrgConfigurationResource();
        QVERIFY(shipped.problems.empty());
        QCOMPARE(shipped.org.dpiCount, 11);
    }
};

QTEST_MAIN(LayoutPassTest)
#include "LayoutPassTest.moc"
