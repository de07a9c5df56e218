#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/single_instance.h"
#include "qt_application.h"

namespace {

TEST(SingleInstance, ASecondCopyOfTheSameFileAsksTheFirstToComeForward) {
    QTemporaryDir dir;
    const QString program = dir.filePath("tarvo");
    const QString otherProgram = dir.filePath("kopija/tarvo");
    QDir().mkpath(dir.filePath("kopija"));
    for (const QString& path : {program, otherProgram}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    tarvo::ui::SingleInstance first(program);
    ASSERT_TRUE(first.isFirst());
    QSignalSpy raised(&first, &tarvo::ui::SingleInstance::raiseRequested);
    {
        tarvo::ui::SingleInstance second(program);
        EXPECT_FALSE(second.isFirst());
    }
    EXPECT_TRUE(raised.wait(2000)) << "the first copy is asked to come forward";

    tarvo::ui::SingleInstance elsewhere(otherProgram);
    EXPECT_TRUE(elsewhere.isFirst()) << "a copy in another folder starts on its own";
}

}  // namespace
