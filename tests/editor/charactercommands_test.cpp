#include "app/appstate.h"
#include "editor/charactercommands.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

// The scripted answers, with an action run while the information box is up: what happens
// to the work file between the encoding pass and the reload.
class WhileInformed final : public Modals
{
public:
    explicit WhileInformed(ScriptedModals &inner) : m_inner(inner) {}
    std::function<void()> duringInformation;

    QMessageBox::StandardButton message(QWidget *parent, MessageKind kind, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        if (kind == MessageKind::Information && duringInformation)
            duringInformation();
        return m_inner.message(parent, kind, title, text, buttons);
    }
    int execDialog(QDialog &dialog) override { return m_inner.execDialog(dialog); }
    std::optional<QString> inputText(QWidget *parent, const QString &title, const QString &label,
                                     const QString &initial) override
    {
        return m_inner.inputText(parent, title, label, initial);
    }
    QString openFileName(QWidget *parent, FileRequest &request) override
    {
        return m_inner.openFileName(parent, request);
    }
    QString saveFileName(QWidget *parent, FileRequest &request) override
    {
        return m_inner.saveFileName(parent, request);
    }
    QString directoryName(QWidget *parent, const QString &caption,
                          const QString &directory) override
    {
        return m_inner.directoryName(parent, caption, directory);
    }
    std::optional<QColor> color(QWidget *parent, const QColor &initial) override
    {
        return m_inner.color(parent, initial);
    }
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override
    {
        return m_inner.font(parent, initial);
    }
    bool printDialog(QWidget *parent, QPrinter &printer) override
    {
        return m_inner.printDialog(parent, printer);
    }
    bool openUrl(const QUrl &url) override { return m_inner.openUrl(url); }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return m_inner.startProgram(program, arguments);
    }

private:
    ScriptedModals &m_inner;
};

// Sends one key press (no release) carrying `text`, as the keyboard does for a character.
void pressKey(QWidget *widget, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

// Types each character with a key press and a key release; unlike QTest's key clicks it
// accepts any character.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        pressKey(widget, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &release);
    }
}

class CharacterCommands : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    WhileInformed intercept{answers};
    ScopedModals scoped{intercept};
    FakeHost host;
    int savedFlag = appState().autoTransform;

    ~CharacterCommands() override { appState().autoTransform = savedFlag; }

    std::unique_ptr<Tedition> window(const QString &text = QString())
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->control().setText(text);
        editor->control().setModified(false);
        editor->resize(400, 300);
        editor->show();
        return editor;
    }

    // Opens a file written with exactly these bytes.
    std::unique_ptr<Tedition> openBytes(const QByteArray &bytes)
    {
        dir.writeBytes("page.htm", bytes);
        auto editor = std::make_unique<Tedition>(&host);
        editor->openFile(dir.file("page.htm"));
        editor->show();
        return editor;
    }

    QString workFile() const { return dir.file("remplace.sav"); }
    bool workFileLeft() const
    {
        const QFileInfo info(workFile());
        return info.exists() || info.isSymLink();
    }
};

TEST_F(CharacterCommands, TypedCharactersFollowTheFlag)
{
    const struct {
        int flag;
        const char *typed;
        const char *text;
    } rows[] = {
        {1, "é", "&#233;"}, {1, "É", "É"}, {1, "|", "&#166;"}, {1, "aàb", "a&#224;b"},
        {0, "é", "é"},      {0, "|", "|"}, {2, "é", "é"}, // on only when it equals 1
    };
    for (const auto &row : rows) {
        appState().autoTransform = row.flag;
        auto editor = window();
        typeText(editor->memo1(), QString::fromUtf8(row.typed));
        const QString expected = QString::fromUtf8(row.text);
        EXPECT_EQ(editor->control().text(), expected) << row.typed << " flag " << row.flag;
        EXPECT_EQ(editor->control().selStart(), expected.size()) << "caret after what was typed";
    }
}

TEST_F(CharacterCommands, TypedCharacterReplacesTheSelectionAndRefreshesTheStatus)
{
    appState().autoTransform = 1;
    auto editor = window("ligne\r\nabcdef");
    editor->control().setSelection(8, 3); // "bcd"
    pressKey(editor->memo1(), QStringLiteral("à"));
    EXPECT_EQ(editor->control().text(), "ligne\r\na&#224;ef");
    EXPECT_EQ(editor->control().selStart(), 14);
    EXPECT_EQ(editor->control().selLength(), 0);
    // Only the key press was sent: the panels show the text after the conversion.
    EXPECT_EQ(host.panels[4],
              QString::number(editor->control().textLength()) + " " + texteMenu1(603));
    EXPECT_EQ(host.panels[1], texteMenu1(601) + " : 2 - " + texteMenu1(602) + " : 8");

    editor->control().undo();
    EXPECT_EQ(editor->control().text(), "ligne\r\nabcdef") << "one undo step";
}

