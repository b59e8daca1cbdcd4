// The main of test programs that need no widgets (the engines' tests), so
// they build and run with the core library alone.
#include "common/test_environment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    tagloom::test::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
