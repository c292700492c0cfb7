#include "tests/editor/qstringprint.h"
#include "wizards/links.h"
#include "wizards/mediamarkup.h"

#include <gtest/gtest.h>

using namespace mediamarkup;

namespace
{

struct MediaCase {
    const char *name;
    QString text;
    const char *expected;
};

TEST(MediaMarkup, SoundMediaAndAppletTexts)
{
    const MediaCase cases[] = {
        {"sound, one loop", backgroundSound("pluie.wav", "1"),
         "<BGSOUND SRC=\"pluie.wav\" LOOP=\"1\">"},
        {"sound, 0 loops is infinite", backgroundSound("pluie.wav", "0"),
         "<BGSOUND SRC=\"pluie.wav\" LOOP=\"infinite\">"},
        {"sound, no count", backgroundSound("pluie.wav", ""), "<BGSOUND SRC=\"pluie.wav\">"},
        {"sound, upper case", backgroundSound(wizards::applyNameCase("sons/pluie.wav", 2), "1"),
         "<BGSOUND SRC=\"SONS/PLUIE.WAV\" LOOP=\"1\">"},
        {"sound, lower case", backgroundSound(wizards::applyNameCase("../Sons/Pluie.WAV", 1), "00"),
         "<BGSOUND SRC=\"../sons/pluie.wav\" LOOP=\"00\">"},
        {"sound, case unchanged", backgroundSound(wizards::applyNameCase("Pluie.wav", 0), " 0"),
         "<BGSOUND SRC=\"Pluie.wav\" LOOP=\" 0\">"},
        {"media, defaults", embed("clip.avi", "46", "150", "center", "false"),
         "<EMBED SRC=\"clip.avi\" HEIGHT=\"46\" WIDTH=\"150\" ALIGN=\"center\" HIDDEN=\"false\">"},
        {"media, width emptied", embed("clip.avi", "46", "", "center", "false"),
         "<EMBED SRC=\"clip.avi\" HIDDEN=\"false\">"},
        {"media, height emptied", embed("clip.avi", "", "150", "top", "true"),
         "<EMBED SRC=\"clip.avi\" HIDDEN=\"true\">"},
        {"applet", applet("Horloge.class", "50", "100"),
         "<APPLET CODE=\"Horloge.class\" HEIGHT=\"50\" WIDTH=\"100\"></APPLET>"},
        {"applet, empty sizes", applet("../java/Horloge.class", "", ""),
         "<APPLET CODE=\"../java/Horloge.class\" HEIGHT=\"\" WIDTH=\"\"></APPLET>"},
    };
    for (const MediaCase &c : cases)
        EXPECT_EQ(c.text, QString::fromUtf8(c.expected)) << c.name;
}

} // namespace
