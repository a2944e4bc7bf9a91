// SPDX-License-Identifier: GPL-2.0-or-later
// The control lookup: the checked lookup finds a control of the promised class and ends the
// program, naming the control, when the name is misspelt or the class is wrong; the optional
// lookup answers nullptr for both.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Controls.h"

using namespace tarq;

namespace {

// The application comes before the first widget; main() makes it.
struct WithApp {
    WithApp() { Q_ASSERT(qApp); }
};

struct Page : WithApp {
    Page()
    {
        root.setObjectName("gbPage1");
        auto* button = new QPushButton(&root);
        button->setObjectName("Btn_Apply_1");
        auto* edit = new QLineEdit(&root);
        edit->setObjectName("edt_CPI3R");
        // A second control of the same name further down: the first one found wins.
        auto* inner = new QWidget(&root);
        auto* shadow = new QLineEdit(inner);
        shadow->setObjectName("edt_CPI4R");
        auto* later = new QLineEdit(&root);
        later->setObjectName("edt_CPI4R");
    }
    QWidget root;
    Controls controls{&root};
};

TEST(Controls, FindsControlsOfTheirClassByComposedName)
{
    Page page;
    EXPECT_EQ(page.controls.get<QPushButton>(QStringLiteral("Btn_Apply_") + QString::number(1))->objectName(),
              "Btn_Apply_1");
    EXPECT_NE(page.controls.get<QLineEdit>("edt_CPI3R"), nullptr);
    EXPECT_NE(page.controls.get("edt_CPI4R"), nullptr);
    EXPECT_EQ(page.controls.get("gbPage1"), &page.root);
    EXPECT_EQ(page.controls.Root(), &page.root);
}

TEST(Controls, OptionalLookupAnswersNullForMissingOrOtherClass)
{
    Page page;
    EXPECT_EQ(page.controls.find("Btn_Apply_-1"), nullptr);
    EXPECT_EQ(page.controls.find<QLineEdit>("Btn_Apply_1"), nullptr);
    EXPECT_NE(page.controls.find<QPushButton>("Btn_Apply_1"), nullptr);
}

TEST(ControlsDeathTest, CheckedLookupNamesTheMissingOrMistypedControl)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_TRUE(Controls::Strict()) << "test programs make the checked lookup strict";
    Page page;
    EXPECT_DEATH(page.controls.get("Btn_Aply_1"), "no control named Btn_Aply_1");
    EXPECT_DEATH(page.controls.get<QLineEdit>("Btn_Apply_1"),
                 "control Btn_Apply_1 is a QPushButton, not a QLineEdit");
}

} // namespace

// The application lives in main(), so it is gone before the program's static objects and
// Qt's thread storage are: a static one would lose its font caches at exit (a leak the
// sanitizer build reports).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
