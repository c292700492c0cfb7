#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/documentfile.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "wizards/generateddocument.h"
#include "wizards/tmeta.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

template <typename W> W *child(QWidget &dialog, const char *name)
{
    W *found = dialog.findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class MetaDialogs : public testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

TEST_F(MetaDialogs, MetaCommandInsertsOneTagAndKeepsItsAnswers)
{
    Tedition editor(&host);
    editor.control().setText(QStringLiteral("<HEAD>\n</HEAD>"));
    editor.control().setSelection(6, 0);

    // A name typed into the list, not one of its items.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(1500));
        EXPECT_EQ(child<QComboBox>(d, "ComboBox1")->currentText(), "author");
        child<QComboBox>(d, "ComboBox1")->setEditText("robots");
        child<QLineEdit>(d, "Edit2")->setText("noindex");
        child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    editor.runCommand("META1");
    const QString tag = "<META NAME=\"robots\" CONTENT=\"noindex\">";
    EXPECT_EQ(editor.control().text(), "<HEAD>" + tag + "\r\n</HEAD>");
    EXPECT_EQ(editor.control().selStart(), 6 + tag.size()) << "the caret ends after the tag";

    // Cancelled: nothing, and the next use shows the last answers.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(child<QComboBox>(d, "ComboBox1")->currentText(), "robots");
        EXPECT_EQ(child<QLineEdit>(d, "Edit2")->text(), "noindex");
        child<QLineEdit>(d, "Edit2")->setText("autre");
        child<QPushButton>(d, "CancelBtn")->click();
        return d.result();
    });
    editor.runCommand("META1");
    EXPECT_EQ(editor.control().text(), "<HEAD>" + tag + "\r\n</HEAD>");
    EXPECT_TRUE(answers.allAnswersUsed());
    EXPECT_EQ(answers.dialogsShown, (std::vector<QString>{"Tmeta2", "Tmeta2"}));
}

TEST_F(MetaDialogs, PageMetaRowsFollowTheirBoxesAndKeepTheirText)
{
    Tmeta &meta = Tmeta::instance();
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(1400));
        EXPECT_EQ(child<QCheckBox>(d, "CheckBox6")->text(), texteDialogue(1406));
        EXPECT_EQ(child<QPushButton>(d, "BitBtn1")->text(), texteDialogue(3));
        for (const char *field :
             {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "edit61", "Edit62", "Edit63", "Edit6"})
            EXPECT_FALSE(child<QLineEdit>(d, field)->isEnabled()) << field;
        EXPECT_FALSE(child<QComboBox>(d, "ComboBox1")->isEnabled());
        EXPECT_EQ(child<QComboBox>(d, "ComboBox1")->currentText(), "fr");

        child<QCheckBox>(d, "CheckBox1")->click();
        EXPECT_TRUE(child<QLineEdit>(d, "Edit1")->isEnabled());
        EXPECT_EQ(d.focusWidget(), child<QLineEdit>(d, "Edit1"));
        QTest::keyClicks(child<QLineEdit>(d, "Edit1"), "Dupont");

        // The date: ticking gives the day the focus, two characters move on to the next part.
        child<QCheckBox>(d, "CheckBox6")->click();
        auto *day = child<QLineEdit>(d, "edit61");
        EXPECT_EQ(d.focusWidget(), day);
        QTest::keyClicks(day, "0");
        EXPECT_EQ(d.focusWidget(), day);
        QTest::keyClicks(day, "7");
        EXPECT_EQ(d.focusWidget(), child<QLineEdit>(d, "Edit62"));
        QTest::keyClicks(child<QLineEdit>(d, "Edit62"), "12");
        EXPECT_EQ(d.focusWidget(), child<QLineEdit>(d, "Edit63"));
        QTest::keyClicks(child<QLineEdit>(d, "Edit63"), "202612");
        EXPECT_EQ(child<QLineEdit>(d, "Edit63")->text(), "2026") << "at most four characters";
        child<QLineEdit>(d, "edit61")->setText("123");
        EXPECT_EQ(child<QLineEdit>(d, "edit61")->text(), "12") << "at most two characters";
        child<QLineEdit>(d, "edit61")->setText("07");

        // A cleared row keeps its text but writes nothing.
        child<QCheckBox>(d, "CheckBox2")->click();
        child<QLineEdit>(d, "Edit2")->setText("mots");
        child<QCheckBox>(d, "CheckBox2")->click();
        EXPECT_FALSE(child<QLineEdit>(d, "Edit2")->isEnabled());
        EXPECT_EQ(child<QLineEdit>(d, "Edit2")->text(), "mots");

        child<QCheckBox>(d, "CheckBox8")->click();
        child<QLineEdit>(d, "Edit6")->setText("moi@exemple.fr");
        child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    const std::optional<MetaAnswers> first = meta.askForPage();
    ASSERT_TRUE(first);
    EXPECT_EQ(metaBlock(*first),
              QStringList({"<META NAME=\"author\" CONTENT=\"Dupont\">",
                           "<META NAME=\"creation_date\" CONTENT=\"07/12/2026\">"}));
    EXPECT_EQ(first->email, "moi@exemple.fr");

    // The second use proposes the same answers; cancelling gives none.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_TRUE(child<QCheckBox>(d, "CheckBox1")->isChecked());
        EXPECT_TRUE(child<QLineEdit>(d, "Edit1")->isEnabled());
        EXPECT_EQ(child<QLineEdit>(d, "Edit1")->text(), "Dupont");
        EXPECT_FALSE(child<QLineEdit>(d, "Edit2")->isEnabled());
        child<QPushButton>(d, "CancelBtn")->click();
        return d.result();
    });
    EXPECT_FALSE(meta.askForPage());
    EXPECT_EQ(metaBlock(meta.answers()), metaBlock(*first));
    EXPECT_TRUE(answers.allAnswersUsed());
}

