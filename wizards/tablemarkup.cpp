#include "wizards/tablemarkup.h"

#include "editor/textroutines.h"
#include "platform/editorcontrol.h"
#include "wizards/wizardtext.h"

#include <algorithm>

namespace tablemarkup
{

namespace
{

const QString kNone = QStringLiteral("aucune");

QString attribute(const char *name, const QString &value)
{
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value);
}

} // namespace

void CellTexts::setText(int column, int row, const QString &text)
{
    if (text.isEmpty())
        m_texts.remove({column, row});
    else
        m_texts.insert({column, row}, text);
}

void CellTexts::clear(int columns, int rows)
{
    for (auto it = m_texts.begin(); it != m_texts.end();) {
        const auto [column, row] = it.key();
        if (column >= 1 && column <= columns && row >= 1 && row <= rows)
            it = m_texts.erase(it);
        else
            ++it;
    }
}

Size readSize(const QString &rowsText, const QString &columnsText)
{
    Size size;
    const std::optional<int> columns = wizardcount::toInteger(columnsText);
    if (!columns) {
        size.error = wizardcount::notANumberMessage(columnsText);
        return size;
    }
    const std::optional<int> rows = wizardcount::toInteger(rowsText);
    if (!rows) {
        size.error = wizardcount::notANumberMessage(rowsText);
        return size;
    }
    size.rows = *rows;
    size.columns = *columns;
    if (size.rows > 0 && size.columns > 0 &&
        (size.rows > wizardcount::kMaxRows || size.columns > wizardcount::kMaxColumns ||
         qint64(size.rows) * size.columns > wizardcount::kMaxCells)) {
        size.error = QStringLiteral("Ce tableau est trop grand : au plus %1 lignes, %2 colonnes "
                                    "et %3 cellules.")
                         .arg(wizardcount::kMaxRows)
                         .arg(wizardcount::kMaxColumns)
                         .arg(wizardcount::kMaxCells);
    }
    return size;
}

QString tableLine(const Table &table)
{
    QString line = QStringLiteral("<TABLE");
    if (table.width != kNone)
        line += attribute("WIDTH", table.width);
    if (table.height != kNone)
        line += attribute("HEIGHT", table.height);
    if (!table.border.isEmpty())
        line += attribute("BORDER", table.border);
    if (!table.cellpadding.isEmpty())
        line += attribute("CELLPADDING", table.cellpadding);
    if (!table.cellspacing.isEmpty())
        line += attribute("CELLSPACING", table.cellspacing);
    if (table.background)
        line += attribute("BGCOLOR", QLatin1Char('#') + couleurhexa(table.colour));
    return line + QLatin1Char('>');
}

QStringList tableLines(const Table &table, int rows, int columns, const CellTexts &cells,
                       const std::optional<QString> &indent)
{
    const QString row = indent ? *indent + QString(5, QLatin1Char(' ')) : QString();
    const QString cell = indent ? *indent + QString(10, QLatin1Char(' ')) : QString();
    const QString placeholder = indent ? *indent + QString(11, QLatin1Char(' ')) : QString();
    const QString cellStart = cell + QStringLiteral("<TD ALIGN=\"%1\">").arg(table.align);

    QStringList lines;
    lines.reserve(2 + rows * (2 + 4 * columns));
    lines << tableLine(table);
    for (int r = 1; r <= rows; ++r) {
        lines << row + QStringLiteral("<TR>");
        for (int c = 1; c <= columns; ++c) {
            lines << cell + QStringLiteral("<!-- ligne %1 colonne %2 -->").arg(r).arg(c);
            lines << cellStart;
            const QString text = cells.text(c, r);
            lines << (text.isEmpty() ? placeholder + QStringLiteral("L%1 C%2").arg(r).arg(c)
                                     : cell + text);
            lines << cell + QStringLiteral("</TD>");
        }
        lines << row + QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>");
    return lines;
}

void insertTable(EditorControl &control, const Table &table, int rows, int columns,
                 const CellTexts &cells, bool smartIndentation)
{
    const int start = control.selStart();
    const int line = control.lineFromChar(start);
    const int column =
        std::clamp(start - control.lineIndex(line), 0, int(control.line(line).size()));
    std::optional<QString> indent;
    if (smartIndentation)
        indent = QString(column + 1, QLatin1Char(' '));
    const QStringList lines = tableLines(table, rows, columns, cells, indent);
    EditBlock step(control);
    control.insertLine(line, lines.join(QStringLiteral("\r\n")));
    control.setSelection(control.lineIndex(line + 1), 0);
}

} // namespace tablemarkup
