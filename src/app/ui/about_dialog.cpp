#include "app/ui/about_dialog.h"

#include "base/ui/system_open.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tagloom {

namespace {

QString credits()
{
    return QStringLiteral("Written by the Tagloom team.\n"
                          "Built with Qt %1 (The Qt Company).\n"
                          "Code editor: QScintilla (Riverbank Computing).\n"
                          "Spell checking: Hunspell.\n"
                          "Page cleaning: HTML Tidy. Publishing: libcurl.")
        .arg(QString::fromLatin1(qVersion()));
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));

    auto *product = new QLabel(QStringLiteral("Quenby Tagloom"), this);
    QFont big = product->font();
    big.setBold(true);
    if (big.pointSizeF() > 0)
        big.setPointSizeF(big.pointSizeF() * 1.6);
    product->setFont(big);

    auto *version = new QLabel(QString::fromLatin1(ProductVersionText), this);
    auto *creditLines = new QLabel(credits(), this);

    m_websiteLink = new QLabel(QStringLiteral("<a href=\"%1\">Visit our website today</a>")
                                   .arg(QString::fromLatin1(MakerHomePage)),
                               this);
    m_websiteLink->setTextFormat(Qt::RichText);
    m_websiteLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_websiteLink, &QLabel::linkActivated, this,
            [](const QString &link) { openWithSystem(QUrl(link)); });

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(creditLines);
    layout->addSpacing(8);
    layout->addWidget(m_websiteLink);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tagloom
