// SPDX-License-Identifier: GPL-2.0-or-later
// The default images and the empty macro library are compiled into the program under their
// resource names, with the bytes of the core tables.
#include "config/DefaultImages.h"
#include "ui/skin/Resources.h"

#include <QFile>
#include <QTest>

class DefaultImageResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void resourcesHoldTheCoreTables()
    {
        for (int n = 1; n <= tarq::kDefaultImageCount; ++n) {
            const std::string_view name = tarq::DefaultImageResourceName(n);
            QFile file(":/" + QString::fromLatin1(name.data(), qsizetype(name.size())));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            const auto& image = tarq::DefaultImage(n);
            QCOMPARE(bytes, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
        }
        QFile library(":/PCMacroData");
        QVERIFY(library.open(QIODevice::ReadOnly));
        QCOMPARE(library.readAll(), QByteArray(qsizetype(tarq::kEmptyMacroLibrarySize), '\0'));
    }

    // The program looks resources up by name without regard to case.
    void resourcesAreFoundByNameInAnyCase()
    {
        const auto& image = tarq::DefaultImage(2);
        QCOMPARE(tarq::ResourceBytes(QStringLiteral("tarq54xdata_cfg2")),
                 QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
        QCOMPARE(tarq::ResourceBytes(QStringLiteral("PCMacroData")).size(),
                 qsizetype(tarq::kEmptyMacroLibrarySize));
    }
};

QTEST_GUILESS_MAIN(DefaultImageResourcesTest)
#include "DefaultImageResourcesTest.moc"
