#include "wireless/ui/wbmp_dialog.h"

#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "tags/image_markup.h"
#include "tags/ui/field_rows.h"
#include "wireless/ui/picture_pixels.h"
#include "wireless/wbmp.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tagloom {

WbmpDialog::WbmpDialog(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("WbmpDialog"));
    setWindowTitle(QStringLiteral("Convert Image to WBMP Format"));
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(QStringLiteral("This will convert standard web images to WBMP used by the Wirless "
                                            "Markup Language for display on WAP/WML devices."));
    about->setWordWrap(true);
    about->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    layout->addWidget(about);

    auto *fields = new QWidget;
    FieldRows rows(fields);
    m_source = rows.addText("EditConvert", "File to convert:");
    connect(rows.addButton("&Browse..."), &QPushButton::clicked, this, &WbmpDialog::browse);
    m_target = rows.addText("EditSaveTo", "File to Save to:");
    layout->addWidget(fields);

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &WbmpDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &WbmpDialog::reject);
    layout->addWidget(buttons);
    // Fixed size; the text needs a little more room than the classic 223 by 181.
    setFixedSize(sizeHint().expandedTo(QSize(223, 181)));
}

void WbmpDialog::openFromMenu()
{
    if (!isVisible()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void WbmpDialog::browse()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Import Image");
    request.filters = pictureFiltersWithMetafiles();
    request.picturePreview = true;
    chooseInto(m_source, request);
}

void WbmpDialog::accept()
{
    const auto missing = [this](const char *text) {
        QApplication::beep();
        showMessage(this, MessageKind::Error, QString(), QLatin1String(text));
    };
    if (m_source->text().isEmpty())
        missing("You must specify a file to convert.\nPlease specify it now.");
    if (m_target->text().isEmpty())
        missing("You must specify a file to save to.\nPlease specify it now.");
    if (m_source->text().isEmpty() || m_target->text().isEmpty())
        return;

    const Result<PixelBuffer> picture = readPicturePixels(m_source->text());
    const Status written = picture ? BitmapToWbmp(*picture, m_target->text()) : Status::failure(picture.error);
    if (written)
        showMessage(this, MessageKind::Information, QString(), QStringLiteral("Image Conversion Complete."));
    else
        showMessage(this, MessageKind::Error, QString(),
                    QStringLiteral("The image was not converted.\n%1").arg(written.error));
}

void WbmpDialog::reject()
{
    hide();
    m_source->clear();
    m_target->clear();
    m_source->setFocus();
}

} // namespace tagloom
