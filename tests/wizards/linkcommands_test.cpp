#include "app/appstate.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "platform/filechooser.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "wizards/tchoixfichier.h"
#include "wizards/tlien.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{

template <typename W> W *child(QDialog &dialog, const char *name)
{
    W *widget = dialog.findChild<W *>(QString::fromLatin1(name));
    if (!widget)
        ADD_FAILURE() << "no control " << name << " in " << dialog.objectName().toStdString();
    return widget;
}

void setText(QDialog &dialog, const char *name, const QString &text)
{
    if (auto *edit = child<QLineEdit>(dialog, name))
        edit->setText(text);
}

void setListText(QDialog &dialog, const char *name, const QString &text)
{
    if (auto *list = child<QComboBox>(dialog, name))
        list->setEditText(text);
}

QString text(QDialog &dialog, const char *name)
{
    auto *edit = child<QLineEdit>(dialog, name);
    return edit ? edit->text() : QString();
}

void click(QDialog &dialog, const char *name)
{
    if (auto *button = child<QPushButton>(dialog, name))
        button->click();
}

class LinkCommands : public testing::Test
{
protected:
    LinkCommands()
    {
        appState().projectOpen = false;
        appState().projectDirectoryFlag = true;
        startupSettings().normeecriture = 0;
    }
    ~LinkCommands() override
    {
        appState() = AppState();
        startupSettings().normeecriture = 0;
    }

    // A window on "ab|" whose document is `path` (which need not exist).
    std::unique_ptr<Tedition> window(const QString &path = QString())
    {
        auto editor = std::make_unique<Tedition>(&host);
        if (!path.isEmpty())
            editor->openFile(path);
        editor->control().setText(QStringLiteral("ab"));
        editor->control().setSelection(2, 0);
        return editor;
    }

