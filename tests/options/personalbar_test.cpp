#include "app/tecran.h"
#include "editor/tedition.h"
#include "options/personalbar.h"
#include "options/personaltexts.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class PersonalBarTest : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};

    std::unique_ptr<Tecran> start()
    {
        // The tip of the day has its own tests.
        ecrireparametre(QStringLiteral("non"), QStringLiteral("astuce"),
                        dir.file(QStringLiteral("brindel.sav")));
        auto tecran = std::make_unique<Tecran>();
        tecran->show();
        QApplication::processEvents();
        return tecran;
    }
    QToolButton *button(Tecran &tecran, int n)
    {
        return tecran.findChild<QToolButton *>(QStringLiteral("SpeedButton%1").arg(n));
    }
    QWidget *strip(Tecran &tecran) { return tecran.findChild<QWidget *>("Panel1"); }
    QString get(const char *key) { return lireparametre(QString::fromLatin1(key), settingsFile()); }
    void set(const char *key, const QString &value)
    {
        ecrireparametre(value, QString::fromLatin1(key), settingsFile());
    }
    QString bitmap(const QString &name)
    {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::white);
        EXPECT_TRUE(image.save(dir.file(name), "BMP"));
        return dir.file(name);
    }
};

TEST_F(PersonalBarTest, StripHasItsButtonsInPlace)
{
    auto tecran = start();
    EXPECT_EQ(strip(*tecran)->height(), 38);
    for (int n = 1; n <= 19; ++n) {
        QToolButton *b = button(*tecran, n);
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->geometry(), QRect(8 + 32 * (n - 1), 8, 23, 22)) << n;
        EXPECT_EQ(b->text(), QString::number(n));
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(b->toolTip(), texteMenu1(500 + n).section('|', 0, 0));
    }
    QToolButton *options = button(*tecran, 20);
    EXPECT_EQ(options->geometry(), QRect(616, 8, 23, 22));
    EXPECT_TRUE(options->isEnabled());
    EXPECT_FALSE(options->icon().isNull());
    EXPECT_EQ(options->toolTip(), texteMenu1(520).section('|', 0, 0));
}

TEST_F(PersonalBarTest, ButtonsInsertTheStoredTextIntoTheActiveDocument)
{
    set("chaine3", "<BR>");
    set("chaine4", "<UL>\r\n<LI>");
    auto tecran = start();
    button(*tecran, 3)->click(); // no editor: nothing
    EXPECT_TRUE(answers.messages.empty());

    Tedition *editor = tecran->ouvredocument(dir.file("page.htm"));
    ASSERT_NE(editor, nullptr);
    editor->control().setText("xabcy");
    editor->control().setSelection(1, 3);
    button(*tecran, 3)->click();
    EXPECT_EQ(editor->control().text(), "x<BR>y");
    EXPECT_EQ(editor->control().selStart(), 5);
    EXPECT_EQ(editor->control().selLength(), 0);

    // The text is read at each click: a text validated in the dialog but not stored is not
    // what the button inserts.
    personalTexts().validate(4, "<P>");
    editor->runCommand("Bouton41");
    EXPECT_EQ(editor->control().text(), "x<BR><UL>\r\n<LI>y");
    EXPECT_EQ(editor->memo1()->document()->blockCount(), 2);
    editor->control().undo();
    EXPECT_EQ(editor->control().text(), "x<BR>y") << "one undo step";
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(PersonalBarTest, OptionsOpenFromTheStripAndTheEditorMenu)
{
    auto tecran = start();
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    button(*tecran, 20)->click();
    Tedition *editor = tecran->ouvredocument(dir.file("page.htm"));
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    editor->runCommand("Modification1");
    EXPECT_EQ(answers.dialogsShown, (std::vector<QString>{"Toptions", "Toptions"}));
    EXPECT_EQ(answers.unscripted, 0);

    for (int n = 1; n <= 19; ++n)
        EXPECT_TRUE(editor->command(QStringLiteral("Bouton%1").arg(n) + "1")->isEnabled()) << n;
    EXPECT_TRUE(editor->command("Visible1")->isEnabled());
    EXPECT_TRUE(editor->command("Modification1")->isEnabled());
}

TEST_F(PersonalBarTest, VisibleToggleFollowsTheClickedWindowsMark)
{
    set("barrevisible", "x");
    auto tecran = start();
    EXPECT_FALSE(strip(*tecran)->isVisible());
    Tedition *first = tecran->ouvredocument(dir.file("a.htm"));
    Tedition *second = tecran->ouvredocument(dir.file("b.htm"));
    QAction *mark = first->command("Visible1");
    EXPECT_TRUE(mark->isChecked()) << "checked unless \"0\"";

    first->runCommand("Visible1");
    EXPECT_EQ(get("barrevisible"), "0");
    EXPECT_FALSE(mark->isChecked());
    EXPECT_FALSE(strip(*tecran)->isVisible());
    EXPECT_TRUE(second->command("Visible1")->isChecked()) << "other windows keep their mark";

    first->runCommand("Visible1");
    EXPECT_EQ(get("barrevisible"), "1");
    EXPECT_TRUE(mark->isChecked());
    EXPECT_TRUE(strip(*tecran)->isVisible());

    second->runCommand("Visible1"); // its own mark was checked: hides
    EXPECT_EQ(get("barrevisible"), "0");
    EXPECT_FALSE(strip(*tecran)->isVisible());
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(PersonalBarTest, PicturesLoadAtCreationAndAtEachActivation)
{
    set("bouton1", bitmap("un.bmp"));
    set("bouton2", dir.file("absent.bmp"));
    set("bouton3", bitmap("trois.bmp"));
    auto tecran = start();
    EXPECT_EQ(button(*tecran, 1)->text(), "");
    EXPECT_FALSE(button(*tecran, 1)->icon().isNull());
    EXPECT_EQ(button(*tecran, 2)->text(), "2");
    EXPECT_TRUE(button(*tecran, 2)->icon().isNull());
    EXPECT_EQ(button(*tecran, 3)->text(), "");
    EXPECT_EQ(button(*tecran, 4)->text(), "4");

    // A picture chosen later shows when the main window is next activated; a removed one
    // stays until the next start.
    set("bouton4", bitmap("quatre.bmp"));
    set("bouton1", "");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(tecran.get(), &activate);
    EXPECT_EQ(button(*tecran, 4)->text(), "");
    EXPECT_FALSE(button(*tecran, 1)->icon().isNull());
    EXPECT_TRUE(answers.messages.empty());
}

} // namespace
