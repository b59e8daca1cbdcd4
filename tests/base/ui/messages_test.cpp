#include "base/ui/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// The title a real box shows, read off it while it is up.
QString titleShownFor(const QString &title)
{
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->windowTitle();
            box->done(QMessageBox::Ok);
        }
    });
    // The real box, not the test program's guard against unexpected ones.
    MessageHandler guard = setMessageHandler({});
    showMessage(nullptr, MessageKind::Plain, title, QStringLiteral("text"));
    setMessageHandler(std::move(guard));
    return shown;
}

TEST(Messages, BoxesWithoutATitleShowTheApplicationTitle)
{
    setApplicationTitle(QStringLiteral("Quenby Tagloom 5.0"));
    EXPECT_EQ(titleShownFor(QString()), QStringLiteral("Quenby Tagloom 5.0"));
    EXPECT_EQ(titleShownFor(QStringLiteral("Confirm")), QStringLiteral("Confirm"));
}

} // namespace
