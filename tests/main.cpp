// Every test runs in one application without a display unless told otherwise,
// and reads the program's texts as a Spanish desktop shows them.

#include "platform/system/languages.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const tamiro::Translations spanish({}, {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
