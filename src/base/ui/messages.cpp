#include "base/ui/messages.h"

#include <QAbstractButton>
#include <QApplication>

namespace tagloom {

namespace {

MessageHandler &handler()
{
    static MessageHandler h;
    return h;
}

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Question: return QMessageBox::Question;
    case MessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

QString &titleStore()
{
    static QString title;
    return title;
}

} // namespace

void setApplicationTitle(const QString &title)
{
    titleStore() = title;
}

const QString &applicationTitle()
{
    return titleStore();
}

QMessageBox::StandardButton showMessage(QWidget *parent, MessageKind kind, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons)
{
    if (handler())
        return handler()(parent, kind, title, text, buttons);
    const QString caption = !title.isEmpty()              ? title
                            : !applicationTitle().isEmpty() ? applicationTitle()
                                                            : QApplication::applicationName();
    QMessageBox box(iconFor(kind), caption, text, buttons, parent);
    // Our prompts offer "All" for going on without asking again.
    if (QAbstractButton *all = box.button(QMessageBox::YesToAll))
        all->setText(QStringLiteral("&All"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

MessageHandler setMessageHandler(MessageHandler h)
{
    MessageHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

} // namespace tagloom
