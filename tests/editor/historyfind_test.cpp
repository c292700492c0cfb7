#include "editor/clipboardhistory.h"
#include "editor/findstate.h"
#include "platform/ioerror.h"
#include "platform/memoryeditorcontrol.h"
#include "tests/support/tempprogramdir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace
{

class History : public ::testing::Test
{
protected:
    TempProgramDir dir{false};
    QString file = dir.file("presse.sav");
};

TEST_F(History, EntriesAreWrittenWithCrLfAfterEveryLine)
{
    EXPECT_FALSE(clipboardHistoryHasEntries(file)) << "a fresh install has no history file";
    EXPECT_EQ(readClipboardHistory(file), QString());
    appendClipboardHistory(file, "un\ndeux\r\ntrois");
    appendClipboardHistory(file, "quatre");
    EXPECT_EQ(dir.readBytes("presse.sav"), "un\r\ndeux\r\ntrois\r\nquatre\r\n")
        << "a three-line copy adds three lines";
    EXPECT_EQ(readClipboardHistory(file), "un\ndeux\ntrois\nquatre\n");
    EXPECT_TRUE(clipboardHistoryHasEntries(file));
}

TEST_F(History, AnEntryStartingWithALineBreakStillCounts)
{
    appendClipboardHistory(file, "\nsuite");
    EXPECT_EQ(dir.readBytes("presse.sav"), "\r\nsuite\r\n");
    EXPECT_TRUE(clipboardHistoryHasEntries(file));
}

TEST_F(History, KeepsEveryCharacterWhateverTheCodePage)
{
    struct Case {
        const char *entry;
        QByteArray bytesAfter; // the whole file after appending the entry
    };
    // Windows-1252 while it can hold everything, UTF-8 for good from the first entry it cannot.
    const Case cases[] = {
        {"café", QByteArray("caf\xE9\r\n")},
        {"€", QByteArray("caf\xE9\r\n\x80\r\n")},
        {"Ωmega", QByteArray("caf\xC3\xA9\r\n\xE2\x82\xAC\r\n\xCE\xA9mega\r\n")},
        {"été", QByteArray("caf\xC3\xA9\r\n\xE2\x82\xAC\r\n\xCE\xA9mega\r\n\xC3\xA9t\xC3\xA9\r\n")},
        {"ok",
         QByteArray("caf\xC3\xA9\r\n\xE2\x82\xAC\r\n\xCE\xA9mega\r\n\xC3\xA9t\xC3\xA9\r\nok\r\n")},
    };
    for (const Case &c : cases) {
        appendClipboardHistory(file, QString::fromUtf8(c.entry));
        EXPECT_EQ(dir.readBytes("presse.sav"), c.bytesAfter) << c.entry;
    }
    EXPECT_EQ(readClipboardHistory(file), QString::fromUtf8("café\n€\nΩmega\nété\nok\n"));
}

TEST_F(History, AnAsciiHistoryTakesAUtf8EntryWithoutRewriting)
{
    appendClipboardHistory(file, "abc");
    appendClipboardHistory(file, QString::fromUtf8("日本"));
    EXPECT_EQ(dir.readBytes("presse.sav"), QByteArray("abc\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n"));
    EXPECT_EQ(readClipboardHistory(file), QString::fromUtf8("abc\n日本\n"));
}

TEST_F(History, AFailedAppendLeavesNothingBehind)
{
    EXPECT_THROW(appendClipboardHistory("/dev/full", "texte"), IoError);
    EXPECT_THROW(appendClipboardHistory("/dev/full", QString::fromUtf8("été")), IoError);
    EXPECT_THROW(appendClipboardHistory(dir.path() + "absent/presse.sav", "texte"), IoError);
    EXPECT_THROW(appendClipboardHistory(dir.path(), "texte"), IoError) << "a directory";
    EXPECT_THROW(readClipboardHistory(dir.path()), IoError);
}

TEST(Find, SearchesFromTheSharedPositionAndStartsOverAfterTheEnd)
{
    MemoryEditorControl control("<HTML>\r\n<p>html</p>\r\nHtml");
    FindState &state = findState();
    state = {};
    // The find command: a new search starts at the top.
    state.text = "html";
    int found = findAndSelect(control, state.text, 0);
    state.position = nextSearchPosition(found, int(state.text.size()));
    EXPECT_EQ(found, 1);
    EXPECT_EQ(control.selectedText(), "HTML");
    // Next occurrences, then the end, then the top again.
    const int expected[] = {11, 21, -1, 1};
    for (int want : expected) {
        found = findAndSelect(control, state.text, state.position);
        state.position = nextSearchPosition(found, int(state.text.size()));
        EXPECT_EQ(found, want);
    }
    EXPECT_EQ(control.selStart(), 1);
    EXPECT_EQ(control.selLength(), 4);

    control.setSelection(5, 0);
    EXPECT_EQ(findAndSelect(control, QString(), 0), -1) << "an empty text finds nothing";
    EXPECT_EQ(control.selStart(), 5);
    EXPECT_EQ(findAndSelect(control, "absent", 0), -1);
    EXPECT_EQ(control.selStart(), 5) << "a failed search leaves the selection";
    state = {};
}

} // namespace
