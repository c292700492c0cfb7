#include "platform/atomicfile.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "viewer/browserengine.h"
#include "viewer/handoffwatcher.h"
#include "viewer/pagebrowser.h"
#include "viewer/tvisualisateur.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineHistory>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace
{

QByteArray longPage(const QByteArray &title)
{
    QByteArray html =
        "<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>";
    for (int i = 0; i < 300; ++i)
        html += "<p>Paragraphe " + QByteArray::number(i) + "</p>";
    html += "<p><a name=\"meta\">Les balises META</a></p>";
    for (int i = 0; i < 50; ++i)
        html += "<p>Suite " + QByteArray::number(i) + "</p>";
    return html + "</body></html>";
}

// The engine needs its environment before the test program's application object exists.
const bool kEnginePrepared = (prepareBrowserEngine(), true);

constexpr int kLoadMs = 30000;

// Waits for the engine: the page's answers come back through the event loop.
QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kLoadMs)) << script.toStdString();
    return result;
}

QString plainText(QWebEnginePage *page)
{
    QString text;
    bool done = false;
    page->toPlainText([&](const QString &value) {
        text = value;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kLoadMs));
    return text;
}

class ViewerWindowTest : public ::testing::Test
{
protected:
    TempProgramDir program;
    QTemporaryDir pages;
    ScriptedModals scripted;
    ScopedModals useScripted{scripted};
    Tvisualisateur window{program.file(QStringLiteral("visualisateur.sav"))};
    QSignalSpy loads{window.browser()->page(), &QWebEnginePage::loadFinished};

