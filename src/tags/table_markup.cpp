#include "tags/table_markup.h"

namespace tagloom {

namespace {

QString cellLine(const char *tag, const QString &text)
{
    const QString open = QLatin1Char('<') + QLatin1String(tag) + QStringLiteral(" nowrap>");
    const QString close = QStringLiteral("</") + QLatin1String(tag) + QLatin1Char('>');
    return open + (text.isEmpty() ? QStringLiteral("<br>") : text) + close;
}

void appendRow(QStringList &lines, const TableGrid &grid, int row, const char *tag)
{
    lines << QStringLiteral("<tr>");
    for (int column = 1; column < grid.columnCount(); ++column)
        lines << cellLine(tag, grid.cell(row, column));
    lines << QStringLiteral("</tr>");
}

} // namespace

QStringList exportTableGrid(const TableGrid &grid)
{
    QStringList lines;
    lines.reserve(2 + qsizetype(grid.rowCount()) * (grid.columnCount() + 1));
    lines << QStringLiteral("<table border=1>");
    appendRow(lines, grid, 0, "th");
    for (int row = 1; row < grid.rowCount(); ++row)
        appendRow(lines, grid, row, "td");
    lines << QStringLiteral("</table><p>");
    return lines;
}

QStringList tableLines(const TableFields &fields)
{
    QStringList lines;
    lines << QStringLiteral("<!-- INSERT HTML //-->");
    lines << exportTableGrid(fields.Grid2);
    // Only the table's own opening tag takes the sizes; a cell that happens
    // to hold the same text keeps it.
    lines[1] = QStringLiteral("<table width=\"") + fields.EditWidth + QStringLiteral("\" height=\"") +
               fields.EditHeight + QStringLiteral("\" border=\"") + fields.EditBorder + QStringLiteral("\">");
    lines << QStringLiteral("<p>") << QStringLiteral("<!--END INSERT //-->");
    return lines;
}

Insertion tableMarkup(const TableFields &fields)
{
    QString text = tableLines(fields).join(QLatin1Char('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return lineInsertion(text);
}

void resetTableFields(TableFields &fields)
{
    fields.EditCols = QStringLiteral("3");
    fields.EditRows = QStringLiteral("3");
    fields.EditBorder = QStringLiteral("0");
    fields.EditHeight = QStringLiteral("0");
    fields.EditWidth = QStringLiteral("0");
    fields.Grid2.resize(TableGrid::DefaultRows, TableGrid::DefaultColumns);
}

} // namespace tagloom
