#include "app/appstate.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "platform/filechooser.h"
#include "settings/languagefiles.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "tests/wizards/wizardtesthelpers.h"
#include "wizards/formfielddialogs.h"
#include "wizards/mediadialogs.h"
#include "wizards/styledialogs.h"
#include "wizards/tabledialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class MediaCommands : public testing::Test
{
protected:
    void SetUp() override
    {
        QDir(site.path()).mkpath("pages");
        QDir(site.path()).mkpath("sons");
        touch("pages/index.htm");
        touch("pluie.wav");
        touch("sons/ORAGE.WAV");
        touch("clip.avi");
        touch("Horloge.class");
        appState().projectOpen = true;
        appState().projectDirectory = site.path();
        startupSettings().normeecriture = 0;
    }
    void TearDown() override
    {
        appState().projectOpen = false;
        appState().projectDirectory.clear();
        startupSettings().normeecriture = 0;
    }

    void touch(const QString &name)
    {
        QFile file(site.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (!name.endsWith(".htm"))
            file.write("RIFF");
    }

    std::unique_ptr<Tedition> window(const QString &document)
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->openFile(site.filePath(document));
        return editor;
    }

    // Chooses `name` in `directory` (relative to the site) and sets the other fields.
    void answer(const QString &directory, const QString &name,
                std::function<void(QDialog &)> fill = {}, bool ok = true)
    {
        answers.dialogs.push_back([=, this](QDialog &d) {
            auto &dialog = static_cast<ChooserDialog &>(d);
            EXPECT_EQ(dialog.chooser()->directory(), site.path()) << "starts at the project";
            dialog.chooser()->setDirectory(site.filePath(directory));
            EXPECT_TRUE(dialog.chooser()->selectFile(name)) << name.toStdString();
            if (fill)
                fill(d);
            return ok ? pressOk(d) : int(QDialog::Rejected);
        });
    }

    TempProgramDir dir;
    QTemporaryDir site;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

TEST_F(MediaCommands, SoundReferenceLeadsFromTheDocumentToTheChosenFile)
{
    struct Case {
        const char *document;
        const char *directory;
        const char *file;
        const char *loops;
        int norme;
        const char *expected;
    };
    const Case cases[] = {
        {"pluie.htm", ".", "pluie.wav", "1", 0, "<BGSOUND SRC=\"pluie.wav\" LOOP=\"1\">"},
        {"pluie.htm", ".", "pluie.wav", "0", 0, "<BGSOUND SRC=\"pluie.wav\" LOOP=\"infinite\">"},
        {"pluie.htm", ".", "pluie.wav", "", 0, "<BGSOUND SRC=\"pluie.wav\">"},
        {"pluie.htm", ".", "pluie.wav", "1", 2, "<BGSOUND SRC=\"PLUIE.WAV\" LOOP=\"1\">"},
        {"pages/index.htm", "sons", "ORAGE.WAV", "3", 1,
         "<BGSOUND SRC=\"../sons/orage.wav\" LOOP=\"3\">"},
        {"pages/index.htm", "sons", "ORAGE.WAV", "3", 0,
         "<BGSOUND SRC=\"../sons/ORAGE.WAV\" LOOP=\"3\">"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        startupSettings().normeecriture = c.norme;
        auto editor = window(c.document);
        const QString loops = QString::fromUtf8(c.loops);
        answer(c.directory, c.file, [loops](QDialog &d) {
            EXPECT_EQ(d.findChild<QLineEdit *>("Edit2")->text(), "1") << "reset at activation";
            setField(d, "Edit2", loops);
        });
        editor->runCommand("SonIE1");
        EXPECT_EQ(editor->control().text(), QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(MediaCommands, CaseAppliesToTheFieldEvenOnCancel)
{
    startupSettings().normeecriture = 1;
    auto editor = window("pluie.htm");
    answers.dialogs.push_back([](QDialog &d) {
        setField(d, "Edit1", "Pluie.WAV");
        return QDialog::Rejected;
    });
    editor->runCommand("SonIE1");
    EXPECT_EQ(editor->control().text(), "");
    EXPECT_EQ(Tchson::instance().fileEdit()->text(), "pluie.wav");
}

TEST_F(MediaCommands, MediaAppletAndImageButton)
{
    auto editor = window("pluie.htm");
    answer(".", "clip.avi");
    editor->runCommand("SonNSetIE41");
    EXPECT_EQ(editor->control().text(), "<EMBED SRC=\"clip.avi\" HEIGHT=\"46\" WIDTH=\"150\" "
                                        "ALIGN=\"center\" HIDDEN=\"false\">");
    editor->control().setText("");
    answer(".", "clip.avi", [](QDialog &d) { setField(d, "Edit3", ""); });
    editor->runCommand("SonNSetIE41");
    EXPECT_EQ(editor->control().text(), "<EMBED SRC=\"clip.avi\" HIDDEN=\"false\">");

    editor->control().setText("");
    answer(".", "Horloge.class", [](QDialog &d) {
        setField(d, "Edit2", "50");
        setField(d, "Edit3", "100");
    });
    editor->runCommand("Applet1");
    EXPECT_EQ(editor->control().text(),
              "<APPLET CODE=\"Horloge.class\" HEIGHT=\"50\" WIDTH=\"100\"></APPLET>");

    // The image button takes the bare name, whatever the project and the case setting.
    startupSettings().normeecriture = 2;
    editor->control().setText("");
    answers.dialogs.push_back([](QDialog &d) {
        setField(d, "Edit1", "Bouton.GIF");
        setField(d, "Edit2", "envoi");
        return pressOk(d);
    });
    editor->runCommand("ImageValider1");
    EXPECT_EQ(editor->control().text(), "<INPUT TYPE=\"IMAGE\" NAME=\"envoi\" SRC=\"Bouton.GIF\">");
}

TEST_F(MediaCommands, PreviewPlaysTheRealFileAndReportsEachFailureOnce)
{
    startupSettings().normeecriture = 1;
    auto editor = window("pages/index.htm");
    answers.playerErrors.push_back(ScriptedModals::PlayerError{2, "Format non pris en charge"});
    answers.playerErrors.push_back(std::nullopt);
    answer("sons", "ORAGE.WAV", [this](QDialog &d) {
        EXPECT_EQ(d.findChild<QLineEdit *>("Edit1")->text(), "orage.wav");
        answers.dialogs.push_back([](QDialog &viewer) {
            EXPECT_EQ(viewer.windowTitle(), texteDialogue(3000));
            click(viewer, "btPlay"); // fails: one message
            click(viewer, "btPlay"); // plays
            click(viewer, "btStop");
            return QDialog::Accepted;
        });
        click(d, "BitBtn1");
    });
    editor->runCommand("SonIE1");
    const QString path = site.filePath("sons/ORAGE.WAV");
    EXPECT_EQ(answers.playerCalls, (std::vector<QString>{"source " + path, "play", "source " + path,
                                                         "play", "source " + path, "stop", "stop"}))
        << "each click sets the file; closing the viewer stops";
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].text, "Code erreur: 2\nFormat non pris en charge");
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
    EXPECT_EQ(editor->control().text(), "<BGSOUND SRC=\"../sons/orage.wav\" LOOP=\"1\">");
}

// No caption of a wizard dialog shows the text of a missing key or number.
TEST_F(MediaCommands, NoDialogShowsAnUndefinedText)
{
    QByteArray settings = dir.readBytes("brindel.sav");
    settings.replace("[hr_epaisseur]=2\r\n", "");
    settings.replace("[hr_longueur]=90%\r\n", "");
    dir.writeBytes("brindel.sav", settings);
    std::vector<std::unique_ptr<QDialog>> own;
    own.push_back(std::make_unique<TTextarea>());
    own.push_back(std::make_unique<TBout_valid>());
    own.push_back(std::make_unique<Thr>());
    own.push_back(std::make_unique<Tlistes>());
    static_cast<Thr &>(*own[2]).loadSettings();
    TTab::instance().FormActivate();
    Tremplitableau::instance().FormActivate();
    Tmultimedia::instance().FormActivate();
    Tcouleur::instance().FormActivate();
    std::vector<QDialog *> dialogs = {&TTab::instance(), &Tremplitableau::instance(),
                                      &Tmultimedia::instance(), &Tcouleur::instance()};
    std::vector<FieldDialog *> fieldDialogs = {
        &Tcase_coch::instance(), &Tradio::instance(),     &Tmot_pass::instance(),
        &Tent_cache::instance(), &Timg_valid::instance(), &Tderoule::instance(),
        &Tchson::instance(),     &Tchoix_son::instance(), &Tapplet::instance()};
    for (auto &d : own)
        fieldDialogs.push_back(static_cast<FieldDialog *>(d.get()));
    for (FieldDialog *d : fieldDialogs) {
        if (d->objectName() != "Tderoule" && d->objectName() != "Tlistes")
            d->FormActivate();
        dialogs.push_back(d);
    }
    for (QDialog *d : dialogs) {
        QStringList texts{d->windowTitle()};
        for (QWidget *w : d->findChildren<QWidget *>()) {
            texts << w->toolTip();
            if (auto *l = qobject_cast<QLabel *>(w))
                texts << l->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                texts << b->text();
            else if (auto *e = qobject_cast<QLineEdit *>(w))
                texts << e->text();
            else if (auto *c = qobject_cast<QComboBox *>(w))
                texts << c->currentText();
        }
        for (const QString &text : texts)
            EXPECT_FALSE(text.contains(kIndefini)) << d->objectName().toStdString();
    }
}

} // namespace
