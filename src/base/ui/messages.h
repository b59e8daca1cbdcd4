#pragma once
// Every message box of the program goes through here, so that tests can
// answer boxes without showing them.

#include <QMessageBox>
#include <functional>

namespace tagloom {

enum class MessageKind { Information, Warning, Error, Question, Plain };

using MessageHandler = std::function<QMessageBox::StandardButton(
    QWidget *parent, MessageKind kind, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons)>;

// A box without a title of its own is titled with the application title.
void setApplicationTitle(const QString &title);
const QString &applicationTitle();

QMessageBox::StandardButton showMessage(QWidget *parent, MessageKind kind, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Replaces how boxes are shown (tests); an empty handler restores real boxes.
// Returns the previous handler.
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace tagloom
