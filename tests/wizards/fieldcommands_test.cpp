#include "app/appstate.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "tests/wizards/wizardtesthelpers.h"
#include "wizards/formfielddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

class FieldCommands : public testing::Test
{
protected:
    std::unique_ptr<Tedition> window(const QString &text, int caret)
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->control().setText(text);
        editor->control().setSelection(caret, 0);
        return editor;
    }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

constexpr int kAfter = -1; // directly after the text

struct FieldCase {
    const char *command;
    const char *dialog;
    std::function<void(QDialog &)> fill;
    const char *text;
    int caret; // from the selection start
};

TEST_F(FieldCommands, EachFieldReplacesTheSelectionAndPlacesTheCaret)
{
    const FieldCase cases[] = {
        {"Airedesaisie1", "TTextarea",
         [](QDialog &d) {
             setField(d, "Edit1", "t");
             setField(d, "ComboBox1", "4");
             setField(d, "ComboBox2", "30");
         },
         "<TEXTAREA NAME=\"t\" ROWS=\"4\" COLS=\"30\"></TEXTAREA>", 38},
        {"BoutonValider1", "TBout_valid",
         [](QDialog &d) {
             setField(d, "Edit1", "go");
             setField(d, "Edit2", "Envoyer");
         },
         "<INPUT TYPE=\"SUBMIT\" NAME=\"go\" VALUE=\"Envoyer\">", kAfter},
        {"Casecocher1", "Tcase_coch", [](QDialog &d) { setField(d, "Edit1", "ok"); },
         "<INPUT TYPE=\"CHECKBOX\" NAME=\"ok\" CHECKED=\"false\">", kAfter},
        {"CaseRadio1", "Tradio",
         [](QDialog &d) {
             setField(d, "Edit1", "r");
             setField(d, "Edit2", "1");
             setChecked(d, "CheckBox1", true);
         },
         "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"1\" CHECKED=\"true\">", kAfter},
        {"Motdepasse1", "Tmot_pass",
         [](QDialog &d) {
             setField(d, "Edit1", "p");
             setField(d, "Edit3", "10");
         },
         "<INPUT TYPE=\"PASSWORD\" NAME=\"p\" SIZE=\"10\">", kAfter},
        {"CaseTexte1", "Tmot_pass", [](QDialog &d) { setField(d, "Edit4", "v"); },
         "<INPUT TYPE=\"TEXT\" NAME=\"p\" SIZE=\"10\" VALUE=\"v\">", kAfter},
        {"Entrecache1", "Tent_cache", [](QDialog &) {},
         "<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\">", kAfter},
        {"Menudroulant1", "Tderoule", [](QDialog &d) { setField(d, "Edit1", "m"); },
         "<SELECT NAME=\"m\" SIZE=\"1\"></SELECT>", 26},
    };
    for (const FieldCase &c : cases) {
        SCOPED_TRACE(c.command);
        auto editor = window("ab[sel]cd", 2);
        editor->control().setSelection(2, 5);
        answers.dialogsShown.clear();
        answers.dialogs.push_back([&c](QDialog &d) {
            c.fill(d);
            return pressOk(d);
        });
        editor->runCommand(QString::fromLatin1(c.command));
        EXPECT_EQ(answers.dialogsShown, std::vector<QString>{QString::fromLatin1(c.dialog)});
        EXPECT_EQ(editor->control().text(), "ab" + QString::fromUtf8(c.text) + "cd");
        const int caret = c.caret == kAfter ? int(QString::fromUtf8(c.text).size()) : c.caret;
        EXPECT_EQ(editor->control().selStart(), 2 + caret);
        EXPECT_EQ(editor->control().selLength(), 0);
    }
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(FieldCommands, RequiredFieldsKeepTheDialogOpen)
{
    auto editor = window("", 0);
    // Both submit fields empty: 2203 then 2204, and the dialog stays; then filled, it closes.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(pressOk(d), QDialog::Rejected);
        setField(d, "Edit1", "n");
        EXPECT_EQ(pressOk(d), QDialog::Rejected);
        setField(d, "Edit2", "v");
        return pressOk(d);
    });
    editor->runCommand("BoutonValider1");
    ASSERT_EQ(answers.messages.size(), 3u);
    EXPECT_EQ(answers.messages[0].text, texteDialogue(2203));
    EXPECT_EQ(answers.messages[1].text, texteDialogue(2204));
    EXPECT_EQ(answers.messages[2].text, texteDialogue(2204));
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
    EXPECT_EQ(editor->control().text(), "<INPUT TYPE=\"SUBMIT\" NAME=\"n\" VALUE=\"v\">");

    const std::pair<const char *, int> named[] = {
        {"Airedesaisie1", 505}, {"Casecocher1", 1705}, {"CaseRadio1", 1705}, {"CaseTexte1", 505}};
    for (const auto &[command, number] : named) {
        SCOPED_TRACE(command);
        answers.messages.clear();
        answers.dialogs.push_back([](QDialog &d) {
            setField(d, "Edit1", "");
            return pressOk(d);
        });
        editor->control().setText("x");
        editor->runCommand(command);
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].text, texteDialogue(number));
        EXPECT_EQ(editor->control().text(), "x");
    }
}

