#include "base/ui/file_dialogs.h"


#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QFileInfo>

namespace tagloom {

namespace {

FileDialogHandler &handler()
{
    static FileDialogHandler h;
    return h;
}


// The favourites row under the file dialog's own controls: "Favorites:", a
// drop-down of the folders and a button that adds the folder on show.
void addFavouritesRow(QFileDialog &dialog, QStringList &favourites)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return;
    auto *label = new QLabel(QStringLiteral("Favorites:"), &dialog);
    auto *folders = new QComboBox(&dialog);
    folders->setToolTip(QStringLiteral("Favorite Folders List"));
    folders->addItems(favourites);
    auto *add = new QToolButton(&dialog);
    add->setText(QStringLiteral("+"));
    add->setToolTip(QStringLiteral("Click here to add this folder to your favorites list"));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(folders, row, 1);
    grid->addWidget(add, row, 2);
    QObject::connect(folders, &QComboBox::textActivated, &dialog, [&dialog](const QString &folder) {
        dialog.setDirectory(folder);
    });
    QObject::connect(add, &QToolButton::clicked, &dialog, [&dialog, &favourites, folders] {
        const QString folder = dialog.directory().absolutePath();
        if (favourites.contains(folder) || favourites.size() >= MaxFavouriteFolders)
            return;
        favourites.append(folder);
        folders->addItem(folder);
        folders->setCurrentText(folder);
    });
}

// A box beside the file list that shows the picture the cursor is on,
// scaled down to fit.
void addPicturePreview(QFileDialog &dialog)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return;
    auto *preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("PicturePreview"));
    preview->setFixedSize(160, 160);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString &path) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > preview->width() || size.height() > preview->height()))
            reader.setScaledSize(size.scaled(preview->size(), Qt::KeepAspectRatio));
        const QImage picture = reader.read();
        preview->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    });
}

} // namespace

QString qtNameFilter(const QString &filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QStringList patterns = filter.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &p : patterns) {
        p = p.trimmed();
        if (p == QLatin1String("*.*")) // every file, not only names with a dot
            p = QStringLiteral("*");
    }
    return filter.left(bar).trimmed() + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    if (handler())
        return handler()(parent, request);
    QFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the favourites row needs Qt's own dialog
    dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                       : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogRequest::Kind::Save     ? QFileDialog::AnyFile
                       : request.kind == FileDialogRequest::Kind::Folder ? QFileDialog::Directory
                       : request.multipleFiles                           ? QFileDialog::ExistingFiles
                                                                         : QFileDialog::ExistingFile);
    if (request.kind == FileDialogRequest::Kind::Folder)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    // The filters show their own texts; the patterns Qt matches with stay out
    // of sight in the last parentheses.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const QString &f : request.filters)
        filters.append(qtNameFilter(f));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (request.favourites) {
        addFavouritesRow(dialog, *request.favourites);
        if (request.proposedPath.isEmpty() && !request.favourites->isEmpty())
            dialog.setDirectory(request.favourites->constFirst());
    }
    if (request.picturePreview)
        addPicturePreview(dialog);
    if (!request.proposedPath.isEmpty()) {
        const QFileInfo info(request.proposedPath);
        if (info.isDir())
            dialog.setDirectory(request.proposedPath);
        else
            dialog.selectFile(request.proposedPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().join(QLatin1Char('\n'));
}

QStringList chooseFiles(QWidget *parent, FileDialogRequest request)
{
    request.multipleFiles = true;
    return chooseFile(parent, request).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

FileDialogHandler setFileDialogHandler(FileDialogHandler h)
{
    FileDialogHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

} // namespace tagloom
