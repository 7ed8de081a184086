// Test entry point for the windows: a QApplication on the offscreen
// platform unless told otherwise, with the program's version.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.4"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
