#include "app/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tagloom {

namespace {

FileDialogHandler &handler()
{
    static FileDialogHandler h;
    return h;
}

// "Display|*.a; *.b" becomes "Display (*.a *.b)" for Qt's dialog, unless
// the display text already shows its patterns.
QString qtFilter(const QString &filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString display = filter.left(bar);
    QStringList patterns = filter.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &p : patterns)
        p = p.trimmed();
    return display + QLatin1String(" [") + patterns.join(QLatin1Char(' ')) + QLatin1String("] (") +
           patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace

QString chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    if (handler())
        return handler()(parent, request);
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                       : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AnyFile
                                                                     : QFileDialog::ExistingFile);
    QStringList filters;
    for (const QString &f : request.filters)
        filters.append(qtFilter(f));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.proposedPath.isEmpty()) {
        const QFileInfo info(request.proposedPath);
        if (info.isDir())
            dialog.setDirectory(request.proposedPath);
        else
            dialog.selectFile(request.proposedPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

FileDialogHandler setFileDialogHandler(FileDialogHandler h)
{
    FileDialogHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

} // namespace tagloom
