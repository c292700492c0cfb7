#include "app/startup.h"
#include "settings/programdir.h"
#include "settings/qttranslations.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

QString buttonText(QMessageBox::StandardButton which)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return box.button(which)->text().remove(QLatin1Char('&'));
}

TEST(QtTranslations, LanguageCodeComesFromTheLanguageFileName)
{
    struct Case {
        const char *file;
        const char *code;
    };
    const Case cases[] = {
        {"/p/langue/francais.dlg", "fr"},
        {"/p/langue/Français.dlg", "fr"},
        {"langue/deutsch.mn1", "de"},
        {"/p/langue/english.dlg", "en"},
        {"/p/langue/espanol.dlg", "es"},
        {"/p/langue/klingon.dlg", ""},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qtLanguageOf(QString::fromUtf8(c.file)), QString::fromLatin1(c.code)) << c.file;
}

// The close question's buttons follow the language files the program starts with.
TEST(QtTranslations, StartingWithFrenchFilesGivesFrenchButtons)
{
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped(answers);
    ASSERT_TRUE(prepareSettings());
    EXPECT_EQ(buttonText(QMessageBox::Yes), "Oui");
    EXPECT_EQ(buttonText(QMessageBox::No), "Non");
    EXPECT_EQ(buttonText(QMessageBox::Cancel), "Annuler");

    // Dialog texts from a file named for another language: Qt's texts follow it.
    ASSERT_TRUE(QFile::copy(dir.file("langue/francais.dlg"), dir.file("langue/english.dlg")));
    ecrireparametre(dir.file("langue/english.dlg"), QStringLiteral("dialogue"), settingsFile());
    ASSERT_TRUE(prepareSettings());
    EXPECT_EQ(buttonText(QMessageBox::Yes), "Yes");

    ecrireparametre(QString(), QStringLiteral("dialogue"), settingsFile());
    ASSERT_TRUE(prepareSettings());
    EXPECT_EQ(buttonText(QMessageBox::Yes), "Oui");
    EXPECT_TRUE(answers.messages.empty());
}

} // namespace
