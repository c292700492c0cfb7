#include "editor/editormenus.h"
#include "settings/languagefiles.h"
#include "settings/settingsstore.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

namespace
{

QStringList names(const QList<QAction *> &actions)
{
    QStringList list;
    for (const QAction *action : actions)
        list.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return list;
}

void collectAll(const QMenu *menu, QList<QAction *> &all)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        all.append(action);
        if (action->menu())
            collectAll(action->menu(), all);
    }
}

QList<QAction *> allItems(const EditorMenus &menus)
{
    QList<QAction *> all;
    for (const QMenu *top : menus.bar) {
        all.append(top->menuAction());
        collectAll(top, all);
    }
    collectAll(menus.popup, all);
    return all;
}

// A language file in which number n reads "T<n>", for every number the editor could use.
QByteArray numberedLanguageFile(const QSet<int> &leftOut = {})
{
    QByteArray bytes;
    auto add = [&](int n) {
        if (!leftOut.contains(n))
            bytes += QByteArray::number(n) + "$T" + QByteArray::number(n) + "\r\n";
    };
    for (int n = 100; n < 4000; ++n)
        add(n);
    for (int n : {32100, 32101, 39210})
        add(n);
    return bytes;
}

class EditorMenusTest : public testing::Test
{
protected:
    void useLanguageFile(const QByteArray &bytes)
    {
        program.writeBytes(QStringLiteral("langue/essai.mn2"), bytes);
        startupSettings().menu2 = program.file(QStringLiteral("langue/essai.mn2"));
    }

    TempProgramDir program;
    QWidget owner;
    EditorMenus menus = buildEditorMenus(&owner);
};

TEST_F(EditorMenusTest, MenuBarAndContextMenuInDesignOrder)
{
    QStringList top;
    for (const QMenu *menu : menus.bar)
        top.append(menu->objectName());
    EXPECT_EQ(top, QStringList({"Fichier1", "Edition1", "Html1", "Script1", "Commandes1",
                                "Fentres1", "Options1", "Format1", "Aide1"}));
    EXPECT_EQ(menus.popup->objectName(), QStringLiteral("popopmenu"));
    EXPECT_EQ(names(menus.popup->actions()),
              QStringList({"Aide3", "-", "Toutslectionner2", "-", "Couper2", "Copier2", "Coller2",
                           "-", "Toutsupprimer2"}));
    EXPECT_EQ(names(menus.menu(QStringLiteral("Html1"))->actions()),
              QStringList({"Caractres1", "Effets1", "Feuilledestyle1", "Fontes1", "Formulaires1",
                           "Images1", "Liens1", "Structures1", "Style2", "Tableau1", "Autres1"}));
    EXPECT_EQ(names(menus.menu(QStringLiteral("Caractres1"))->actions()),
              QStringList({"Transformationautomatique1", "-", "a1", "e1", "i1", "o1", "u1", "c1",
                           "n9", "y1", "Autre1", "Math1"}));
    EXPECT_EQ(names(menus.menu(QStringLiteral("Script1"))->actions()),
              QStringList({"Evenement1", "Javascript1", "VBScript1", "Java1"}));
    EXPECT_EQ(names(menus.menu(QStringLiteral("Liens1"))->actions()),
              QStringList({"Email1", "Emailpardfaut1", "Hypertexte1", "Site1", "Fichier2"}));
    EXPECT_EQ(names(menus.menu(QStringLiteral("Barrepersonnelle1"))->actions()).size(), 21);
}

TEST_F(EditorMenusTest, EveryItemHasItsOwnName)
{
    QSet<QString> seen;
    for (const QAction *action : allItems(menus)) {
        ASSERT_FALSE(action->objectName().isEmpty()) << action->text().toStdString();
        EXPECT_FALSE(seen.contains(action->objectName())) << action->objectName().toStdString();
        seen.insert(action->objectName());
        if (action->menu()) {
            EXPECT_EQ(action->menu()->objectName(), action->objectName());
        }
    }
}

TEST_F(EditorMenusTest, ShortcutsAndCaptions)
{
    const std::map<QString, QString> shortcuts = {
        {"Enregistrer1", "Ctrl+S"},     {"Imprimer1", "Ctrl+P"},
        {"OuvrirProjet1", "Ctrl+O"},    {"Defaire1", "Ctrl+Z"},
        {"Toutslectionner1", "Ctrl+A"}, {"Couper1", "Ctrl+X"},
        {"Copier1", "Ctrl+C"},          {"Coller1", "Ctrl+V"},
        {"chercher1", "Ctrl+F11"},      {"Occurencesuivante1", "Ctrl+F12"},
        {"Prvisualisation1", "F12"},    {"Analyseurdecode1", "Ctrl+F9"},
        {"Aide2", "Ctrl+F1"},           {"Tableau2", "F9"},
        {"Statiques1", "F10"},
    };
    for (QAction *action : allItems(menus)) {
        const auto found = shortcuts.find(action->objectName());
        const QString expected = found == shortcuts.end() ? QString() : found->second;
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), expected)
            << action->objectName().toStdString();
    }

    const std::map<QString, QString> captions = {
        {"Html1", "&Html"},
        {"Fentres1", "Fe&nêtres"},
        {"Hypertexte1", "&Hypertexte (Ancrâge)"},
        {"DOCT1", "<!&DOCT...>"},
        {"N105", "&&"},
        {"N106", "\""},
        {"Euro1", "Euro (€)"},
        {"N99", QString(QChar(0xAD))},
        {"Bouton191", "Bouton 19"},
        {"onsubmit1", "onS&ubmit"},
        {"Aide3", "Aide"},
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(menus.action(name)->text(), caption) << name.toStdString();
}

