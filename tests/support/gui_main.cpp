#include "support/modal_driver.h"
#include "support/test_environment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    installModalWatch();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
