#include "options/optionsvalues.h"
#include "options/personaltexts.h"
#include "platform/memoryeditorcontrol.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/tempprogramdir.h"

#include <gtest/gtest.h>

namespace
{

// One stored value (kAbsent: the key has no line) and what every rule of the dialog's
// activation makes of it.
const char *const kAbsent = nullptr;

struct ValueCase {
    const char *value;
    bool purge;      // CheckBox2 from presse
    int viewer;      // viewer radio buttons from visuimage / visuhtml
    bool tip;        // CheckBox1 from astuce
    bool smart;      // RadioButton10 from indentation
    int caseRadio;   // RadioButton7..9 from normeecriture
    int caseSetting; // the process-wide file-name case
};

const ValueCase kValueCases[] = {
    {kAbsent, true, 3, true, true, 0, 0}, {"", true, 3, true, true, 0, 0},
    {"0", false, 3, true, true, 0, 0},    {"1", true, 1, true, false, 1, 1},
    {"2", true, 2, true, true, 2, 2},     {"3", true, 3, true, true, 2, 0},
    {"-1", true, 3, true, true, 2, 0},    {"x", true, 3, true, true, 0, 0},
    {"non", true, 3, false, true, 0, 0},  {"oui", true, 3, true, true, 0, 0},
    {" 1", true, 3, true, true, 1, 1},    {"NON", true, 3, true, true, 0, 0},
};

TEST(OptionsValues, EveryStoredValueShowsAsItsControlState)
{
    for (const ValueCase &c : kValueCases) {
        TempProgramDir dir;
        const QString file = settingsFile();
        const QStringList keys = {"presse", "visuimage",   "visuhtml",
                                  "astuce", "indentation", "normeecriture"};
        if (c.value) {
            for (const QString &key : keys)
                ecrireparametre(QString::fromUtf8(c.value), key, file);
        } else {
            // A file without these keys: every other line kept.
            QByteArray bytes = dir.readBytes("brindel.sav");
            for (const QString &key : keys) {
                const qsizetype at = bytes.indexOf("[" + key.toLatin1() + "]=");
                bytes.remove(at, bytes.indexOf("\r\n", at) + 2 - at);
            }
            dir.writeBytes("brindel.sav", bytes);
        }
        const OptionsControls shown = readOptions(file);
        const std::string label = c.value ? c.value : "(absent)";
        EXPECT_EQ(shown.purgeHistory, c.purge) << label;
        EXPECT_EQ(shown.imageViewer, c.viewer) << label;
        EXPECT_EQ(shown.htmlViewer, c.viewer) << label;
        EXPECT_EQ(shown.tipAtStart, c.tip) << label;
        EXPECT_EQ(shown.smartIndentation, c.smart) << label;
        EXPECT_EQ(shown.fileNameCase, c.caseRadio) << label;
        const QString stored = lireparametre("normeecriture", file);
        EXPECT_EQ(fileNameCaseSetting(stored), c.caseSetting) << label;
    }
}

TEST(OptionsValues, ActivationReadsPathsAndPicturesAsStored)
{
    TempProgramDir dir;
    const QString file = settingsFile();
    ecrireparametre("/opt/voir", "cheminvisuimage", file);
    ecrireparametre("/usr/bin/navigateur", "cheminvisuhtml", file);
    ecrireparametre("moi@ici.fr", "mailpardefaut", file);
    ecrireparametre("/l/a.mn1", "menu1", file);
    ecrireparametre("/l/b.mn2", "menu2", file);
    ecrireparametre("/l/c.dlg", "dialogue", file);
    ecrireparametre("/img/sept.bmp", "bouton7", file);
    const OptionsControls shown = readOptions(file);
    EXPECT_EQ(shown.imageViewerPath, "/opt/voir");
    EXPECT_EQ(shown.htmlViewerPath, "/usr/bin/navigateur");
    EXPECT_EQ(shown.defaultMail, "moi@ici.fr");
    EXPECT_EQ(shown.mainMenuFile, "/l/a.mn1");
    EXPECT_EQ(shown.editorMenuFile, "/l/b.mn2");
    EXPECT_EQ(shown.dialogFile, "/l/c.dlg");
    ASSERT_EQ(shown.pictures.size(), 19);
    EXPECT_EQ(shown.pictures[6], "/img/sept.bmp");
    EXPECT_EQ(shown.pictures[7], "");
}

TEST(OptionsValues, OkWritesItsTwentySevenKeysInOrder)
{
    TempProgramDir dir;
    const QString file = settingsFile();
    QStringList texts;
    for (int i = 1; i <= 19; ++i)
        texts << QStringLiteral("texte %1").arg(i);
    texts[4] = "deux\r\nlignes";
    OptionsControls controls;
    controls.imageViewer = 3;
    controls.htmlViewer = 2;
    controls.imageViewerPath = "/usr/bin/gimp-like";
    controls.htmlViewerPath = "";
    controls.defaultMail = "a@b.c";
    controls.tipAtStart = false;
    controls.fileNameCase = 2;
    controls.smartIndentation = false;

    const QList<SettingWrite> writes = okWrites(texts, controls);
    QStringList keys;
    for (const SettingWrite &w : writes)
        keys << w.key;
    QStringList expected;
    for (int i = 1; i <= 19; ++i)
        expected << QStringLiteral("chaine%1").arg(i);
    expected << "visuimage"
             << "visuhtml"
             << "cheminvisuimage"
             << "cheminvisuhtml"
             << "mailpardefaut"
             << "astuce"
             << "normeecriture"
             << "indentation";
    EXPECT_EQ(keys, expected);

    writeSettings(writes, file);
    EXPECT_EQ(lireparametre("chaine1", file), "texte 1");
    EXPECT_EQ(lireparametre("chaine5", file), "deux\r\nlignes") << "line breaks kept";
    EXPECT_EQ(lireparametre("chaine19", file), "texte 19");
    EXPECT_EQ(lireparametre("visuimage", file), "3");
    EXPECT_EQ(lireparametre("visuhtml", file), "2");
    EXPECT_EQ(lireparametre("cheminvisuimage", file), "/usr/bin/gimp-like");
    EXPECT_EQ(lireparametre("cheminvisuhtml", file), "");
    EXPECT_EQ(lireparametre("mailpardefaut", file), "a@b.c");
    EXPECT_EQ(lireparametre("astuce", file), "non");
    EXPECT_EQ(lireparametre("normeecriture", file), "2");
    EXPECT_EQ(lireparametre("indentation", file), "1");
    EXPECT_EQ(lireparametre("chaine6", file), "texte 6");
    // The rest of the file is untouched and still ends where it did.
    EXPECT_EQ(lireparametre("hr_longueur", file), "90%");

    // The other values of each choice, and no viewer key when no choice is checked.
    controls = OptionsControls();
    controls.imageViewer = 0;
    controls.htmlViewer = 1;
    controls.fileNameCase = 1;
    const QList<SettingWrite> second = okWrites(texts, controls);
    ASSERT_EQ(second.size(), 26);
    EXPECT_EQ(second[19], (SettingWrite{"visuhtml", "1"}));
    EXPECT_EQ(second[23], (SettingWrite{"astuce", "oui"}));
    EXPECT_EQ(second[24], (SettingWrite{"normeecriture", "1"}));
    EXPECT_EQ(second[25], (SettingWrite{"indentation", "0"}));
}

struct CutCase {
    const char *name;
    QString text;
    qsizetype kept;
};

TEST(PersonalTexts, LongTextsAreCutWithoutSplittingACharacter)
{
    const QString pair = QString::fromUcs4(U"\U0001F600");
    const CutCase cases[] = {
        {"empty", QString(), 0},
        {"short", QStringLiteral("<BR>"), 4},
        {"exactly 255", QString(255, u'a'), 255},
        {"300 characters", QString(300, u'a'), 255},
        {"pair across the edge", QString(254, u'a') + pair + QStringLiteral("zz"), 254},
        {"pair inside the limit", QString(253, u'a') + pair + QStringLiteral("zz"), 255},
        {"CR LF across the edge", QString(254, u'a') + QStringLiteral("\r\nzz"), 254},
        {"CR LF inside the limit", QString(253, u'a') + QStringLiteral("\r\nzz"), 255},
    };
    for (const CutCase &c : cases) {
        const QString cut = cutPersonalText(c.text);
        EXPECT_EQ(cut.size(), c.kept) << c.name;
        EXPECT_EQ(cut, c.text.left(c.kept)) << c.name;
    }
}

TEST(PersonalTexts, LoadedAtStartAndChangedOnlyByTheDialogRules)
{
    TempProgramDir dir;
    const QString file = settingsFile();
    ecrireparametre(QString(300, u'x'), "chaine2", file);
    QByteArray bytes = dir.readBytes("brindel.sav");
    bytes.replace("[chaine19]=", "[chaine19-ancien]=");
    dir.writeBytes("brindel.sav", bytes);

    PersonalTexts texts;
    texts.load(file);
    EXPECT_EQ(texts.text(1), "<BR>");
    EXPECT_EQ(texts.text(2), QString(255, u'x'));
    EXPECT_EQ(texts.text(19), kIndefini);
    EXPECT_EQ(texts.text(0), "");
    EXPECT_EQ(texts.text(20), "");

    const QStringList before = texts.all();
    texts.validate(0, "rien");
    EXPECT_EQ(texts.all(), before) << "no selection: nothing stored";
    texts.validate(3, QString(300, u'y'));
    EXPECT_EQ(texts.text(3), QString(255, u'y'));
    texts.validate(3, "");
    EXPECT_EQ(texts.text(3), "");
    texts.clear(0);
    EXPECT_EQ(texts.text(1), "<BR>");
    texts.clear(1);
    EXPECT_EQ(texts.text(1), "");
    texts.clearAll();
    EXPECT_EQ(texts.all(), QStringList(19, QString()));
    EXPECT_EQ(lireparametre("chaine2", file), QString(300, u'x')) << "nothing written";

    // A file that cannot be read leaves the texts as they were.
    texts.validate(4, "garde");
    EXPECT_THROW(texts.load(dir.file("absent.sav")), std::exception);
    EXPECT_EQ(texts.text(4), "garde");
}

TEST(PersonalTexts, MemoLinesAreStoredAsCrLf)
{
    EXPECT_EQ(storedFromMemo("a\nb"), "a\r\nb");
    EXPECT_EQ(storedFromMemo("a\r\nb\rc"), "a\r\nb\r\nc");
    EXPECT_EQ(memoFromStored("a\r\nb"), "a\nb");
    EXPECT_EQ(memoFromStored(storedFromMemo("x\ny\n")), "x\ny\n");
}

struct InsertCase {
    const char *name;
    const char *stored; // nullptr: no line for the key
    const char *before;
    int selStart, selLength;
    const char *after;
    int caret;
};

TEST(PersonalTexts, ButtonInsertsTheStoredTextVerbatim)
{
    const InsertCase cases[] = {
        {"over a selection", "<BR>", "xabcy", 1, 3, "x<BR>y", 5},
        {"at the caret", "&nbsp;", "ab", 1, 0, "a&nbsp;b", 7},
        {"two lines, no indentation", "<UL>\r\n<LI>", "  ab", 2, 0, "  <UL>\r\n<LI>ab", 12},
        {"missing key", nullptr, "ab", 2, 0, "abindéfini", 10},
        {"empty text removes the selection", "", "abc", 0, 2, "c", 0},
    };
    for (const InsertCase &c : cases) {
        TempProgramDir dir;
        const QString file = settingsFile();
        if (c.stored) {
            ecrireparametre(QString::fromUtf8(c.stored), "chaine3", file);
        } else {
            QByteArray bytes = dir.readBytes("brindel.sav");
            bytes.replace("[chaine3]=", "[chaine3-ancien]=");
            dir.writeBytes("brindel.sav", bytes);
        }
        MemoryEditorControl control(QString::fromUtf8(c.before));
        control.setSelection(c.selStart, c.selLength);
        insertPersonalText(control, 3, file);
        EXPECT_EQ(control.text(), QString::fromUtf8(c.after)) << c.name;
        EXPECT_EQ(control.selStart(), c.caret) << c.name;
        EXPECT_EQ(control.selLength(), 0) << c.name;
        control.undo();
        EXPECT_EQ(control.text(), QString::fromUtf8(c.before)) << c.name << ": one undo step";
    }
}

} // namespace
