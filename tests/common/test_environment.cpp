#include "common/test_environment.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace tagloom::test {

void prepareTestEnvironment()
{
    const QByteArray home(TAGLOOM_TEST_HOME);
    QDir().mkpath(QString::fromUtf8(home + "/runtime"));
    QFile::setPermissions(QString::fromUtf8(home + "/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner);
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace tagloom::test
