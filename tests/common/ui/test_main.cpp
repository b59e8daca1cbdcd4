#include "common/test_environment.h"

#include "base/ui/messages.h"
#include "document/ui/preview_pane.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    tagloom::test::prepareTestEnvironment();
    tagloom::preparePageEngine();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // A message box no test expected would wait for a click that never
    // comes: it fails the test instead (tests that expect messages record
    // them with test::MessageRecorder).
    tagloom::setMessageHandler([](QWidget *, tagloom::MessageKind, const QString &, const QString &text,
                                  QMessageBox::StandardButtons buttons) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        for (const auto button : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::No})
            if (buttons.testFlag(button))
                return button;
        return QMessageBox::NoButton;
    });
    return RUN_ALL_TESTS();
}
