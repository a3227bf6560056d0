// The widget tests run inside one QApplication on the offscreen platform,
// on the screen its configuration file gives when one is given, at the Qt
// scale that --qt-scale=S gives (as QT_SCALE_FACTOR would).
#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    constexpr const char* kScale = "--qt-scale=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kScale, std::strlen(kScale)) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + std::strlen(kScale));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
