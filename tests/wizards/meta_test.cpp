#include "tests/editor/qstringprint.h"
#include "wizards/meta.h"
#include "wizards/pagehead.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

// Every field filled; each case ticks rows and empties fields from there.
MetaAnswers filled()
{
    MetaAnswers a;
    a.author = QStringLiteral("Dupont");
    a.keywords = QStringLiteral("html, éditeur");
    a.description = QStringLiteral("Mon \"site\" & moi");
    a.revisitDays = QStringLiteral("15");
    a.copyright = QStringLiteral("Brindel");
    a.day = QStringLiteral("07");
    a.month = QStringLiteral("12");
    a.year = QStringLiteral("2026");
    a.language = QStringLiteral("fr");
    a.email = QStringLiteral("moi@exemple.fr");
    return a;
}

MetaAnswers ticked(std::initializer_list<MetaRow> rows,
                   const std::function<void(MetaAnswers &)> &change = {})
{
    MetaAnswers a = filled();
    for (MetaRow row : rows)
        a.setTicked(row, true);
    if (change)
        change(a);
    return a;
}

const QString kAuthor = QStringLiteral("<META NAME=\"author\" CONTENT=\"Dupont\">");
const QString kKeywords = QStringLiteral("<META NAME=\"keywords\" CONTENT=\"html, éditeur\">");
const QString kDescription =
    QStringLiteral("<META NAME=\"description\" CONTENT=\"Mon \"site\" & moi\">");
const QString kRevisit = QStringLiteral("<META NAME=\"revisit-after\" CONTENT=\"15 days\">");
const QString kCopyright = QStringLiteral("<META NAME=\"copyright\" CONTENT=\"Brindel\">");
const QString kDate = QStringLiteral("<META NAME=\"creation_date\" CONTENT=\"07/12/2026\">");
const QString kLanguage = QStringLiteral("<META http-equiv=\"content_language\" CONTENT=\"fr\">");

struct BlockCase {
    const char *what;
    MetaAnswers answers;
    QStringList expected;
};

class MetaBlockTest : public testing::TestWithParam<BlockCase>
{
};

TEST_P(MetaBlockTest, WritesTickedFilledRowsInOrder)
{
    EXPECT_EQ(metaBlock(GetParam().answers), GetParam().expected) << GetParam().what;
}

using R = MetaRow;

MetaAnswers everyRowTickedNothingTyped()
{
    MetaAnswers a;
    a.ticked.fill(true);
    a.language.clear();
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MetaBlockTest,
    testing::Values(
        BlockCase{"nothing ticked, every field filled", ticked({}), {}},
        BlockCase{"author", ticked({R::Author}), {kAuthor}},
        BlockCase{"author empty", ticked({R::Author}, [](auto &a) { a.author.clear(); }), {}},
        BlockCase{"keywords", ticked({R::Keywords}), {kKeywords}},
        BlockCase{"keywords empty", ticked({R::Keywords}, [](auto &a) { a.keywords.clear(); }), {}},
        BlockCase{"description, quotes kept as typed", ticked({R::Description}), {kDescription}},
        BlockCase{"description empty",
                  ticked({R::Description}, [](auto &a) { a.description.clear(); }),
                  {}},
        BlockCase{"revisit after, in days", ticked({R::RevisitAfter}), {kRevisit}},
        BlockCase{
            "revisit empty", ticked({R::RevisitAfter}, [](auto &a) { a.revisitDays.clear(); }), {}},
        BlockCase{"copyright", ticked({R::Copyright}), {kCopyright}},
        BlockCase{
            "copyright empty", ticked({R::Copyright}, [](auto &a) { a.copyright.clear(); }), {}},
        BlockCase{"date", ticked({R::CreationDate}), {kDate}},
        BlockCase{"date with the year alone",
                  ticked({R::CreationDate},
                         [](auto &a) {
                             a.day.clear();
                             a.month.clear();
                         }),
                  {QStringLiteral("<META NAME=\"creation_date\" CONTENT=\"//2026\">")}},
        BlockCase{
            "date without a year", ticked({R::CreationDate}, [](auto &a) { a.year.clear(); }), {}},
        BlockCase{"language, lower-case http-equiv", ticked({R::Language}), {kLanguage}},
        BlockCase{"language typed",
                  ticked({R::Language}, [](auto &a) { a.language = "ang"; }),
                  {QStringLiteral("<META http-equiv=\"content_language\" CONTENT=\"ang\">")}},
        BlockCase{"language empty", ticked({R::Language}, [](auto &a) { a.language.clear(); }), {}},
        BlockCase{"e-mail is never written", ticked({R::Email}), {}},
        BlockCase{"every row, in the fixed order",
                  ticked({R::Email, R::Language, R::CreationDate, R::Copyright, R::RevisitAfter,
                          R::Description, R::Keywords, R::Author}),
                  {kAuthor, kKeywords, kDescription, kRevisit, kCopyright, kDate, kLanguage}},
        BlockCase{"every row ticked, every field empty", everyRowTickedNothingTyped(), {}}));

TEST(MetaTag, TakesNameAndContentAsTyped)
{
    EXPECT_EQ(metaTag("author", "Dupont"), kAuthor);
    EXPECT_EQ(metaTag("robots", ""), "<META NAME=\"robots\" CONTENT=\"\">");
}

TEST(PageHead, FramesTheTitleAndTheMetaBlock)
{
    MetaAnswers meta = filled();
    meta.setTicked(MetaRow::Author, true);
    meta.setTicked(MetaRow::Language, true);
    const QStringList expected{
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">",
        " ",
        "<!-- " + brindelSiteAddress() + " -->",
        " ",
        "<HTML>",
        " ",
        "<HEAD>",
        "<TITLE>Ma page</TITLE>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=iso-8859-1\">",
        kAuthor,
        kLanguage,
        "<META NAME=\"generator\" CONTENT=\"Brindel 7.2\">",
        "</HEAD>",
    };
    EXPECT_EQ(pageHead("Ma page", meta), expected);
    EXPECT_TRUE(brindelSiteAddress().startsWith("https://"));
    // An empty title is still written.
    EXPECT_EQ(pageHead("", MetaAnswers{}).at(7), "<TITLE></TITLE>");
    EXPECT_EQ(pageHead("", MetaAnswers{}).size(), 11);
}

} // namespace