TEST_F(FieldCommands, PasswordDialogReturnsToItsFormAfterACancelledTextField)
{
    auto editor = window("", 0);
    auto *sample = Tmot_pass::instance().findChild<QLineEdit *>("Edit5");
    answers.dialogs.push_back([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(2005));
        EXPECT_EQ(sample->echoMode(), QLineEdit::Normal);
        setField(d, "Edit1", "gardé");
        return QDialog::Rejected;
    });
    answers.dialogs.push_back([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(2000));
        EXPECT_EQ(sample->echoMode(), QLineEdit::Password);
        EXPECT_EQ(d.findChild<QLineEdit *>("Edit1")->text(), "gardé") << "shared dialog keeps it";
        return QDialog::Rejected;
    });
    editor->runCommand("CaseTexte1");
    editor->runCommand("Motdepasse1");
    EXPECT_EQ(editor->control().text(), "");
    EXPECT_EQ(answers.dialogsShown.size(), 2u);
}

TEST_F(FieldCommands, ColourCodeFromTheBarsAndThroughTheClipboard)
{
    auto editor = window("", 0);
    answers.dialogs.push_back([](QDialog &d) {
        const QList<QScrollBar *> bars = d.findChildren<QScrollBar *>();
        for (QScrollBar *bar : bars)
            bar->setValue(255);
        setChecked(d, "CheckBox1", true);
        EXPECT_EQ(d.findChild<QLabel *>("Panel1")->text(), "FFFFFF");
        return pressOk(d);
    });
    editor->runCommand("Insreruncodecouleur1");
    EXPECT_EQ(editor->control().text(), "#FFFFFF");

    QApplication::clipboard()->setText("avant");
    answers.dialogs.push_back([](QDialog &d) {
        d.findChild<QScrollBar *>("ScrollBarvert")->setValue(128);
        d.findChild<QScrollBar *>("ScrollBarbleu")->setValue(0);
        setChecked(d, "CheckBox1", false);
        d.setResult(QDialog::Rejected);
        click(d, "BitBtn1");
        return d.result();
    });
    editor->control().setText("");
    editor->runCommand("Insreruncodecouleur1");
    EXPECT_EQ(QApplication::clipboard()->text(), "FF8000");
    EXPECT_EQ(editor->control().text(), "FF8000");
}

TEST_F(FieldCommands, RuleUsesBuiltInValuesThenTheLastConfirmed)
{
    // A settings file without the rule keys: the built-in texts, not "indéfini".
    QByteArray settings = dir.readBytes("brindel.sav");
    settings.replace("[hr_epaisseur]=2\r\n", "");
    settings.replace("[hr_longueur]=90%\r\n", "");
    dir.writeBytes("brindel.sav", settings);
    auto editor = window("", 0);
    answers.dialogs.push_back([](QDialog &d) { return pressOk(d); });
    editor->runCommand("Lignedesparation1");
    EXPECT_EQ(editor->control().text(), "<HR SIZE=\"1\" WIDTH=\"90%\">");

    // With the keys back, a red centred rule; the next dialog proposes what was confirmed.
    dir.writeBytes("brindel.sav", settings + "[hr_epaisseur]=2\r\n[hr_longueur]=90%\r\n");
    answers.colorAnswers.push_back(QColor(255, 0, 0));
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.findChild<QComboBox *>("ComboBox1")->currentText(), "2");
        setField(d, "ComboBox1", "1");
        setChecked(d, "CheckBox1", true);
        click(d, "Button1");
        setField(d, "ComboBox3", "center");
        return pressOk(d);
    });
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.findChild<QComboBox *>("ComboBox1")->currentText(), "1");
        EXPECT_EQ(d.findChild<QComboBox *>("ComboBox2")->currentText(), "90%");
        return QDialog::Rejected;
    });
    editor->control().setText("");
    editor->runCommand("Lignedesparation1");
    editor->runCommand("Lignedesparation1");
    EXPECT_EQ(editor->control().text(),
              "<HR SIZE=\"1\" WIDTH=\"90%\" COLOR=\"#FF0000\" ALIGN=\"center\">");
    EXPECT_EQ(lireparametre("hr_epaisseur", settingsFile()), "1");
}

TEST_F(FieldCommands, ListCountIsCheckedBeforeAnyLine)
{
    auto editor = window("fin", 0);
    answers.dialogs.push_back([](QDialog &d) {
        setField(d, "ComboBox1", "2");
        return pressOk(d);
    });
    editor->runCommand("Listes2");
    EXPECT_EQ(editor->control().text(), " <OL>\r\n  <LI>\r\n  <LI>\r\n </OL>\r\nfin");
    EXPECT_EQ(editor->control().selStart(), 13);

    for (const char *count : {"deux", "", "100000"}) {
        SCOPED_TRACE(count);
        editor->control().setText("fin");
        editor->control().setSelection(1, 0);
        answers.messages.clear();
        answers.dialogs.push_back([count](QDialog &d) {
            setChecked(d, "RadioButton1", true);
            setField(d, "ComboBox1", QString::fromUtf8(count));
            return pressOk(d);
        });
        editor->runCommand("Listes2");
        EXPECT_EQ(editor->control().text(), "fin") << "no lone closing tag";
        EXPECT_EQ(answers.messages.size(), 1u);
    }
    answers.dialogs.push_back([](QDialog &) { return QDialog::Rejected; });
    editor->runCommand("Listes2");
    EXPECT_EQ(editor->control().selStart(), 1);
}

} // namespace
