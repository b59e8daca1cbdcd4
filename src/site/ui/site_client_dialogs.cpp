#include "site/ui/site_client_dialogs.h"
#include "base/ui/messages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {

QDialogButtonBox *okCancel(QDialog *dialog, void (*wire)(QDialog *, QPushButton *ok))
{
    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::hide);
    wire(dialog, ok);
    return buttons;
}

void makeModelessOnTop(QDialog *dialog)
{
    dialog->setModal(false);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

NameDialog::NameDialog(Texts texts, std::function<void(const QString &)> accept, QWidget *parent)
    : QDialog(parent), m_texts(std::move(texts)), m_accept(std::move(accept)), m_field(new QLineEdit)
{
    makeModelessOnTop(this);
    setWindowTitle(m_texts.title);
    m_field->setObjectName(QStringLiteral("Name"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(m_texts.label));
    layout->addWidget(m_field);
    layout->addWidget(okCancel(this, [](QDialog *d, QPushButton *ok) {
        QObject::connect(ok, &QPushButton::clicked, d, [d] { static_cast<NameDialog *>(d)->confirm(); });
    }));
}

void NameDialog::showEvent(QShowEvent *event)
{
    if (m_texts.emptiedOnShow)
        m_field->clear();
    m_field->setFocus();
    QDialog::showEvent(event);
}

void NameDialog::confirm()
{
    const QString name = m_field->text();
    if (name.isEmpty()) {
        QApplication::beep();
        showMessage(this, MessageKind::Error, QString(), m_texts.emptyError);
        return;
    }
    hide();
    m_accept(name);
}

GroupTransferDialog::GroupTransferDialog(std::function<void(bool)> run, QWidget *parent)
    : QDialog(parent), m_run(std::move(run)), m_upload(new QRadioButton(QStringLiteral("Upload"))),
      m_download(new QRadioButton(QStringLiteral("Download")))
{
    makeModelessOnTop(this);
    setWindowTitle(QStringLiteral("Upload/Download Group of Files"));
    auto *group = new QGroupBox(QStringLiteral("Action:"));
    auto *columns = new QGridLayout(group);
    columns->addWidget(m_upload, 0, 0);
    columns->addWidget(m_download, 0, 1);
    auto *note = new QLabel(QStringLiteral("This allows you to upload or download files from or to your server in "
                                           "one queue."));
    note->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(okCancel(this, [](QDialog *d, QPushButton *ok) {
        QObject::connect(ok, &QPushButton::clicked, d, [d] { static_cast<GroupTransferDialog *>(d)->confirm(); });
    }));
}

void GroupTransferDialog::showEvent(QShowEvent *event)
{
    // Nothing chosen on showing: the user picks a direction every time.
    for (QRadioButton *button : {m_upload, m_download}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    QDialog::showEvent(event);
}

void GroupTransferDialog::confirm()
{
    if (!m_upload->isChecked() && !m_download->isChecked()) {
        QApplication::beep();
        showMessage(this, MessageKind::Error, QString(), QStringLiteral("Please choose either upload or download"));
        return;
    }
    hide();
    m_run(m_upload->isChecked());
}

} // namespace tagloom
