#include "tags/ui/movie_dialog.h"

#include "base/ui/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

MovieDialog::MovieDialog(const QString &title, const char *missingMovie, FileDialogRequest request,
                         ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(title, std::move(activeEditor), parent), m_file(std::move(request)),
      m_fieldsBox(new QWidget(this)), m_rows(m_fieldsBox), m_checkBoxes(new QHBoxLayout),
      m_missingMovie(missingMovie)
{
    m_movie = m_rows.addText("Edit971", "Movie:");
    m_movie->setMinimumWidth(240);
    connect(m_rows.addButton("&Browse..."), &QPushButton::clicked, this, [this] { m_file.chooseUrlInto(m_movie); });
    m_height = m_rows.addText("Edit972", "Height:");
    m_width = m_rows.addText("Edit973", "Width:");
    m_rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fieldsBox);
    layout->addLayout(m_checkBoxes);
    addButtonRow(layout);
    setFocusProxy(m_movie);
}

QCheckBox *MovieDialog::addCheckBox(const char *name, const char *caption)
{
    auto *box = new QCheckBox(QLatin1String(caption), this);
    box->setObjectName(QLatin1String(name));
    box->setChecked(true);
    m_checkBoxes->addWidget(box);
    return box;
}

void MovieDialog::beforeMarkup()
{
    if (!m_movie->text().isEmpty())
        return;
    QApplication::beep();
    showMessage(this, MessageKind::Error, QString(), QLatin1String(m_missingMovie));
    // Here the movie goes in as a plain path, unlike Browse's file:// address.
    m_file.choosePathInto(m_movie);
}

void MovieDialog::emptyMovieBoxes()
{
    for (QLineEdit *box : {m_movie, m_height, m_width})
        box->clear();
}

} // namespace tagloom
