// The window tests share one application object, as the program does.
#include <gtest/gtest.h>

#include <QApplication>
#include <optional>

#include "Apparence.h"

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // A death test runs again in a fresh process, with its own application.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Listing the tests needs no display.
    std::optional<QApplication> application;
    // The tests see the window with the program's own look.
    if (!GTEST_FLAG_GET(list_tests)) {
        application.emplace(argc, argv);
        FixeApparence();
    }
    return RUN_ALL_TESTS();
}