TEST_F(CharacterCommands, MenuItemInsertsItsReferenceWhateverTheFlag)
{
    appState().autoTransform = 0;
    auto editor = window("ab");
    editor->control().setSelection(1, 0);
    editor->runCommand("N10");
    EXPECT_EQ(editor->control().text(), "a&#233;b");
    EXPECT_EQ(editor->control().selStart(), 7);
}

TEST_F(CharacterCommands, TogglingChangesTheFlagForAllButOnlyItsOwnMark)
{
    appState().autoTransform = 1;
    auto first = window();
    auto second = window();
    QLineEdit search;
    installAutoTransform(search);
    first->setAutoTransformChecked(true);
    second->setAutoTransformChecked(true);

    first->runCommand("Transformationautomatique1");
    EXPECT_EQ(appState().autoTransform, 0);
    EXPECT_FALSE(first->command("Transformationautomatique1")->isChecked());
    EXPECT_TRUE(second->command("Transformationautomatique1")->isChecked())
        << "other windows keep their marks";
    typeText(second->memo1(), "é");
    typeText(&search, "é");
    EXPECT_EQ(second->control().text(), "é") << "the flag, not the mark, decides";
    EXPECT_EQ(search.text(), "é");

    first->runCommand("Transformationautomatique1");
    EXPECT_EQ(appState().autoTransform, 1);
    EXPECT_TRUE(first->command("Transformationautomatique1")->isChecked());
    typeText(second->memo1(), "é");
    typeText(&search, "é");
    EXPECT_EQ(second->control().text(), "é&#233;");
    EXPECT_EQ(search.text(), "é&#233;");
}

TEST_F(CharacterCommands, OneLineFieldHookReplacesItsSelectionAndSeesInputMethodCommits)
{
    appState().autoTransform = 1;
    QLineEdit field;
    installAutoTransform(field);
    field.setText("abcd");
    field.setSelection(1, 2);
    typeText(&field, "ü");
    EXPECT_EQ(field.text(), "a&#252;d");
    EXPECT_EQ(field.cursorPosition(), 7);

    QInputMethodEvent accent(QString(), {});
    accent.setCommitString(QStringLiteral("ç"));
    QCoreApplication::sendEvent(&field, &accent);
    QInputMethodEvent plain(QString(), {});
    plain.setCommitString(QStringLiteral("É"));
    QCoreApplication::sendEvent(&field, &plain);
    EXPECT_EQ(field.text(), "a&#252;&#231;Éd");
}

// Every character item of the menu, in menu order, with its caption and the code of the
// reference it inserts.
struct ItemRow {
    const char *submenu;
    const char *name;
    const char *caption;
    int code;
};

