// Test entry point for suites that need a QCoreApplication (program paths,
// event loop, Qt SQL drivers).
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The programs and windows under test speak their own languages,
    // whatever the language of the machine running the suite.
    qputenv("LC_ALL", "C");
    qunsetenv("LANGUAGE");
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
