// Runs the contract on this platform's window layer; Qt needs its
// application object first (on its offscreen platform unless told otherwise).
#include <gtest/gtest.h>

#ifndef _WIN32
#include <QApplication>

#include <cstdlib>
#endif

int main(int argc, char** argv)
{
#ifndef _WIN32
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
