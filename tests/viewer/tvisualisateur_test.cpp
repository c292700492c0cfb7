#include "platform/atomicfile.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "viewer/handoffwatcher.h"
#include "viewer/pagebrowser.h"
#include "viewer/tvisualisateur.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace
{

QByteArray longPage(const QByteArray &title)
{
    QByteArray html = "<html><head><title>" + title + "</title></head><body>";
    for (int i = 0; i < 300; ++i)
        html += "<p>Paragraphe " + QByteArray::number(i) + "</p>";
    html += "<p><a name=\"meta\">Les balises META</a></p>";
    for (int i = 0; i < 50; ++i)
        html += "<p>Suite " + QByteArray::number(i) + "</p>";
    return html + "</body></html>";
}

class ViewerWindowTest : public ::testing::Test
{
protected:
    TempProgramDir program;
    QTemporaryDir pages;
    ScriptedModals scripted;
    ScopedModals useScripted{scripted};
    Tvisualisateur window{program.file(QStringLiteral("visualisateur.sav"))};

    void SetUp() override
    {
        ASSERT_TRUE(pages.isValid());
        window.handOffWatcher()->setPollInterval(0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString writePage(const QString &name, const QByteArray &bytes) const
    {
        const QString path = pages.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        writeFileAtomically(path, bytes, path + QLatin1Char('~'));
        return path;
    }
    QString handOffFile() const { return program.file(QStringLiteral("visualisateur.sav")); }
    void handOver(const QString &page, const QString &flag) const
    {
        ecrireparametre(page, QStringLiteral("fichier"), handOffFile());
        ecrireparametre(flag, QStringLiteral("drapeau"), handOffFile());
    }
    QString flag() const { return lireparametre(QStringLiteral("drapeau"), handOffFile()); }
    QString shownText() const { return window.browser()->toPlainText(); }
    QUrl source() const { return window.browser()->source(); }
    static QUrl urlOf(const QString &path, const QString &anchor = {})
    {
        return PageAddress{path, anchor}.toUrl();
    }
};

TEST_F(ViewerWindowTest, ShowsTheArgumentAtItsAnchorWithTitleAndAddress)
{
    const QString path = writePage(QStringLiteral("aide.htm"), longPage("Aide \xC3\xA9t\xC3\xA9"));
    window.start(PageAddress::parse(path + QStringLiteral("#meta"), QString()));

    EXPECT_EQ(source(), urlOf(path, QStringLiteral("meta")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Aide été - Visualisateur"));
    EXPECT_EQ(window.addressText(), path + QStringLiteral("#meta"));
    QScrollBar *bar = window.browser()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_GT(bar->value(), bar->maximum() / 2) << "scrolled down to the anchor";

    window.showPage(PageAddress{path, QString()});
    EXPECT_EQ(bar->value(), 0) << "no anchor: the top of the page";
}

TEST_F(ViewerWindowTest, StartsOnTheHandOffPageWithoutArgumentAndTakesTheFlagEitherWay)
{
    const QString handed = writePage(QStringLiteral("transmise.htm"), "<title>Transmise</title>x");
    const QString argument = writePage(QStringLiteral("argument.htm"), "<title>Argument</title>y");

    handOver(handed, QStringLiteral("1"));
    window.start(std::nullopt);
    EXPECT_EQ(source(), urlOf(handed));
    EXPECT_EQ(flag(), QStringLiteral("0"));

    handOver(handed, QStringLiteral("1"));
    window.start(PageAddress{argument, QString()});
    EXPECT_EQ(source(), urlOf(argument));
    EXPECT_EQ(flag(), QStringLiteral("0"));
}

TEST_F(ViewerWindowTest, FlagOneShowsTheHandedPageAndResetsItFlagZeroDoesNothing)
{
    const QString first = writePage(QStringLiteral("un.htm"), longPage("Un"));
    const QString second = writePage(QStringLiteral("deux.htm"), longPage("Deux"));
    const QString third = writePage(QStringLiteral("trois.htm"), "<title>Trois</title>");
    window.start(PageAddress{first, QString()});

    handOver(second + QStringLiteral("#meta"), QStringLiteral("1"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return source() == urlOf(second, QStringLiteral("meta")); }, 10000));
    EXPECT_EQ(flag(), QStringLiteral("0"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Deux - Visualisateur"));
    EXPECT_GT(window.browser()->verticalScrollBar()->value(), 0);

    handOver(third, QStringLiteral("0"));
    window.handOffWatcher()->checkNow();
    QTest::qWait(50);
    EXPECT_EQ(source(), urlOf(second, QStringLiteral("meta")));
    EXPECT_EQ(lireparametre(QStringLiteral("fichier"), handOffFile()), third);
    EXPECT_EQ(flag(), QStringLiteral("0"));
}

TEST_F(ViewerWindowTest, SamePageHandedAgainShowsItsNewContentWithoutANewHistoryEntry)
{
    const QString path = writePage(QStringLiteral("page.htm"), "<p>ancien texte</p>");
    window.start(PageAddress{path, QString()});
    EXPECT_TRUE(shownText().contains(QStringLiteral("ancien texte")));

    writePage(QStringLiteral("page.htm"), "<p>nouveau texte</p>");
    handOver(path, QStringLiteral("1"));
    window.handOffWatcher()->checkNow();
    EXPECT_TRUE(shownText().contains(QStringLiteral("nouveau texte"))) << shownText().toStdString();
    EXPECT_EQ(window.browser()->backwardHistoryCount(), 0);

    writePage(QStringLiteral("page.htm"), "<p>texte actualis\xC3\xA9</p>");
    window.Actualiser1->trigger();
    EXPECT_TRUE(shownText().contains(QStringLiteral("texte actualisé")))
        << shownText().toStdString();
}

TEST_F(ViewerWindowTest, PagesThatCannotBeShownGiveAFrenchMessagePage)
{
    QDir(pages.path()).mkdir(QStringLiteral("dossier"));
    const QString fifo = pages.filePath(QStringLiteral("tube.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        std::optional<PageAddress> argument;
        QString phrase;
    };
    const Case cases[] = {
        {PageAddress::parse(pages.filePath(QStringLiteral("absente.htm#meta")), QString()),
         QStringLiteral("est introuvable")},
        {PageAddress{pages.filePath(QStringLiteral("dossier")), QString()},
         QStringLiteral("est un répertoire")},
        {PageAddress::parse(QString(), QString()), QStringLiteral("Aucune page n'a été indiquée")},
        {PageAddress{fifo, QString()}, QStringLiteral("n'est pas un fichier ordinaire")},
        {std::nullopt, QStringLiteral("Aucune page n'a été indiquée")}, // hand-off names none
    };
    for (const Case &c : cases) {
        window.start(c.argument);
        EXPECT_TRUE(shownText().contains(QStringLiteral("Impossible d'afficher la page")))
            << shownText().toStdString();
        EXPECT_TRUE(shownText().contains(c.phrase)) << shownText().toStdString();
        EXPECT_NE(window.browser()->lastProblem(), PageProblem::None);
        EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(" - Visualisateur")));
    }
}

TEST_F(ViewerWindowTest, LocalLinksFollowInsideWebAndMailGoToTheSystem)
{
    const QString index = writePage(QStringLiteral("site/index.htm"),
                                    "<title>Accueil</title><a href=\"autre.htm\">autre</a>");
    const QString other = writePage(QStringLiteral("site/autre.htm"), longPage("Autre"));
    window.start(PageAddress{index, QString()});

    Q_EMIT window.browser()->anchorClicked(QUrl(QStringLiteral("autre.htm#meta")));
    EXPECT_EQ(source(), urlOf(other, QStringLiteral("meta")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Autre - Visualisateur"));
    ASSERT_TRUE(window.Precedent1->isEnabled());
    window.Precedent1->trigger();
    EXPECT_EQ(source(), urlOf(index));
    EXPECT_EQ(window.addressText(), index);
    ASSERT_TRUE(window.Suivant1->isEnabled());
    window.Suivant1->trigger();
    EXPECT_EQ(source(), urlOf(other, QStringLiteral("meta")));

    struct Case {
        const char *href;
        QUrl opened; // empty: nothing handed to the system
    };
    const Case cases[] = {
        {"http://example.org/page", QUrl(QStringLiteral("http://example.org/page"))},
        {"https://example.org/", QUrl(QStringLiteral("https://example.org/"))},
        {"mailto:moi@example.org", QUrl(QStringLiteral("mailto:moi@example.org"))},
        {"photo.jpg", urlOf(pages.filePath(QStringLiteral("site/photo.jpg")))},
        {"javascript:alert(1)", QUrl()},
    };
    for (const Case &c : cases) {
        scripted.openedUrls.clear();
        Q_EMIT window.browser()->anchorClicked(QUrl(QString::fromUtf8(c.href)));
        EXPECT_EQ(source(), urlOf(other, QStringLiteral("meta"))) << c.href;
        if (c.opened.isEmpty()) {
            EXPECT_TRUE(scripted.openedUrls.empty()) << c.href;
            EXPECT_TRUE(window.statusBar()->currentMessage().contains(
                QStringLiteral("ne peut pas être suivi")))
                << c.href;
        } else {
            ASSERT_EQ(scripted.openedUrls.size(), 1u) << c.href;
            EXPECT_EQ(scripted.openedUrls.front(), c.opened) << c.href;
        }
    }
}

TEST_F(ViewerWindowTest, Windows1252PageDeclaringIsoLatin1ShowsAccentsAndReferences)
{
    const QString path = writePage(
        QStringLiteral("latin.htm"),
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=ISO-8859-1\"><title>\xC9t\xE9</title></head>"
        "<body><p>caf\xE9 \x80 &#233; &#128; &#x80; &#156; &#8364; &eacute;</p></body></html>");
    window.start(PageAddress{path, QString()});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Été - Visualisateur"));
    EXPECT_TRUE(shownText().contains(QStringLiteral("café € é € € œ € é")))
        << shownText().toStdString();

    const QString utf8 =
        writePage(QStringLiteral("utf8.htm"),
                  "<meta charset=\"ISO-8859-1\"><p>\xC3\xA9t\xC3\xA9 \xE2\x82\xAC</p>");
    window.showPage(PageAddress{utf8, QString()});
    EXPECT_TRUE(shownText().contains(QStringLiteral("été €"))) << shownText().toStdString();
}

TEST_F(ViewerWindowTest, RelativeImagesResolveAgainstThePageDirectory)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir().mkpath(pages.filePath(QStringLiteral("mes pages/img")));
    ASSERT_TRUE(picture.save(pages.filePath(QStringLiteral("mes pages/img/point.png"))));
    const QString path =
        writePage(QStringLiteral("mes pages/page.htm"), "<p><img src=\"img/point.png\"></p>");
    window.start(PageAddress{path, QString()});

    const QVariant loaded = window.browser()->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("img/point.png")));
    QImage image;
    ASSERT_TRUE(image.loadFromData(loaded.toByteArray()) || loaded.canConvert<QImage>());
    if (image.isNull())
        image = loaded.value<QImage>();
    EXPECT_EQ(image.size(), QSize(4, 3));
}

TEST_F(ViewerWindowTest, BinaryFileShowsWithoutHarm)
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 37) & 0xFF);
    const QString path = writePage(QStringLiteral("binaire.htm"), bytes);
    window.start(PageAddress{path, QString()});
    EXPECT_EQ(window.browser()->lastProblem(), PageProblem::None);
    EXPECT_EQ(source(), urlOf(path));
}

TEST(ViewerStart, AnchorHoldsWhenThePageLoadsBeforeTheWindowShows)
{
    // The program loads the first page, then shows its window maximised.
    TempProgramDir program;
    QTemporaryDir pages;
    const QString path = pages.filePath(QStringLiteral("aide.htm"));
    writeFileAtomically(path, longPage("Aide"), path + QLatin1Char('~'));
    Tvisualisateur window(program.file(QStringLiteral("visualisateur.sav")));
    window.handOffWatcher()->setPollInterval(0);
    window.start(PageAddress{path, QStringLiteral("meta")});
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QScrollBar *bar = window.browser()->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->value() > 0; }, 5000));
    EXPECT_GT(bar->value(), bar->maximum() / 2);
}

class ViewerWithoutHandOffFile : public ::testing::Test
{
protected:
    TempProgramDir program{false};
    QTemporaryDir pages;
};

TEST_F(ViewerWithoutHandOffFile, ShowsTheArgumentAndTellsInTheStatusLine)
{
    const QString path = pages.filePath(QStringLiteral("page.htm"));
    writeFileAtomically(path, "<title>Seule</title>", path + QLatin1Char('~'));
    Tvisualisateur window(program.file(QStringLiteral("visualisateur.sav")));
    window.handOffWatcher()->setPollInterval(0);
    window.start(PageAddress{path, QString()});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Seule - Visualisateur"));
    EXPECT_TRUE(window.statusBar()->currentMessage().contains(QStringLiteral("visualisateur.sav")));

    // The note came before the window showed: it must not be drawn over the address.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *address = window.statusBar()->findChild<QLabel *>();
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text(), path);
    EXPECT_FALSE(address->isVisible());
    window.statusBar()->clearMessage();
    EXPECT_TRUE(address->isVisible());
}

} // namespace