// clang-format off
const ItemRow kItemRows[] = {
    {"a1", "N18", "à", 224}, {"a1", "N19", "á", 225}, {"a1", "N20", "ä", 228},
    {"a1", "N21", "â", 226}, {"a1", "N22", "æ", 230}, {"a1", "N23", "å", 229},
    {"a1", "N24", "ã", 227}, {"a1", "N25", "À", 192}, {"a1", "N26", "Á", 193},
    {"a1", "N27", "Ä", 196}, {"a1", "N28", "Â", 194}, {"a1", "N29", "Æ", 198},
    {"a1", "N30", "Å", 197}, {"a1", "N31", "Ã", 195}, {"e1", "N10", "é", 233},
    {"e1", "N11", "è", 232}, {"e1", "N12", "ë", 235}, {"e1", "N13", "ê", 234},
    {"e1", "N15", "É", 201}, {"e1", "N16", "È", 200}, {"e1", "N14", "Ë", 203},
    {"e1", "N17", "Ê", 202}, {"i1", "N32", "í", 237}, {"i1", "N33", "ì", 236},
    {"i1", "N34", "ï", 239}, {"i1", "N35", "î", 238}, {"i1", "N36", "Í", 205},
    {"i1", "N37", "Ì", 204}, {"i1", "N38", "Ï", 207}, {"i1", "N39", "Î", 206},
    {"o1", "N40", "ó", 243}, {"o1", "N41", "ò", 242}, {"o1", "N42", "ö", 246},
    {"o1", "N43", "ô", 244}, {"o1", "N44", "õ", 245}, {"o1", "oe1", "oe", 156},
    {"o1", "N45", "Ó", 211}, {"o1", "N46", "Ò", 210}, {"o1", "N47", "Ö", 214},
    {"o1", "N48", "Ô", 212}, {"o1", "N49", "Õ", 213}, {"o1", "OE2", "OE", 140},
    {"u1", "N50", "ú", 250}, {"u1", "N51", "ù", 249}, {"u1", "N52", "ü", 252},
    {"u1", "N53", "û", 251}, {"u1", "N54", "Ú", 218}, {"u1", "N55", "Ù", 217},
    {"u1", "N56", "Ü", 220}, {"u1", "N57", "Û", 219}, {"c1", "N58", "ç", 231},
    {"c1", "N60", "¢", 162}, {"c1", "N59", "Ç", 199}, {"n9", "N61", "ñ", 241},
    {"n9", "N62", "Ñ", 209}, {"y1", "N63", "ý", 253}, {"y1", "N64", "ÿ", 255},
    {"y1", "N65", "Ý", 221}, {"Autre1", "N66", "<", 60}, {"Autre1", "N67", ">", 62},
    {"Autre1", "Euro1", "Euro (€)", 128}, {"Autre1", "N68", "~", 152}, {"Autre1", "N69", "¡", 161},
    {"Autre1", "N70", "f", 131}, {"Autre1", "N71", "ß", 223}, {"Autre1", "N72", "«", 171},
    {"Autre1", "N73", "»", 187}, {"Autre1", "N74", "£", 163}, {"Autre1", "N75", "¥", 165},
    {"Autre1", "N76", "§", 167}, {"Autre1", "N77", "Þ", 222}, {"Autre1", "N78", "¿", 191},
    {"Autre1", "N79", "·", 183}, {"Autre1", "N80", "¶", 182}, {"Autre1", "N81", "¯", 175},
    {"Autre1", "N82", "©", 169}, {"Autre1", "N83", "®", 174}, {"Autre1", "N84", "¬", 172},
    {"Autre1", "N85", "¨", 168}, {"Autre1", "N86", "¦", 166}, {"Autre1", "N87", "¤", 164},
    {"Autre1", "N105", "&&", 38}, {"Autre1", "N106", "\"", 34}, {"Autre1", "N107", "#", 35},
    {"Math1", "N88", "¼", 188}, {"Math1", "N89", "½", 189}, {"Math1", "N90", "¾", 190},
    {"Math1", "N91", "±", 177}, {"Math1", "N92", "×", 215}, {"Math1", "N93", "÷", 247},
    {"Math1", "N94", "°", 176}, {"Math1", "N95", "¹", 185}, {"Math1", "N96", "²", 178},
    {"Math1", "N97", "³", 179}, {"Math1", "N98", "µ", 181}, {"Math1", "N99", "\u00AD", 173},
    {"Math1", "N100", "Ø", 216}, {"Math1", "N101", "ø", 248},
};
// clang-format on