TEST_F(EditorMenusTest, RelabelsEveryNumberedItemAndOnlyThose)
{
    useLanguageFile(numberedLanguageFile());
    QHash<QString, QString> design;
    for (const QAction *action : allItems(menus))
        design.insert(action->objectName(), action->text());

    EXPECT_EQ(Tedition_creationmenu(menus), std::nullopt);

    // Items captioned with tag names, characters, heading sizes and event names, the
    // personal-bar buttons and the few named skeletons keep their design captions.
    const QRegularExpression keeps(QStringLiteral(
        "^(Html1|Applet1|Function1|Function2|Procedure1|[aeiouy]1|c1|n9|N\\d+|oe1|OE2|Euro1|"
        "H[1-6]1|on\\w+1|Bouton\\d+1)$"));
    for (const QAction *action : allItems(menus)) {
        const QString name = action->objectName();
        const bool kept = keeps.match(name).hasMatch() || design[name].startsWith(u'<');
        if (kept)
            EXPECT_EQ(action->text(), design[name]) << name.toStdString();
        else
            EXPECT_TRUE(action->text().startsWith(u'T')) << name.toStdString();
    }

    const std::map<QString, QString> samples = {
        {"Fichier1", "T100"},
        {"Toutslectionner1", "T220"},
        {"Toutslectionner2", "T220"},
        {"Toutsupprimer2", "T260"},
        {"Aide2", "T910"},
        {"Aide3", "T910"},
        {"SonNSetIE41", "T32100"},
        {"SonIE1", "T32101"},
        {"Listes2", "T39210"},
        {"Site1", "T374"},
        {"Fichier2", "T375"},
        {"Aligngauche1", "T3918"},
        {"Aligndroite1", "T3919"},
        {"Tableau1", "T3100"},
        {"Tableau2", "T3101"},
        {"Frameset1", "T3811"},
        {"Motdepasse1", "T3510"},
        {"Visible1", "T721"},
        {"Transformationautomatique1", "T311"},
        {"Aproposde1", "T940"},
    };
    for (const auto &[name, text] : samples)
        EXPECT_EQ(menus.action(name)->text(), text) << name.toStdString();
}

TEST_F(EditorMenusTest, ANumberMissingFromTheFileReadsIndefini)
{
    useLanguageFile(numberedLanguageFile({910, 3101}));
    EXPECT_EQ(Tedition_creationmenu(menus), std::nullopt);
    EXPECT_EQ(menus.action(QStringLiteral("Aide2"))->text(), kIndefini);
    EXPECT_EQ(menus.action(QStringLiteral("Aide3"))->text(), kIndefini);
    EXPECT_EQ(menus.action(QStringLiteral("Tableau2"))->text(), kIndefini);
    EXPECT_EQ(menus.action(QStringLiteral("Tableau1"))->text(), QStringLiteral("T3100"));
}

TEST_F(EditorMenusTest, AMissingLanguageFileKeepsTheDesignCaptionsAndIsReportedOnce)
{
    startupSettings().menu2 = program.file(QStringLiteral("langue/absent.mn2"));
    ecrireparametre(QStringLiteral("0"), QStringLiteral("barrevisible"),
                    program.file("brindel.sav"));

    const std::optional<QString> failure = Tedition_creationmenu(menus);

    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_EQ(menus.action(QStringLiteral("Fichier1"))->text(), QStringLiteral("&Fichier"));
    EXPECT_EQ(menus.action(QStringLiteral("Aide3"))->text(), QStringLiteral("Aide"));
    // The check marks do not depend on the language file.
    EXPECT_FALSE(menus.action(QStringLiteral("Visible1"))->isChecked());
}

struct MarkCase {
    const char *barrevisible; // nullptr: the key is absent
    const char *autoValue;
    bool visibleChecked;
    bool transformChecked;
};

class CheckMarksTest : public EditorMenusTest, public testing::WithParamInterface<MarkCase>
{
};

TEST_P(CheckMarksTest, OnlyAnExplicitZeroClearsAMark)
{
    const MarkCase &c = GetParam();
    QByteArray settings = "[hauteur]=600\r\n";
    if (c.barrevisible)
        settings += QByteArray("[barrevisible]=") + c.barrevisible + "\r\n";
    if (c.autoValue)
        settings += QByteArray("[auto]=") + c.autoValue + "\r\n";
    program.writeBytes(QStringLiteral("brindel.sav"), settings);

    EXPECT_EQ(Tedition_creationmenu(menus), std::nullopt);
    EXPECT_EQ(menus.action(QStringLiteral("Visible1"))->isChecked(), c.visibleChecked);
    EXPECT_EQ(menus.action(QStringLiteral("Transformationautomatique1"))->isChecked(),
              c.transformChecked);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, CheckMarksTest,
    testing::Values(MarkCase{"1", "1", true, true}, MarkCase{"0", "0", false, false},
                    MarkCase{"0", "1", false, true}, MarkCase{nullptr, nullptr, true, true},
                    MarkCase{"", "2", true, true}, MarkCase{"00", " 0", true, true}));

TEST_F(EditorMenusTest, AMissingSettingsFileLeavesBothMarksCheckedAndIsReported)
{
    QFile::remove(program.file(QStringLiteral("brindel.sav")));
    const std::optional<QString> failure = Tedition_creationmenu(menus);
    EXPECT_TRUE(failure.has_value());
    EXPECT_TRUE(menus.action(QStringLiteral("Visible1"))->isChecked());
    EXPECT_TRUE(menus.action(QStringLiteral("Transformationautomatique1"))->isChecked());
    // The captions came from the language file all the same.
    EXPECT_EQ(menus.action(QStringLiteral("Edition1"))->text(), QStringLiteral("&Édition"));
}

} // namespace
