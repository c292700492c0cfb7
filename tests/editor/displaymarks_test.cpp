// The Format menu's marks for colouring and line numbers: read from the settings file when
// a window opens, switched for every window at once and saved.
#include "editor/tedition.h"
#include "platform/editortextedit.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class DisplayMarks : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;

    std::unique_ptr<Tedition> open()
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->openFile(dir.file(QStringLiteral("a.htm")));
        editor->show();
        return editor;
    }
    static EditorTextEdit &memo(const Tedition &editor)
    {
        return *static_cast<EditorTextEdit *>(editor.memo1());
    }
    QString get(const char *key) { return lireparametre(QString::fromLatin1(key), settingsFile()); }
};

TEST_F(DisplayMarks, SettingsGiveTheMarksAndTheView)
{
    struct Case {
        const char *coloration; // nullptr: the key is absent
        const char *numeros;
        bool colouring;
        bool numbers;
    };
    const Case cases[] = {
        {"1", "1", true, true},         {"0", "1", false, true}, {"1", "0", true, false},
        {nullptr, nullptr, true, true}, {"", "00", true, true},  {"0", "0", false, false},
    };
    for (const Case &c : cases) {
        QByteArray settings = "[astuce]=non\r\n";
        if (c.coloration)
            settings += QByteArray("[coloration]=") + c.coloration + "\r\n";
        if (c.numeros)
            settings += QByteArray("[numeros]=") + c.numeros + "\r\n";
        dir.writeBytes(QStringLiteral("brindel.sav"), settings);
        auto editor = open();
        SCOPED_TRACE(settings.toStdString());
        EXPECT_EQ(editor->command("Colorationsyntaxique1")->isChecked(), c.colouring);
        EXPECT_EQ(editor->command("Numrosdeligne1")->isChecked(), c.numbers);
        EXPECT_EQ(memo(*editor).colouring(), c.colouring);
        EXPECT_EQ(memo(*editor).lineNumbers(), c.numbers);
        EXPECT_EQ(memo(*editor).lineNumberArea()->isVisible(), c.numbers);
    }
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(DisplayMarks, CaptionsComeFromTheLanguageFile)
{
    auto editor = open();
    EXPECT_EQ(editor->command("Colorationsyntaxique1")->text(), texteMenu2(820));
    EXPECT_EQ(editor->command("Numrosdeligne1")->text(), texteMenu2(830));
    EXPECT_EQ(texteMenu2(830), QStringLiteral("&Numéros de ligne"));
    EXPECT_TRUE(editor->command("Colorationsyntaxique1")->isEnabled());
    EXPECT_TRUE(editor->command("Numrosdeligne1")->isEnabled());
}

TEST_F(DisplayMarks, SwitchingInOneWindowSwitchesEveryWindowAndIsSaved)
{
    auto first = open();
    auto second = open();
    struct Step {
        Tedition *window;
        const char *item;
        const char *key;
        const char *saved;
    };
    const Step steps[] = {
        {first.get(), "Colorationsyntaxique1", "coloration", "0"},
        {second.get(), "Numrosdeligne1", "numeros", "0"},
        {second.get(), "Colorationsyntaxique1", "coloration", "1"},
        {first.get(), "Numrosdeligne1", "numeros", "1"},
    };
    for (const Step &step : steps) {
        step.window->runCommand(step.item);
        const bool on = QByteArray(step.saved) == "1";
        EXPECT_EQ(get(step.key), step.saved) << step.item;
        for (Tedition *window : {first.get(), second.get()}) {
            EXPECT_EQ(window->command(step.item)->isChecked(), on) << step.item;
            const EditorTextEdit &edit = memo(*window);
            EXPECT_EQ(QByteArray(step.key) == "coloration" ? edit.colouring() : edit.lineNumbers(),
                      on)
                << step.item;
        }
    }
    EXPECT_TRUE(answers.messages.empty());
}

} // namespace