    void SetUp() override
    {
        ASSERT_TRUE(kEnginePrepared);
        ASSERT_TRUE(pages.isValid());
        window.handOffWatcher()->setPollInterval(0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Runs `action`, then waits until the engine has finished loading what it asked for.
    template <typename Action> void andWait(Action action)
    {
        const qsizetype before = loads.count();
        action();
        ASSERT_TRUE(QTest::qWaitFor([&] { return loads.count() > before; }, kLoadMs));
    }
    void start(const std::optional<PageAddress> &page)
    {
        andWait([&] { window.start(page); });
    }
    void show(const PageAddress &page)
    {
        andWait([&] { window.showPage(page); });
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
    QString shownText() const { return plainText(window.browser()->page()); }
    QVariant js(const QString &script) const { return evaluate(window.browser()->page(), script); }
    int scrollY() const { return js(QStringLiteral("window.scrollY")).toInt(); }
    QUrl source() const { return window.browser()->source(); }
    // Clicks the element as the user does, with the mouse, in the middle of its box.
    void click(const QString &id) const
    {
        const QVariantList box =
            js(QStringLiteral("(function(){var e=document.getElementById('%1');e.scrollIntoView();"
                              "var r=e.getBoundingClientRect();return [r.left+r.width/2, "
                              "r.top+r.height/2];})()")
                   .arg(id))
                .toList();
        ASSERT_EQ(box.size(), 2);
        QWidget *surface = window.browser()->focusProxy();
        ASSERT_NE(surface, nullptr);
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(box[0].toInt(), box[1].toInt()));
    }
    static QUrl urlOf(const QString &path, const QString &anchor = {})
    {
        return PageAddress{path, anchor}.toUrl();
    }
};

TEST_F(ViewerWindowTest, RendersFormsStyleSheetsAndScriptsAsABrowserDoes)
{
    writePage(QStringLiteral("site/style.css"), "h1 { color: rgb(0, 128, 0); }");
    const QString path = writePage(
        QStringLiteral("site/page.htm"),
        "<html><head><title>Formulaire</title><link rel=\"stylesheet\" href=\"style.css\">"
        "</head><body><h1>Titre</h1><form><input name=\"nom\" type=\"text\">"
        "<input type=\"submit\" value=\"Envoyer\"></form>"
        "<p id=\"ecrit\"></p><script>document.getElementById('ecrit').textContent = "
        "'\\u00e9crit par le script';</script></body></html>");
    start(PageAddress{path, QString()});

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Formulaire - Visualisateur"));
    EXPECT_TRUE(js(QStringLiteral("document.querySelector('input[name=nom]') !== null")).toBool());
    EXPECT_EQ(js(QStringLiteral("getComputedStyle(document.querySelector('h1')).color")).toString(),
              QStringLiteral("rgb(0, 128, 0)"));
    EXPECT_TRUE(shownText().contains(QStringLiteral("écrit par le script")));
}

TEST_F(ViewerWindowTest, ShowsTheArgumentAtItsAnchorWithTitleAndAddress)
{
    const QString path = writePage(QStringLiteral("aide.htm"), longPage("Aide \xC3\xA9t\xC3\xA9"));
    start(PageAddress::parse(path + QStringLiteral("#meta"), QString()));

    EXPECT_EQ(source(), urlOf(path, QStringLiteral("meta")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Aide été - Visualisateur"));
    EXPECT_EQ(window.addressText(), path + QStringLiteral("#meta"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return scrollY() > 1000; }, kLoadMs))
        << "scrolled down to the anchor";

    const QString other = writePage(QStringLiteral("autre.htm"), longPage("Autre"));
    show(PageAddress{other, QString()});
    EXPECT_EQ(scrollY(), 0) << "another page without an anchor: its top";
}

TEST_F(ViewerWindowTest, StartsOnTheHandOffPageWithoutArgumentAndTakesTheFlagEitherWay)
{
    const QString handed = writePage(QStringLiteral("transmise.htm"), "<title>Transmise</title>x");
    const QString argument = writePage(QStringLiteral("argument.htm"), "<title>Argument</title>y");

    handOver(handed, QStringLiteral("1"));
    start(std::nullopt);
    EXPECT_EQ(source(), urlOf(handed));
    EXPECT_EQ(flag(), QStringLiteral("0"));

    handOver(handed, QStringLiteral("1"));
    start(PageAddress{argument, QString()});
    EXPECT_EQ(source(), urlOf(argument));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Argument - Visualisateur"));
    EXPECT_EQ(flag(), QStringLiteral("0"));
}

TEST_F(ViewerWindowTest, FlagOneShowsTheHandedPageAndResetsItFlagZeroDoesNothing)
{
    const QString first = writePage(QStringLiteral("un.htm"), longPage("Un"));
    const QString second = writePage(QStringLiteral("deux.htm"), longPage("Deux"));
    const QString third = writePage(QStringLiteral("trois.htm"), "<title>Trois</title>");
    start(PageAddress{first, QString()});

    andWait([&] { handOver(second + QStringLiteral("#meta"), QStringLiteral("1")); });
    EXPECT_EQ(source(), urlOf(second, QStringLiteral("meta")));
    EXPECT_EQ(flag(), QStringLiteral("0"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Deux - Visualisateur"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrollY() > 0; }, kLoadMs));

    handOver(third, QStringLiteral("0"));
    window.handOffWatcher()->checkNow();
    QTest::qWait(50);
    EXPECT_EQ(source(), urlOf(second, QStringLiteral("meta")));
    EXPECT_EQ(lireparametre(QStringLiteral("fichier"), handOffFile()), third);
    EXPECT_EQ(flag(), QStringLiteral("0"));
}

TEST_F(ViewerWindowTest, SamePageHandedAgainShowsItsNewContentWhereTheReaderWas)
{
    QByteArray page = longPage("Page");
    const QString path = writePage(QStringLiteral("page.htm"), page.replace("Suite 1<", "ancien<"));
    start(PageAddress{path, QString()});
    EXPECT_TRUE(shownText().contains(QStringLiteral("ancien")));
    js(QStringLiteral("window.scrollTo(0, 1500)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return scrollY() == 1500; }, kLoadMs));

    writePage(QStringLiteral("page.htm"), page.replace("ancien<", "nouveau<"));
    andWait([&] {
        handOver(path, QStringLiteral("1"));
        window.handOffWatcher()->checkNow();
    });
    EXPECT_TRUE(shownText().contains(QStringLiteral("nouveau")));
    EXPECT_FALSE(window.browser()->history()->canGoBack()) << "no new history entry";
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrollY() == 1500; }, kLoadMs))
        << "the reader stays where he was";

    writePage(QStringLiteral("page.htm"), page.replace("nouveau<", "actualis\xC3\xA9<"));
    andWait([&] { window.Actualiser1->trigger(); });
    EXPECT_TRUE(shownText().contains(QStringLiteral("actualisé")));
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
        start(c.argument);
        const QString text = shownText();
        EXPECT_TRUE(text.contains(QStringLiteral("Impossible d'afficher la page")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(c.phrase)) << text.toStdString();
        EXPECT_NE(window.browser()->lastProblem(), PageProblem::None);
        EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(" - Visualisateur")));
    }
}

TEST_F(ViewerWindowTest, LocalLinksFollowInsideWebAndMailGoToTheSystem)
{
    const QString index =
        writePage(QStringLiteral("site/index.htm"),
                  "<title>Accueil</title><a id=\"l\" href=\"autre.htm#meta\">autre</a>");
    const QString other =
        writePage(QStringLiteral("site/autre.htm"),
                  longPage("Autre").replace(
                      "<body>", "<body><a id=\"w\" href=\"http://example.org/page\">w</a>"
                                "<a id=\"s\" href=\"https://example.org/\">s</a>"
                                "<a id=\"m\" href=\"mailto:moi@example.org\">m</a>"
                                "<a id=\"p\" href=\"photo.jpg\">p</a>"));
    start(PageAddress{index, QString()});

    andWait([&] { click(QStringLiteral("l")); });
    EXPECT_EQ(source(), urlOf(other, QStringLiteral("meta")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Autre - Visualisateur"));
    ASSERT_TRUE(window.Precedent1->isEnabled());
    andWait([&] { window.Precedent1->trigger(); });
    EXPECT_EQ(source(), urlOf(index));
    EXPECT_EQ(window.addressText(), index);
    ASSERT_TRUE(window.Suivant1->isEnabled());
    andWait([&] { window.Suivant1->trigger(); });
    EXPECT_EQ(source().adjusted(QUrl::RemoveFragment), urlOf(other));

    struct Case {
        const char *id;
        QUrl opened;
    };
    const Case cases[] = {
        {"w", QUrl(QStringLiteral("http://example.org/page"))},
        {"s", QUrl(QStringLiteral("https://example.org/"))},
        {"m", QUrl(QStringLiteral("mailto:moi@example.org"))},
        {"p", urlOf(pages.filePath(QStringLiteral("site/photo.jpg")))},
    };
    for (const Case &c : cases) {
        scripted.openedUrls.clear();
        click(QLatin1String(c.id));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scripted.openedUrls.empty(); }, kLoadMs)) << c.id;
        EXPECT_EQ(scripted.openedUrls.front(), c.opened) << c.id;
        EXPECT_EQ(source().adjusted(QUrl::RemoveFragment), urlOf(other)) << c.id;
    }
}

TEST_F(ViewerWindowTest, PagesDecodeByTheirOwnCharsetAndWindows1252WithoutOne)
{
    const QString declared = writePage(
        QStringLiteral("latin.htm"),
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=ISO-8859-1\"><title>\xC9t\xE9</title></head>"
        "<body><p>caf\xE9 \x80 &#233; &#128; &#x80; &#156; &#8364; &eacute;</p></body></html>");
    start(PageAddress{declared, QString()});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Été - Visualisateur"));
    EXPECT_TRUE(shownText().contains(QStringLiteral("café € é € € œ € é")))
        << shownText().toStdString();

    const QString undeclared = writePage(QStringLiteral("sans.htm"), "<p>d\xE9j\xE0 \x9C</p>");
    show(PageAddress{undeclared, QString()});
    EXPECT_TRUE(shownText().contains(QStringLiteral("déjà œ"))) << shownText().toStdString();

    const QString utf8 = writePage(QStringLiteral("utf8.htm"),
                                   "<meta charset=\"utf-8\"><p>\xC3\xA9t\xC3\xA9 \xE2\x82\xAC</p>");
    show(PageAddress{utf8, QString()});
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
    start(PageAddress{path, QString()});
    EXPECT_EQ(js(QStringLiteral("document.images[0].naturalWidth")).toInt(), 4);
}

TEST_F(ViewerWindowTest, RemoteContentIsFetchedOnlyOnceTheUserAllowsIt)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QByteArray address = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    const QString path = writePage(QStringLiteral("distant.htm"),
                                   "<img src=\"" + address + "/image.png\"><script src=\"" +
                                       address + "/script.js\"></script>");
    start(PageAddress{path, QString()});
    QTest::qWait(300);
    EXPECT_FALSE(server.hasPendingConnections());
    EXPECT_FALSE(window.Contenudistant1->isChecked());

    window.Contenudistant1->setChecked(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, kLoadMs));
}

TEST_F(ViewerWindowTest, BinaryFileShowsWithoutHarm)
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 37) & 0xFF);
    const QString path = writePage(QStringLiteral("binaire.htm"), bytes);
    start(PageAddress{path, QString()});
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
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluate(window.browser()->page(), QStringLiteral("window.scrollY")).toInt() > 0;
        },
        kLoadMs));
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
    EXPECT_TRUE(window.statusBar()->currentMessage().contains(QStringLiteral("visualisateur.sav")));

    // The note came before the window showed: it must not be drawn over the address.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.windowTitle() == QStringLiteral("Seule - Visualisateur"); }, kLoadMs));
    auto *address = window.statusBar()->findChild<QLabel *>();
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text(), path);
    EXPECT_FALSE(address->isVisible());
    window.statusBar()->clearMessage();
    EXPECT_TRUE(address->isVisible());
}

} // namespace
