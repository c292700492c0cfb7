#include "platform/filemask.h"

#include <gtest/gtest.h>

namespace
{

struct MaskCase {
    const char *mask;
    const char *name;
    bool matches;
};

TEST(FileMask, MatchesAsTheFileListsDo)
{
    const MaskCase cases[] = {
        {"*.htm", "page.htm", true},
        {"*.htm", "PAGE.HTM", true},   // letters regardless of case
        {"*.htm", "index.html", true}, // a three-letter extension takes longer ones
        {"*.htm", "page.txt", false},
        {"*.htm", "htm", false},
        {"*.html", "page.htm", false}, // but not the other way round
        {"*.jpe", "photo.JPEG", true},
        {"*.*", "README", true}, // every file, with or without a dot
        {"*.*", "Makefile", true},
        {"*", "a.b.c", true},
        {"*.gif;*.jpg", "logo.gif", true},
        {"*.gif;*.jpg", "logo.JPG", true},
        {"*.gif;*.jpg", "logo.png", false},
        {"*.gif *.jpg", "x.jpg", true}, // spaces separate too
        {"page?.htm", "page1.htm", true},
        {"page?.htm", "page12.htm", false},
        {"*.wav", "pluie.wav", true},
        {"", "anything", false},
    };
    for (const MaskCase &c : cases) {
        EXPECT_EQ(FileMask(QString::fromUtf8(c.mask)).matches(QString::fromUtf8(c.name)), c.matches)
            << c.mask << " / " << c.name;
    }
}

} // namespace