    // The document with "|" at the caret.
    static QString shown(Tedition &editor)
    {
        QString text = editor.control().text();
        text.insert(editor.control().selStart(), QLatin1Char('|'));
        return text;
    }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

TEST_F(LinkCommands, SiteLinkKeepsItsFieldsAndCopiesTheScheme)
{
    auto editor = window();
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(800));
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("http://"));
        EXPECT_EQ(text(d, "Edit2"), QStringLiteral("Texte"));
        setText(d, "Edit1", QStringLiteral("http://exemple.org/"));
        // Choosing a scheme restarts the address with it.
        child<QComboBox>(d, "ComboBox1")->setCurrentIndex(1);
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("ftp://"));
        setText(d, "Edit1", QStringLiteral("page2.htm"));
        setText(d, "Edit2", QStringLiteral("Suite"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Site1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("ab<A HREF=\"page2.htm\">|Suite</A>"));

    // The dialog kept its fields; a target now.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("page2.htm"));
        setListText(d, "target", QStringLiteral("_blank"));
        return int(QDialog::Accepted);
    });
    editor->control().setSelection(0, 0);
    editor->runCommand(QStringLiteral("Site1"));
    EXPECT_EQ(editor->control().selStart(), 36);

    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    const QString before = editor->control().text();
    editor->runCommand(QStringLiteral("Site1"));
    EXPECT_EQ(editor->control().text(), before);
    EXPECT_TRUE(answers.allAnswersUsed());
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(LinkCommands, FileLinkWithAProjectOpen)
{
    AppState &state = appState();
    state.projectOpen = true;
    state.projectDirectory = QStringLiteral("/site");
    auto editor = window(QStringLiteral("/site/pages/index.htm"));

    // First link after start-up: the file dialog opens in the project directory.
    answers.openAnswers.push_back(QStringLiteral("/site/img/logo.gif"));
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(child<QLabel>(d, "Label2")->text(), QStringLiteral("/site"));
        click(d, "Button1");
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("logo.gif"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Fichier2"));
    EXPECT_EQ(shown(*editor), QStringLiteral("ab<A HREF=\"../img/logo.gif\">|</A>"));
    ASSERT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_EQ(answers.fileRequests[0].directory, QStringLiteral("/site"));
    EXPECT_FALSE(state.projectDirectoryFlag);

    // Upper case: the prefix and the dialog's field change, even when it is cancelled.
    startupSettings().normeecriture = 2;
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    const QString before = editor->control().text();
    editor->runCommand(QStringLiteral("Fichier2"));
    EXPECT_EQ(editor->control().text(), before);
    EXPECT_EQ(Tchoixfichier::instance().fileName(), QStringLiteral("LOGO.GIF"));

    // Second browse: the dialog opens where the last one was left, with a target.
    editor->control().setText(QString());
    answers.openAnswers.push_back(QStringLiteral("/site/img/logo.gif"));
    answers.dialogs.push_back([](QDialog &d) {
        click(d, "Button1");
        setListText(d, "ComboBox1", QStringLiteral("_top"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Fichier2"));
    EXPECT_EQ(shown(*editor), QStringLiteral("<A HREF=\"../IMG/LOGO.GIF\" TARGET=\"_top\">|</A>"));
    ASSERT_EQ(answers.fileRequests.size(), 2u);
    EXPECT_EQ(answers.fileRequests[1].directory, QStringLiteral("/site/img"));

    // A project opened again: the next link starts in its directory once more.
    state.projectDirectory = QStringLiteral("/autre");
    state.projectDirectoryFlag = true;
    answers.openAnswers.push_back(QString()); // the file dialog is cancelled
    answers.dialogs.push_back([](QDialog &d) {
        click(d, "Button1");
        return int(QDialog::Rejected);
    });
    editor->runCommand(QStringLiteral("Fichier2"));
    ASSERT_EQ(answers.fileRequests.size(), 3u);
    EXPECT_EQ(answers.fileRequests[2].directory, QStringLiteral("/autre"));
    EXPECT_FALSE(state.projectDirectoryFlag);
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(LinkCommands, FileLinkWithoutAProjectIsTheBareName)
{
    auto editor = window(QStringLiteral("/site/pages/index.htm"));
    answers.openAnswers.push_back(QStringLiteral("/ailleurs/images/Logo.gif"));
    answers.dialogs.push_back([](QDialog &d) {
        click(d, "Button1");
        setListText(d, "ComboBox1", QStringLiteral("aucun"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Fichier2"));
    EXPECT_EQ(shown(*editor), QStringLiteral("ab<A HREF=\"Logo.gif\">|</A>"));
    // Without a project the flag stays for the first link made with one.
    EXPECT_TRUE(appState().projectDirectoryFlag);
}

TEST_F(LinkCommands, MailLinks)
{
    auto editor = window();
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(600));
        setText(d, "Edit1", QStringLiteral("a"));
        setText(d, "Edit2", QStringLiteral("b"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Email1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("ab<A HREF=\"mailto:a?subject=b\">|</A>"));

    // A fresh dialog each time: both fields start empty.
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(text(d, "Edit1"), QString());
        EXPECT_EQ(text(d, "Edit2"), QString());
        setText(d, "Edit1", QStringLiteral("moi@ici.fr"));
        return int(QDialog::Accepted);
    });
    editor->control().setSelection(0, 2); // "ab" is replaced
    editor->runCommand(QStringLiteral("Email1"));
    EXPECT_TRUE(shown(*editor).startsWith(QStringLiteral("<A HREF=\"mailto:moi@ici.fr\">|</A><A")));
}

TEST_F(LinkCommands, DefaultMailIsReadAtEachUse)
{
    auto editor = window();
    ecrireparametre(QStringLiteral("moi@ici.fr"), QStringLiteral("mailpardefaut"), settingsFile());
    ASSERT_EQ(lireparametre(QStringLiteral("mailpardefaut"), settingsFile()),
              QStringLiteral("moi@ici.fr"));
    editor->runCommand(QStringLiteral("Emailpardfaut1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("abmoi@ici.fr|"));

    // Without the key the command writes the store's "undefined" text.
    QByteArray settings = dir.readBytes(QStringLiteral("brindel.sav"));
    settings.replace("[mailpardefaut]=moi@ici.fr\r\n", "");
    dir.writeBytes(QStringLiteral("brindel.sav"), settings);
    editor->runCommand(QStringLiteral("Emailpardfaut1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("abmoi@ici.frindéfini|"));
}

TEST_F(LinkCommands, FramesetCommand)
{
    auto editor = window();
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(1200));
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButton1")->isChecked());
        EXPECT_EQ(child<QComboBox>(d, "frame")->currentText(), QStringLiteral("20%"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Frameset1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("ab<FRAMESET COLS=\"20%,*\">|</FRAMESET>"));

    answers.dialogs.push_back([](QDialog &d) {
        child<QRadioButton>(d, "RadioButton2")->setChecked(true);
        child<QComboBox>(d, "frame")->setCurrentIndex(0);
        return int(QDialog::Accepted);
    });
    editor->control().setText(QString());
    editor->runCommand(QStringLiteral("Frameset1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("<FRAMESET ROWS=\"aucune,*\">|</FRAMESET>"));

    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    editor->runCommand(QStringLiteral("Frameset1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("<FRAMESET ROWS=\"aucune,*\"></FRAMESET>"));
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(LinkCommands, FrameCommandListsHtmlFilesOfTheBrowserDirectory)
{
    QTemporaryDir site;
    for (const char *name : {"a.htm", "B.HTML", "d.Htm", "notes.txt", "page.xhtml"})
        QFile(site.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    appState().projectDirectory = site.path();
    auto editor = window();
    answers.dialogs.push_back([&](QDialog &d) {
        auto *chooser = d.findChild<FileChooser *>();
        EXPECT_EQ(chooser->directory(), site.path());
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("*.htm"));
        EXPECT_EQ(text(d, "Edit2"), QStringLiteral("Frame"));
        // The HTML filter takes both extensions in any case.
        EXPECT_EQ(chooser->fileNames(), (QStringList{"a.htm", "B.HTML", "d.Htm"}));
        chooser->filterList()->setCurrentIndex(1);
        Q_EMIT chooser->filterList()->activated(1);
        EXPECT_EQ(chooser->fileNames().size(), 5);
        // A chosen file puts its bare name into the field.
        EXPECT_TRUE(chooser->selectFile(QStringLiteral("B.HTML")));
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("B.HTML"));
        setText(d, "Edit2", QStringLiteral("haut"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Frame2"));
    EXPECT_EQ(shown(*editor), QStringLiteral("ab<FRAME SRC=\"B.HTML\" NAME=\"haut\">|"));

    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    editor->runCommand(QStringLiteral("Frame2"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("ab<FRAME SRC=\"B.HTML\" NAME=\"haut\">"));
    EXPECT_EQ(answers.unscripted, 0);
}

TEST(LinkTypeDialog, EachChoiceEnablesItsField)
{
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    Tlien dialog;
    EXPECT_EQ(dialog.windowTitle(), texteDialogue(700));
    const auto enabled = [&] {
        QString states;
        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4", "Button1"})
            states += dialog.findChild<QWidget *>(QString::fromLatin1(name))->isEnabled()
                          ? QLatin1Char('1')
                          : QLatin1Char('0');
        return states;
    };
    EXPECT_EQ(enabled(), QStringLiteral("10000"));
    EXPECT_EQ(dialog.result().target, QString());

    const struct {
        const char *radio;
        const char *states;
        const char *target;
        bool isFile;
    } cases[] = {
        {"RadioButton2", "01000", "mailto:moi@ici.fr", false},
        {"RadioButton3", "00101", "/site/plan.htm", true},
        {"RadioButton4", "00010", "haut", false},
        {"RadioButton1", "10000", "http://a.org/", false},
    };
    setText(dialog, "Edit1", QStringLiteral("http://a.org/"));
    setText(dialog, "Edit2", QStringLiteral("moi@ici.fr"));
    setText(dialog, "Edit4", QStringLiteral("haut"));
    answers.openAnswers.push_back(QStringLiteral("/site/plan.htm"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.radio);
        child<QRadioButton>(dialog, c.radio)->setChecked(true);
        EXPECT_EQ(enabled(), QString::fromLatin1(c.states));
        if (QString::fromLatin1(c.radio) == u"RadioButton3") {
            click(dialog, "Button1");
            ASSERT_EQ(answers.fileRequests.size(), 1u);
            EXPECT_TRUE(answers.fileRequests[0].filter.contains(QStringLiteral("*.htm *.html")));
        }
        EXPECT_EQ(dialog.result().target, QString::fromUtf8(c.target));
        EXPECT_EQ(dialog.result().isFile, c.isFile);
    }
    // A disabled field keeps its text.
    EXPECT_EQ(text(dialog, "Edit3"), QStringLiteral("/site/plan.htm"));
}

} // namespace
