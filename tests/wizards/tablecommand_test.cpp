#include "app/appstate.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "tests/wizards/wizardtesthelpers.h"
#include "wizards/tabledialogs.h"

#include <QLabel>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <memory>

namespace
{

const QStringList kDefaultTable = {"<TABLE WIDTH=\"60%\" BORDER=\"3\">",
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
                                   "</TABLE>"};

class TableCommand : public testing::Test
{
protected:
    void SetUp() override { appState().smartIndentation = false; }
    void TearDown() override { appState().smartIndentation = true; }

    std::unique_ptr<Tedition> window(const QString &text, int caret)
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->control().setText(text);
        editor->control().setSelection(caret, 0);
        return editor;
    }

    // The table dialog answers with `rows` x `columns`, the rest as it stands.
    void answerTable(const QString &rows, const QString &columns, bool ok = true)
    {
        answers.dialogs.push_back([=](QDialog &d) {
            setField(d, "ligne", rows);
            setField(d, "col", columns);
            return ok ? QDialog::Accepted : QDialog::Rejected;
        });
    }

    // The table dialog opens the grid at `rows` x `columns`; `fill` types into it.
    void answerGrid(const QString &rows, const QString &columns,
                    std::function<void(Tremplitableau &)> fill)
    {
        answers.dialogs.push_back([=](QDialog &d) {
            setField(d, "ligne", rows);
            setField(d, "col", columns);
            click(d, "BitBtn1");
            return QDialog::Rejected;
        });
        answers.dialogs.push_back([=](QDialog &d) {
            fill(static_cast<Tremplitableau &>(d));
            return QDialog::Accepted;
        });
    }

