#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <utility>

class EditorControl;

// The table wizard's text: a TABLE element with every row and cell on its own line, each
// cell announced by a comment naming its position and holding a placeholder when empty.
namespace tablemarkup
{

// The answers of the table dialog, with its initial values.
struct Table {
    QString width = QStringLiteral("60%");
    QString height = QStringLiteral("aucune");
    QString border = QStringLiteral("3");
    QString cellpadding;
    QString cellspacing;
    QString align = QStringLiteral("center");
    bool background = false;
    quint32 colour = 0; // red in the low byte
};

// The texts typed into the cell grid, by (column, row), both from 1. They outlive any one
// size of the grid: a smaller table still finds the texts of the positions it reuses.
class CellTexts
{
public:
    QString text(int column, int row) const { return m_texts.value({column, row}); }
    void setText(int column, int row, const QString &text);
    // Empties the cells of a grid of that size (columns 1..columns, rows 1..rows).
    void clear(int columns, int rows);

private:
    QHash<std::pair<int, int>, QString> m_texts;
};

// The table's size read from the two count fields: columns are converted first. `error`
// holds the message when a count is not a whole number or the table exceeds the bounds of
// wizardcount; `rows` or `columns` at 0 or less means nothing to insert.
struct Size {
    int rows = 0;
    int columns = 0;
    QString error;
    bool insertsSomething() const { return error.isEmpty() && rows > 0 && columns > 0; }
};
Size readSize(const QString &rowsText, const QString &columnsText);

// "<TABLE" + the attributes that apply + ">".
QString tableLine(const Table &table);

// Every line of the table in reading order. `indent` is the smart indentation prefix (the
// caret's column + 1 spaces), or nothing when smart indentation is off.
QStringList tableLines(const Table &table, int rows, int columns, const CellTexts &cells,
                       const std::optional<QString> &indent);

// Puts the table above the line that holds the caret, as one undo step, the line itself kept
// whole; the caret then stands at the start of the line after the TABLE line. With smart
// indentation the rows and cells are indented from the caret's column.
void insertTable(EditorControl &control, const Table &table, int rows, int columns,
                 const CellTexts &cells, bool smartIndentation);

} // namespace tablemarkup