TEST_F(MetaDialogs, UntitledDocumentIsModifiedPathlessAndSavesAsWindowsText)
{
    ecrireparametre(QStringLiteral("non"), QStringLiteral("astuce"), settingsFile());
    Tecran tecran;
    tecran.show();
    Tedition *editor = tecran.newUntitledDocument("(defaut).css");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(tecran.activeEditor(), editor);
    EXPECT_EQ(editor->windowTitle(), "(defaut).css");
    EXPECT_TRUE(editor->fileName().isEmpty());
    EXPECT_TRUE(editor->control().isModified());
    EXPECT_TRUE(editor->control().text().isEmpty());
    EXPECT_TRUE(editor->command("Enregistrer1")->isEnabled());
    EXPECT_TRUE(tecran.toolButton("ToolButton2")->isEnabled());
    EXPECT_EQ(tecran.editors().size(), 1);

    // Save-as proposes the style-sheet type; the file is Windows-1252 with CR LF.
    editor->control().setText(QStringLiteral("p { content: \"é\" }\nh1 {}"));
    const QString path = dir.file("style.css");
    answers.saveAnswers.push_back(path);
    EXPECT_TRUE(editor->sauve());
    ASSERT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_EQ(answers.fileRequests[0].defaultSuffix, "css");
    EXPECT_EQ(dir.readBytes("style.css"), QByteArray("p { content: \"\xE9\" }\r\nh1 {}"));
    EXPECT_EQ(editor->fileName(), path);
    EXPECT_EQ(editor->windowTitle(), "style.css");
    EXPECT_FALSE(editor->control().isModified());

    // A generated document: its lines, no break after the last, the caret where asked.
    Tedition *page = openGeneratedDocument(tecran, "(defaut).htm", {"<HTML>", " ", "</HTML>"}, 1);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(tecran.activeEditor(), page);
    EXPECT_EQ(page->control().text(), "<HTML>\r\n \r\n</HTML>");
    EXPECT_EQ(page->control().selStart(), 8);
    EXPECT_TRUE(page->control().isModified());
    EXPECT_TRUE(page->fileName().isEmpty());
    EXPECT_EQ(page->windowTitle(), "(defaut).htm");
    EXPECT_TRUE(tecran.toolButton("ToolButton2")->isEnabled());
    EXPECT_EQ(tecran.editors().size(), 2);
    answers.messageAnswers = {QMessageBox::No};
    tecran.close();
}

} // namespace