TEST_F(CharacterCommands, EveryItemInMenuOrderKeepsItsCaptionAndInsertsItsReference)
{
    auto editor = window();
    QStringList expectedNames;
    QStringList actualNames;
    QString submenu;
    for (const ItemRow &row : kItemRows) {
        if (submenu != row.submenu) {
            submenu = QString::fromLatin1(row.submenu);
            QAction *holder = editor->command(submenu);
            ASSERT_TRUE(holder && holder->menu()) << row.submenu;
            for (const QAction *item : holder->menu()->actions())
                actualNames.append(item->objectName());
        }
        expectedNames.append(QString::fromLatin1(row.name));

        QAction *item = editor->command(QString::fromLatin1(row.name));
        ASSERT_NE(item, nullptr) << row.name;
        EXPECT_EQ(item->text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_TRUE(item->isEnabled()) << row.name;

        editor->control().setText("[xyz]");
        editor->control().setSelection(1, 3);
        editor->runCommand(QString::fromLatin1(row.name));
        const QString inserted = "&#" + QString::number(row.code) + ";";
        EXPECT_EQ(editor->control().text(), "[" + inserted + "]") << row.name;
        EXPECT_EQ(editor->control().selStart(), 1 + inserted.size()) << row.name;
        EXPECT_EQ(editor->control().selLength(), 0) << row.name;
    }
    EXPECT_EQ(actualNames, expectedNames);
}

TEST_F(CharacterCommands, EncodeAllRewritesTheDocumentInOneUndoStep)
{
    const struct {
        QByteArray file;
        const char *before; // the document as loaded
        const char *after;
        QByteArray workFile; // remplace.sav while the message is shown
    } rows[] = {
        // Windows-1252 file: "Noël à 5 € | § ð"
        {"No\xEBl \xE0 5 \x80 | \xA7 \xF0", "Noël à 5 € | § ð", "No&#235;l &#224; 5 € &#166; § ð",
         "No&#235;l &#224; 5 \x80 &#166; \xA7 \xF0\r\n"},
        // The same line in a UTF-8 file gives the same references.
        {"No\xC3\xABl \xC3\xA0 5 \xE2\x82\xAC | \xC2\xA7 \xC3\xB0", "Noël à 5 € | § ð",
         "No&#235;l &#224; 5 € &#166; § ð", "No&#235;l &#224; 5 \x80 &#166; \xA7 \xF0\r\n"},
        {"\xDE\r\n\r\n\xFE\xB6\r\n", "Þ\r\n\r\nþ¶\r\n", "&#222;\r\n\r\n&#254;&#182;\r\n",
         "&#222;\r\n\r\n&#254;&#182;\r\n\r\n"},
        {"<P>\r\nd\xE9j\xE0\r\nfin</P>", "<P>\r\ndéjà\r\nfin</P>",
         "<P>\r\nd&#233;j&#224;\r\nfin</P>", "<P>\r\nd&#233;j&#224;\r\nfin</P>\r\n"},
        // Lines ended by a lone LF or CR: every line of the work file ends in CR LF.
        {"a\n\xE9\r|\r\n", "a\r\né\r\n|\r\n", "a\r\n&#233;\r\n&#166;\r\n",
         "a\r\n&#233;\r\n&#166;\r\n\r\n"},
        // A paragraph separator inside a changed line stays a character of that line.
        {"\xC3\xA9\xE2\x80\xA9\xC3\xA8\r\nz", "é\u2029è\r\nz", "&#233;\u2029&#232;\r\nz",
         "&#233;\xE2\x80\xA9&#232;\r\nz\r\n"},
        // A changed line after one that goes through the control, then a run of changed
        // lines ending on the last line.
        {"\xC3\xA9\xE2\x80\xA9\r\n\xC3\xA0\r\nx\r\n\xC3\xA8|\r\n\xC2\xA7\xC3\xA7",
         "é\u2029\r\nà\r\nx\r\nè|\r\n§ç", "&#233;\u2029\r\n&#224;\r\nx\r\n&#232;&#166;\r\n§&#231;",
         "&#233;\xE2\x80\xA9\r\n&#224;\r\nx\r\n&#232;&#166;\r\n\xC2\xA7&#231;\r\n"},
        // Characters beyond the code page stay, and reach the work file intact in UTF-8.
        {"fl\xC3\xA8"
         "che \xE2\x86\x92 \xCE\xB1 \xC5\x93 \xF0\x9F\x98\x80",
         "flèche → α œ 😀", "fl&#232;che → α œ 😀",
         "fl&#232;che \xE2\x86\x92 \xCE\xB1 \xC5\x93 \xF0\x9F\x98\x80\r\n"},
    };
    for (const auto &row : rows) {
        auto editor = openBytes(row.file);
        ASSERT_EQ(editor->control().text(), QString::fromUtf8(row.before));
        editor->control().setSelection(3, 2);
        answers.messages.clear();
        QCursor during;
        QByteArray written;
        intercept.duringInformation = [&] {
            during = editor->memo1()->viewport()->cursor();
            written = dir.readBytes("remplace.sav");
        };
        editor->runCommand("Coderlescaractresspciaux1");

        EXPECT_EQ(editor->control().text(), QString::fromUtf8(row.after));
        EXPECT_EQ(written, row.workFile);
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Information);
        EXPECT_EQ(answers.messages[0].text, texteDialogue(4));
        EXPECT_EQ(during.shape(), Qt::WaitCursor);
        EXPECT_EQ(editor->memo1()->viewport()->cursor().shape(), Qt::IBeamCursor);
        EXPECT_FALSE(workFileLeft());
        EXPECT_TRUE(editor->control().isModified());
        EXPECT_TRUE(host.saveButton);
        EXPECT_EQ(editor->control().selStart(), 0);

        editor->control().undo();
        EXPECT_EQ(editor->control().text(), QString::fromUtf8(row.before)) << "one undo step";
        editor->memo1()->redo();
        EXPECT_EQ(editor->control().text(), QString::fromUtf8(row.after)) << "one redo step";
    }
}

