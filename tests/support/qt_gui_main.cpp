// Test entry point for suites that lay out text or paint: fonts need a
// QGuiApplication, on the offscreen platform unless told otherwise.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The programs and windows under test speak their own languages,
    // whatever the language of the machine running the suite.
    qputenv("LC_ALL", "C");
    qunsetenv("LANGUAGE");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
