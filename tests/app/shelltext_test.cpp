#include "app/clocktext.h"
#include "app/hinttext.h"
#include "app/mditiling.h"
#include "platform/filefilter.h"

#include <gtest/gtest.h>

TEST(Clock, HourAndMinuteHaveNoLeadingZeros)
{
    EXPECT_EQ(heureMinute(QTime(9, 5)), "9:5");
    EXPECT_EQ(heureMinute(QTime(0, 0)), "0:0");
    EXPECT_EQ(heureMinute(QTime(23, 59)), "23:59");
    EXPECT_EQ(heureMinute(QTime(10, 10)), "10:10");
}

TEST(Clock, FreeSpaceCountsWholeMegabytes)
{
    EXPECT_EQ(espaceLibreTexte("Espace libre", 3 * 1048576 + 1048575, "Mo"), "Espace libre : 3 Mo");
    EXPECT_EQ(espaceLibreTexte("Libre", 0, "Mo"), "Libre : 0 Mo");
    EXPECT_EQ(espaceLibreTexte("Libre", -1, "Mo"), "Libre : 0 Mo")
        << "unknown space is not negative";
}

TEST(Hints, ShortPartForTheTipLongPartForTheStatusBar)
{
    const Hint both = splitHint("Enregistrer|Enregistrer le fichier en cours");
    EXPECT_EQ(both.tip, "Enregistrer");
    EXPECT_EQ(both.status, "Enregistrer le fichier en cours");
    const Hint single = splitHint("Gras");
    EXPECT_EQ(single.tip, "Gras");
    EXPECT_EQ(single.status, "Gras");
    const Hint extra = splitHint("a|b|c");
    EXPECT_EQ(extra.tip, "a");
    EXPECT_EQ(extra.status, "b|c");
}

TEST(Tiling, WindowsShareTheAreaWithoutGapsOrOverlap)
{
    const QRect area(0, 0, 100, 31);
    const QList<QRect> rows = tileHorizontally(area, 3);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QRect(0, 0, 100, 11));
    EXPECT_EQ(rows[1], QRect(0, 11, 100, 10));
    EXPECT_EQ(rows[2], QRect(0, 21, 100, 10));
    const QList<QRect> columns = tileVertically(QRect(10, 5, 9, 50), 2);
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0], QRect(10, 5, 5, 50));
    EXPECT_EQ(columns[1], QRect(15, 5, 4, 50));
    EXPECT_TRUE(tileHorizontally(area, 0).isEmpty());
}

TEST(Tiling, CascadeStaysInsideTheArea)
{
    struct Case {
        QRect area;
        QSize size;
        int index;
        int step;
        QRect place;
    };
    const Case cases[] = {
        {QRect(0, 0, 900, 600), QSize(600, 400), 0, 25, QRect(0, 0, 600, 400)},
        {QRect(0, 0, 900, 600), QSize(600, 400), 3, 25, QRect(75, 75, 600, 400)},
        // 200 pixels of room down: positions 0 to 8, then the corner again.
        {QRect(0, 0, 900, 600), QSize(600, 400), 8, 25, QRect(200, 200, 600, 400)},
        {QRect(0, 0, 900, 600), QSize(600, 400), 9, 25, QRect(0, 0, 600, 400)},
        {QRect(10, 20, 900, 600), QSize(600, 400), 1, 25, QRect(35, 45, 600, 400)},
        // Larger than the area: cut to it, at the corner.
        {QRect(0, 0, 300, 200), QSize(320, 200), 4, 25, QRect(0, 0, 300, 200)},
        {QRect(0, 0, 300, 200), QSize(320, 150), 1, 25, QRect(0, 0, 300, 150)},
        {QRect(0, 0, 300, 200), QSize(100, 100), -2, 25, QRect(0, 0, 100, 100)},
    };
    for (const Case &c : cases) {
        const QRect place = cascadePlace(c.area, c.size, c.index, c.step);
        EXPECT_EQ(place, c.place) << c.index;
        EXPECT_TRUE(c.area.contains(place));
    }
    const QList<QRect> three = cascade(QRect(0, 0, 900, 600), 3, 30);
    ASSERT_EQ(three.size(), 3);
    EXPECT_EQ(three[0], QRect(0, 0, 600, 400));
    EXPECT_EQ(three[2], QRect(60, 60, 600, 400));
    EXPECT_TRUE(cascade(QRect(0, 0, 900, 600), 0, 30).isEmpty());
}

TEST(FileFilters, PipeFiltersBecomeQtFilters)
{
    const QString filter = qtFileFilter(
        "Fichier Web (*.htm,*.html etc...)|*.htm;*.html;*.js|Fichier Texte (*.txt)|*.txt");
    EXPECT_EQ(filter, "Fichier Web (*.htm,*.html etc...) (*.htm *.html *.js);;"
                      "Fichier Texte (*.txt) (*.txt)");
    EXPECT_EQ(qtFilterEntry(filter, 2), "Fichier Texte (*.txt) (*.txt)");
    EXPECT_EQ(qtFilterEntry(filter, 3), QString());
    EXPECT_EQ(qtFileFilter("Seul|"), "Seul ()");
    EXPECT_EQ(qtFilterIndex(filter, "Fichier Texte (*.txt) (*.txt)"), 2);
    EXPECT_EQ(qtFilterIndex(filter, "Autre (*)"), 0);
    EXPECT_EQ(qtFilterIndex(filter, QString()), 0);
}

TEST(FileFilters, EveryFileMaskListsNamesWithoutADot)
{
    struct Case {
        const char *mask;
        QStringList patterns;
    };
    const Case cases[] = {
        {"*.*", {"*"}},
        {"*.htm;*.html", {"*.htm", "*.html"}},
        {"*.gif;*.*", {"*.gif", "*"}},
        {" *.txt ; ", {"*.txt"}},
        {"", {}},
        {"README", {"README"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(filePatterns(c.mask), c.patterns) << c.mask;
    EXPECT_EQ(qtFileFilter("Tous les fichiers (*.*)|*.*"), "Tous les fichiers (*.*) (*)");
}