    static void type(Tremplitableau &grid, int column, int row, const QString &text)
    {
        grid.grid()->setItem(row - 1, column - 1, new QTableWidgetItem(text));
    }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

TEST_F(TableCommand, DefaultTableGoesAboveTheCaretLineInOneUndoStep)
{
    auto editor = window("avant\r\nmi-ligne\r\napres", 10); // caret inside "mi-ligne"
    answerTable("2", "2");
    editor->runCommand("Tableau2");
    QStringList expected = {"avant"};
    expected << kDefaultTable << "mi-ligne"
             << "apres";
    EXPECT_EQ(editor->control().text(), expected.join("\r\n"));
    EXPECT_EQ(editor->control().selStart(), editor->control().lineIndex(2))
        << "caret at the start of the line after the TABLE line";
    EXPECT_EQ(editor->control().selLength(), 0);
    EXPECT_EQ(answers.dialogsShown, std::vector<QString>{"TTab"});
    editor->control().undo();
    EXPECT_EQ(editor->control().text(), "avant\r\nmi-ligne\r\napres");
}

TEST_F(TableCommand, SmartIndentationFollowsTheCaretColumn)
{
    appState().smartIndentation = true;
    auto editor = window("    x", 4);
    answerTable("1", "1");
    editor->runCommand("Tableau2");
    const QString p = "     ";
    const QStringList expected = {"<TABLE WIDTH=\"60%\" BORDER=\"3\">",
                                  p + "     <TR>",
                                  p + "          <!-- ligne 1 colonne 1 -->",
                                  p + "          <TD ALIGN=\"center\">",
                                  p + "           L1 C1",
                                  p + "          </TD>",
                                  p + "     </TR>",
                                  "</TABLE>",
                                  "    x"};
    EXPECT_EQ(editor->control().text(), expected.join("\r\n"));
}

TEST_F(TableCommand, GridTextsOutliveSmallerTablesUntilCleared)
{
    auto editor = window("", 0);
    answerGrid("3", "3", [](Tremplitableau &grid) {
        EXPECT_EQ(grid.grid()->rowCount(), 3);
        EXPECT_EQ(grid.grid()->horizontalHeaderItem(2)->text(), "Colonne 3");
        EXPECT_EQ(grid.grid()->verticalHeaderItem(0)->text(), "Ligne 1");
        EXPECT_EQ(grid.findChild<QLabel *>("Label2")->text(), "3");
        type(grid, 1, 1, "near");
        type(grid, 3, 3, "far");
    });
    editor->runCommand("Tableau2");
    EXPECT_EQ(editor->control().text(), "") << "the grid alone inserts nothing";
    answerTable("1", "1");
    editor->runCommand("Tableau2");
    EXPECT_TRUE(editor->control().text().contains("\r\nnear\r\n"));

    // A 1 x 1 grid shows only "near"; clearing it leaves the far cell in the store.
    answerGrid("1", "1", [](Tremplitableau &grid) {
        EXPECT_EQ(grid.grid()->item(0, 0)->text(), "near");
        click(grid, "BitBtn1");
        EXPECT_EQ(grid.grid()->item(0, 0), nullptr);
    });
    editor->runCommand("Tableau2");
    answerTable("3", "3");
    editor->control().setText("");
    editor->runCommand("Tableau2");
    const QString text = editor->control().text();
    EXPECT_TRUE(text.contains("\r\nL1 C1\r\n"));
    EXPECT_TRUE(text.contains("\r\nfar\r\n"));
    EXPECT_FALSE(text.contains("near"));
}

TEST_F(TableCommand, BadCountsInsertNothing)
{
    struct Case {
        const char *rows;
        const char *columns;
        bool message;
    };
    const Case cases[] = {
        {"deux", "2", true}, {"2", "", true},        {"0", "2", false},
        {"2", "-1", false},  {"1001", "1", true},    {"100000", "100000", true},
        {"200", "51", true}, {"1000", "1001", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " x " + c.columns);
        auto editor = window("texte", 2);
        answers.messages.clear();
        answerTable(c.rows, c.columns);
        editor->runCommand("Tableau2");
        EXPECT_EQ(editor->control().text(), "texte");
        EXPECT_EQ(editor->control().selStart(), 2);
        EXPECT_EQ(answers.messages.size(), c.message ? 1u : 0u);
        // The grid is not shown for the same counts either.
        answers.messages.clear();
        answers.dialogsShown.clear();
        answers.dialogs.push_back([&](QDialog &d) {
            setField(d, "ligne", c.rows);
            setField(d, "col", c.columns);
            click(d, "BitBtn1");
            return QDialog::Rejected;
        });
        editor->runCommand("Tableau2");
        EXPECT_EQ(answers.dialogsShown, std::vector<QString>{"TTab"});
        EXPECT_EQ(answers.messages.size(), c.message ? 1u : 0u);
    }
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(TableCommand, CancelKeepsTheTypedValuesForNextTime)
{
    auto editor = window("", 0);
    answers.dialogs.push_back([](QDialog &d) {
        setField(d, "Edit1", "");
        setField(d, "ComboBox1", "aucune");
        setField(d, "ComboBox3", "left");
        setChecked(d, "CheckBox1", true);
        return QDialog::Rejected;
    });
    answerTable("1", "1");
    editor->runCommand("Tableau2");
    EXPECT_EQ(editor->control().text(), "");
    editor->runCommand("Tableau2");
    EXPECT_TRUE(editor->control().text().startsWith("<TABLE BGCOLOR=\"#000000\">\r\n<TR>"))
        << editor->control().text().toStdString();
    EXPECT_TRUE(editor->control().text().contains("<TD ALIGN=\"left\">"));
    // Put the shared dialog back the way the other tests expect it.
    answers.dialogs.push_back([](QDialog &d) {
        setField(d, "Edit1", "3");
        setField(d, "ComboBox1", "60%");
        setField(d, "ComboBox3", "center");
        setChecked(d, "CheckBox1", false);
        return QDialog::Rejected;
    });
    editor->runCommand("Tableau2");
}

} // namespace
