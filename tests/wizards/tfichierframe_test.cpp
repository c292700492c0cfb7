#include "app/appstate.h"
#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "wizards/tfichierframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{

template <typename W> W *child(QDialog &dialog, const char *name)
{
    W *widget = dialog.findChild<W *>(QString::fromLatin1(name));
    if (!widget)
        ADD_FAILURE() << "no control " << name;
    return widget;
}

void click(QDialog &dialog, const char *name)
{
    child<QPushButton>(dialog, name)->click();
}

QLineEdit *edit(QDialog &dialog, const char *name)
{
    return child<QLineEdit>(dialog, name);
}

// "page1…page4" by visibility, then the current page's name.
QString pages(QDialog &dialog)
{
    auto *tabs = child<QTabWidget>(dialog, "PageControl1");
    QString shown;
    for (int i = 0; i < tabs->count(); ++i)
        shown += tabs->isTabVisible(i) ? QLatin1Char('1') : QLatin1Char('0');
    return shown + QLatin1Char(' ') + tabs->currentWidget()->objectName();
}

class FramesWizard : public testing::Test
{
protected:
    FramesWizard()
    {
        appState().projectDirectory = QStringLiteral("/site");
        appState().setBrowserDirectory(QStringLiteral("/site"));
    }
    ~FramesWizard() override { appState() = AppState(); }

    QStringList documentLines(Tedition &editor)
    {
        return editor.control().text().split(QStringLiteral("\r\n"));
    }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    Tecran tecran;
};

TEST_F(FramesWizard, WalksThePagesAndWritesTheFramesetPage)
{
    Tfichier_frame wizard;
    answers.openAnswers.push_back(QStringLiteral("/site/menu.htm"));
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(2800));
        EXPECT_EQ(pages(d), QStringLiteral("1001 page1"));
        EXPECT_EQ(edit(d, "Edit1")->text(), QStringLiteral("(Titre)"));
        EXPECT_TRUE(child<QToolButton>(d, "SpeedButton2")->isChecked());
        EXPECT_EQ(child<QComboBox>(d, "ComboBox2")->currentText(), QStringLiteral("20%"));
        EXPECT_EQ(child<QPlainTextEdit>(d, "Memo1")->toPlainText(), texteDialogue(2811));
        edit(d, "Edit1")->setText(QStringLiteral("Mon site"));
        click(d, "Button1");
        EXPECT_EQ(pages(d), QStringLiteral("1011 Page3"));
        // Coming back from the file dialog keeps the page and the fields.
        click(d, "Button5");
        EXPECT_EQ(edit(d, "Edit4")->text(), QStringLiteral("/site/menu.htm"));
        EXPECT_EQ(pages(d), QStringLiteral("1011 Page3"));
        edit(d, "Edit5")->setText(QStringLiteral("/site/nav/page.htm"));
        child<QCheckBox>(d, "CheckBox3")->setChecked(true);
        click(d, "Button7");
        EXPECT_EQ(pages(d), QStringLiteral("1011 page4"));
        child<QComboBox>(d, "ComboBox1")->setEditText(QStringLiteral("0"));
        child<QPlainTextEdit>(d, "Memo1")->setPlainText(QStringLiteral("ligne 1\nligne 2"));
        click(d, "Button8");
        return d.result();
    });
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("Tmeta"));
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(wizard.run(tecran));
    EXPECT_EQ(wizard.direction(), Tfichier_frame::Columns);

    ASSERT_EQ(tecran.editors().size(), 1);
    Tedition &page = *tecran.editors().constFirst();
    EXPECT_EQ(page.windowTitle(), QStringLiteral("(defaut).htm"));
    EXPECT_TRUE(page.fileName().isEmpty());
    EXPECT_TRUE(page.control().isModified());
    const QStringList lines = documentLines(page);
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines.at(7), QStringLiteral("<TITLE>Mon site</TITLE>"));
    EXPECT_EQ(lines.mid(12), (QStringList{
                                 "<FRAMESET cols=\"20%,*\">",
                                 " ",
                                 "<FRAME SRC=\"menu.htm\">",
                                 "<FRAME SRC=\"nav/page.htm\" NORESIZE>",
                                 " ",
                                 "</FRAMESET>",
                                 " ",
                                 "<NOFRAMES>",
                                 "ligne 1",
                                 "ligne 2",
                                 "</NOFRAMES>",
                                 "</HTML>",
                             }));

    // Opened again: the answers stay, the file pages are hidden, the message is reset; a
    // cancelled meta tags dialog makes no window.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(pages(d), QStringLiteral("1001 page1"));
        EXPECT_EQ(edit(d, "Edit1")->text(), QStringLiteral("Mon site"));
        EXPECT_EQ(edit(d, "Edit4")->text(), QStringLiteral("/site/menu.htm"));
        EXPECT_EQ(child<QPlainTextEdit>(d, "Memo1")->toPlainText(), texteDialogue(2811));
        child<QTabWidget>(d, "PageControl1")->setCurrentIndex(3);
        click(d, "Button8");
        return d.result();
    });
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    EXPECT_TRUE(wizard.run(tecran));
    EXPECT_EQ(tecran.editors().size(), 1);

    answers.dialogs.push_back([](QDialog &d) {
        click(d, "Button9");
        return d.result();
    });
    EXPECT_FALSE(wizard.run(tecran));
    EXPECT_EQ(tecran.editors().size(), 1);
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(FramesWizard, FinishingBeforeAnyDirectionWritesBothFrames)
{
    Tfichier_frame wizard;
    answers.dialogs.push_back([](QDialog &d) {
        child<QToolButton>(d, "SpeedButton1")->click(); // rows
        edit(d, "Edit2")->setText(QStringLiteral("haut.htm"));
        edit(d, "Edit3")->setText(QString());
        child<QCheckBox>(d, "CheckBox1")->setChecked(true);
        child<QTabWidget>(d, "PageControl1")->setCurrentIndex(3);
        click(d, "Button8");
        return d.result();
    });
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Accepted); });
    EXPECT_TRUE(wizard.run(tecran));
    EXPECT_EQ(wizard.direction(), Tfichier_frame::NoDirection);
    ASSERT_EQ(tecran.editors().size(), 1);
    const QStringList lines = documentLines(*tecran.editors().constFirst());
    ASSERT_GE(lines.size(), 16);
    EXPECT_EQ(lines.mid(12, 4),
              (QStringList{"<FRAMESET rows=\"20%,*\" BORDER=\"1\">", " ",
                           "<FRAME SRC=\"haut.htm\">", "<FRAME SRC=\"\" NORESIZE>"}));
}

} // namespace