TEST_F(CharacterCommands, DocumentChangedWhileTheMessageIsUpTakesTheWorkFile)
{
    auto editor = window("é\r\nà");
    intercept.duringInformation = [&] { editor->control().insertLine(0, "ajout"); };
    editor->runCommand("Coderlescaractresspciaux1");
    EXPECT_EQ(editor->control().text(), "&#233;\r\n&#224;");
    editor->control().undo();
    EXPECT_EQ(editor->control().text(), "ajout\r\né\r\nà");
}

TEST_F(CharacterCommands, NothingToEncodeShowsTheMessageAndLeavesTheDocument)
{
    // Empty, already encoded, and only characters that the encoding keeps.
    for (const char *text :
         {"", "&#233;t&#233; &#166; d&#224;", "\xE2\x82\xAC \xC2\xA2 \xC3\xB0\r\n"}) {
        const QString before = QString::fromUtf8(text);
        auto editor = window(before);
        editor->control().setSelection(2, 1);
        answers.messages.clear();
        editor->runCommand("Coderlescaractresspciaux1");
        EXPECT_EQ(editor->control().text(), before);
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Information);
        EXPECT_FALSE(editor->control().isModified());
        EXPECT_EQ(editor->control().selStart(), std::min(2, int(before.size())));
        EXPECT_FALSE(workFileLeft());
    }
}

TEST_F(CharacterCommands, AnEarlierWorkFileIsReplaced)
{
    dir.writeBytes("remplace.sav", "reste d'un essai\r\nbien plus long que le document\r\n");
    auto editor = window("é");
    editor->runCommand("Coderlescaractresspciaux1");
    EXPECT_EQ(editor->control().text(), "&#233;");
    EXPECT_FALSE(workFileLeft());
}

// Each way the round trip can fail leaves the document as it was, says why, and removes the
// work file.
TEST_F(CharacterCommands, FailedRoundTripLeavesTheDocumentAndNoWorkFile)
{
    const struct {
        const char *name;
        std::function<void(const QString &)> before;
        std::function<void(const QString &)> duringInformation;
        int informations;
    } rows[] = {
        {"cannot create",
         [](const QString &file) { QFile::link("/nonexistent/dir/remplace.sav", file); },
         {},
         0},
        {"cannot write", [](const QString &file) { QFile::link("/dev/full", file); }, {}, 0},
        {"removed before the reload", {}, [](const QString &file) { QFile::remove(file); }, 1},
        {"changed before the reload",
         {},
         [](const QString &file) {
             QFile changed(file);
             ASSERT_TRUE(changed.open(QIODevice::Append));
             changed.write("ajout\r\n");
         },
         1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto editor = window("ligne é\r\nà |");
        editor->control().setModified(false);
        editor->control().setSelection(4, 3);
        if (row.before)
            row.before(workFile());
        intercept.duringInformation = [&] {
            if (row.duringInformation)
                row.duringInformation(workFile());
        };
        answers.messages.clear();
        editor->runCommand("Coderlescaractresspciaux1");

        EXPECT_EQ(editor->control().text(), "ligne é\r\nà |");
        EXPECT_FALSE(editor->control().isModified());
        EXPECT_EQ(editor->control().selStart(), 4);
        EXPECT_EQ(editor->control().selLength(), 3);
        ASSERT_EQ(answers.messages.size(), size_t(row.informations) + 1);
        const auto &error = answers.messages.back();
        EXPECT_EQ(error.kind, Modals::MessageKind::Error);
        EXPECT_TRUE(error.text.contains("remplace.sav")) << error.text.toStdString();
        EXPECT_TRUE(error.text.contains(QStringLiteral("Le document n'a pas été modifié")));
        EXPECT_EQ(editor->memo1()->viewport()->cursor().shape(), Qt::IBeamCursor);
        EXPECT_FALSE(workFileLeft());
    }
}

} // namespace
