#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests never see the real user's home, settings or display.
    const QByteArray home(TAGLOOM_TEST_HOME);
    QDir().mkpath(QString::fromUtf8(home + "/runtime"));
    QFile::setPermissions(QString::fromUtf8(home + "/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner);
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
