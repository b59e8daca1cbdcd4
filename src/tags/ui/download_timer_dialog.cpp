#include "tags/ui/download_timer_dialog.h"

#include "base/ui/window_placement.h"
#include "tags/download_timer.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tagloom {

DownloadTimerDialog::DownloadTimerDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTimerForm"));
    setWindowTitle(QStringLiteral("Download Timer"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("File Size:"), this));
    m_fileSize = new QLabel(QStringLiteral("00"), this);
    m_fileSize->setObjectName(QStringLiteral("FileSize"));
    sizeRow->addWidget(m_fileSize);
    sizeRow->addWidget(new QLabel(QStringLiteral("Kb"), this));
    sizeRow->addStretch(1);

    auto *rows = new QGridLayout;
    int row = 0;
    for (const ConnectionRate &rate : connectionRates()) {
        rows->addWidget(new QLabel(QString::fromLatin1(rate.caption), this), row, 0);
        auto *result = new QLabel(formatSeconds(0), this);
        result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        result->setMinimumWidth(result->fontMetrics().horizontalAdvance(QStringLiteral("00000.00 Secs")));
        rows->addWidget(result, row, 1);
        m_results.append(result);
        ++row;
    }

    auto *note = new QLabel(QStringLiteral("The file size figure is rounded-up.  Download times are based upon "
                                           "optimal performance of your internet connection, but will vary "
                                           "according to the quality of connections and telephone lines."),
                            this);
    note->setWordWrap(true);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sizeRow);
    layout->addLayout(rows);
    layout->addWidget(note);
    layout->addLayout(buttons);
    setFixedWidth(300);
}

void DownloadTimerDialog::showFor(qint64 bytes)
{
    const DownloadTimes times = downloadTimes(bytes);
    m_fileSize->setText(times.fileSize);
    for (int i = 0; i < m_results.size(); ++i)
        m_results[i]->setText(times.times.value(i));
    showAndRaise(this);
    m_ok->setFocus();
}

} // namespace tagloom
