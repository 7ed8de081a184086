// Test entry point for the windows: a QApplication on the offscreen
// platform unless told otherwise, with the program's classic look.
#include "controls/classic_palette.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The programs and windows under test speak their own languages,
    // whatever the language of the machine running the suite.
    qputenv("LC_ALL", "C");
    qunsetenv("LANGUAGE");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(zrt::classicPalette());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
