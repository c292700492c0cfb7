#include "tests/editor/qstringprint.h"
#include "wizards/tablemarkup.h"

#include <gtest/gtest.h>

using namespace tablemarkup;

namespace
{

struct TableCase {
    const char *name;
    Table table;
    int rows;
    int columns;
    std::vector<std::tuple<int, int, QString>> cells; // column, row, text
    std::optional<QString> indent;
    QStringList expected;
};

Table without(Table table, QString Table::*field)
{
    table.*field = QStringLiteral("aucune");
    return table;
}

const QString P1 = QStringLiteral(" ");     // caret at column 0
const QString P5 = QStringLiteral("     "); // caret at column 4

std::vector<TableCase> cases()
{
    Table plain;
    plain.width = plain.height = QStringLiteral("aucune");
    plain.border.clear();
    Table everything;
    everything.width = QString();
    everything.height = QString();
    everything.cellpadding = QStringLiteral("2");
    everything.cellspacing = QStringLiteral("4");
    everything.align = QStringLiteral("left");
    everything.background = true;
    Table red = plain;
    red.background = true;
    red.colour = 0x0000FF;
    return {
        {"the dialog's defaults, empty grid",
         Table(),
         2,
         2,
         {},
         std::nullopt,
         {"<TABLE WIDTH=\"60%\" BORDER=\"3\">",
          "<TR>",
          "<!-- ligne 1 colonne 1 -->",
          "<TD ALIGN=\"center\">",
          "L1 C1",
          "</TD>",
          "<!-- ligne 1 colonne 2 -->",
          "<TD ALIGN=\"center\">",
          "L1 C2",
          "</TD>",
          "</TR>",
          "<TR>",
          "<!-- ligne 2 colonne 1 -->",
          "<TD ALIGN=\"center\">",
          "L2 C1",
          "</TD>",
          "<!-- ligne 2 colonne 2 -->",
          "<TD ALIGN=\"center\">",
          "L2 C2",
          "</TD>",
          "</TR>",
          "</TABLE>"}},
        {"1 x 1 with a filled cell",
         Table(),
         1,
         1,
         {{1, 1, "x"}},
         std::nullopt,
         {"<TABLE WIDTH=\"60%\" BORDER=\"3\">", "<TR>", "<!-- ligne 1 colonne 1 -->",
          "<TD ALIGN=\"center\">", "x", "</TD>", "</TR>", "</TABLE>"}},
        {"smart indentation at column 0",
         without(Table(), &Table::width),
         1,
         1,
         {},
         P1,
         {"<TABLE BORDER=\"3\">", P1 + "     <TR>", P1 + "          <!-- ligne 1 colonne 1 -->",
          P1 + "          <TD ALIGN=\"center\">", P1 + "           L1 C1", P1 + "          </TD>",
          P1 + "     </TR>", "</TABLE>"}},
        {"smart indentation at column 4, row 2 filled, texts verbatim",
         plain,
         2,
         1,
         {{1, 2, "<B>a & b</B>"}, {2, 2, "outside the table"}},
         P5,
         {"<TABLE>", P5 + "     <TR>", P5 + "          <!-- ligne 1 colonne 1 -->",
          P5 + "          <TD ALIGN=\"center\">", P5 + "           L1 C1", P5 + "          </TD>",
          P5 + "     </TR>", P5 + "     <TR>", P5 + "          <!-- ligne 2 colonne 1 -->",
          P5 + "          <TD ALIGN=\"center\">", P5 + "          <B>a & b</B>",
          P5 + "          </TD>", P5 + "     </TR>", "</TABLE>"}},
        {"empty width and height still written; every attribute in order; black background",
         everything,
         1,
         1,
         {},
         std::nullopt,
         {"<TABLE WIDTH=\"\" HEIGHT=\"\" BORDER=\"3\" CELLPADDING=\"2\" CELLSPACING=\"4\" "
          "BGCOLOR=\"#000000\">",
          "<TR>", "<!-- ligne 1 colonne 1 -->", "<TD ALIGN=\"left\">", "L1 C1", "</TD>", "</TR>",
          "</TABLE>"}},
        {"background colour red in the low byte",
         red,
         1,
         1,
         {},
         std::nullopt,
         {"<TABLE BGCOLOR=\"#FF0000\">", "<TR>", "<!-- ligne 1 colonne 1 -->",
          "<TD ALIGN=\"center\">", "L1 C1", "</TD>", "</TR>", "</TABLE>"}},
    };
}

TEST(TableMarkup, LinesInReadingOrder)
{
    for (const TableCase &c : cases()) {
        CellTexts cells;
        for (const auto &[column, row, text] : c.cells)
            cells.setText(column, row, text);
        EXPECT_EQ(tableLines(c.table, c.rows, c.columns, cells, c.indent), c.expected) << c.name;
    }
}

struct SizeCase {
    const char *rows;
    const char *columns;
    int expectedRows;
    int expectedColumns;
    const char *errorNames; // a word the message must hold; "" when there is none
    bool inserts;
};

TEST(TableMarkup, SizesAreConvertedColumnsFirstAndBounded)
{
    const SizeCase sizes[] = {
        {"2", "2", 2, 2, "", true},
        {" 13 ", "+14", 13, 14, "", true},
        {"0", "3", 0, 3, "", false},
        {"-1", "3", -1, 3, "", false},
        {"abc", "x", 0, 0, "« x »", false},
        {"abc", "2", 0, 0, "« abc »", false},
        {"", "2", 0, 0, "«  »", false},
        {"1000", "10", 1000, 10, "", true},
        {"1001", "1", 1001, 1, "1000 lignes", false},
        {"1", "1001", 1, 1001, "1000 colonnes", false},
        {"101", "100", 101, 100, "10000 cellules", false},
        {"100000", "100000", 100000, 100000, "trop grand", false},
        {"99999999999", "1", 0, 0, "99999999999", false},
    };
    for (const SizeCase &c : sizes) {
        const Size size = readSize(QString::fromUtf8(c.rows), QString::fromUtf8(c.columns));
        const std::string label = std::string(c.rows) + " x " + c.columns;
        EXPECT_EQ(size.insertsSomething(), c.inserts) << label;
        if (*c.errorNames) {
            EXPECT_TRUE(size.error.contains(QString::fromUtf8(c.errorNames)))
                << label << ": " << size.error.toStdString();
        } else {
            EXPECT_TRUE(size.error.isEmpty()) << label;
            EXPECT_EQ(size.rows, c.expectedRows) << label;
            EXPECT_EQ(size.columns, c.expectedColumns) << label;
        }
    }
}

TEST(TableMarkup, CellTextsOutliveTheGridSizeAndClearOnlyItsCells)
{
    CellTexts cells;
    cells.setText(3, 3, "far");
    cells.setText(1, 1, "near");
    cells.setText(2, 1, "beside");
    cells.clear(1, 1);
    EXPECT_EQ(cells.text(1, 1), "");
    EXPECT_EQ(cells.text(2, 1), "beside");
    EXPECT_EQ(cells.text(3, 3), "far");
    cells.clear(3, 3);
    EXPECT_EQ(cells.text(2, 1), "");
    EXPECT_EQ(cells.text(3, 3), "");
}

} // namespace
