#include "app/appstate.h"
#include "options/buttonglyph.h"
#include "options/personaltexts.h"
#include "options/toptions.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace
{

class OptionsDialog : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    Toptions dialog;

    void SetUp() override { personalTexts().load(settingsFile()); }

    template <typename W = QWidget> W *w(const char *name)
    {
        W *found = dialog.findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name) { w<QAbstractButton>(name)->click(); }

    // Shows the dialog once; `script` plays the user's part while it is open.
    int show(const std::function<void()> &script)
    {
        answers.dialogs.push_back([&, script](QDialog &d) {
            d.setResult(QDialog::Rejected);
            script();
            return d.result();
        });
        return dialog.execute();
    }

    QString get(const char *key) { return lireparametre(QString::fromLatin1(key), settingsFile()); }
    void set(const char *key, const QString &value)
    {
        ecrireparametre(value, QString::fromLatin1(key), settingsFile());
    }

    // A bitmap of `size` with a white background and one red pixel, made for the test.
    QString bitmap(const QString &name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setPixel(3, 3, qRgb(255, 0, 0));
        const QString path = dir.file(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
};

TEST_F(OptionsDialog, PersonalTextsLiveInMemoryUntilOk)
{
    const QByteArray before = dir.readBytes("brindel.sav");
    show([&] {
        EXPECT_EQ(w<QLabel>("Label1")->text(), texteDialogue(804));
        click("SpeedButton3");
        EXPECT_EQ(w<QLabel>("Label1")->text(), "3");
        EXPECT_EQ(w<QPlainTextEdit>("Memo1")->toPlainText(), "<HR>");
        w<QPlainTextEdit>("Memo1")->setPlainText("<HR SIZE=\"1\">\nsuite");
        click("Button1");
        click("BitBtn2");
    });
    EXPECT_EQ(dir.readBytes("brindel.sav"), before) << "Cancel writes nothing";
    EXPECT_EQ(personalTexts().text(3), "<HR SIZE=\"1\">\r\nsuite") << "memory keeps the change";

    // The next showing starts with no selection and an empty text box, and shows the
    // validated text from memory.
    show([&] {
        EXPECT_EQ(w<QLabel>("Label1")->text(), texteDialogue(804));
        EXPECT_EQ(w<QPlainTextEdit>("Memo1")->toPlainText(), "");
        click("Button1"); // nothing selected: nothing stored
        click("SpeedButton3");
        EXPECT_EQ(w<QPlainTextEdit>("Memo1")->toPlainText(), "<HR SIZE=\"1\">\nsuite");
        click("Button5");
        EXPECT_EQ(w<QPlainTextEdit>("Memo1")->toPlainText(), "");
        click("SpeedButton1");
        w<QPlainTextEdit>("Memo1")->setPlainText(QString(300, u'a'));
        click("Button1");
        click("BitBtn1");
    });
    EXPECT_EQ(personalTexts().text(3), "");
    EXPECT_EQ(get("chaine3"), "");
    EXPECT_EQ(get("chaine1"), QString(255, u'a'));
    EXPECT_EQ(get("chaine2"), "&nbsp;");
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(OptionsDialog, ClearAllThenCancelEmptiesPicturesAtOnceAndTextsInMemory)
{
    set("bouton5", bitmap("b5.bmp", QSize(16, 16)));
    set("bouton19", "/ailleurs/b19.bmp");
    show([&] {
        click("SpeedButton2");
        click("Button4");
        EXPECT_EQ(w<QPlainTextEdit>("Memo1")->toPlainText(), "&nbsp;") << "the box stays";
        click("BitBtn2");
    });
    for (int n = 1; n <= 19; ++n)
        EXPECT_EQ(lireparametre(personalPictureKey(n), settingsFile()), "") << n;
    EXPECT_EQ(get("chaine2"), "&nbsp;") << "texts are written only by OK";
    EXPECT_EQ(personalTexts().all(), QStringList(19, QString()));
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(OptionsDialog, PicturesAreSixteenBySixteenAndWrittenAtOnce)
{
    const QString good = bitmap("images/bon.bmp", QSize(16, 16));
    const QString wide = bitmap("images/large.bmp", QSize(17, 16));
    dir.writeBytes("images/faux.bmp", "pas une image");
    // A path longer than 255 characters passes whole.
    QString deep = "images";
    while (deep.size() < 280)
        deep += "/repertoire-assez-long";
    const QString far = bitmap(deep + "/loin.bmp", QSize(16, 16));
    ASSERT_GT(far.size(), 300);

    answers.openAnswers = {good, wide, dir.file("images/faux.bmp"), far};
    show([&] {
        click("Button2"); // no selection: no file dialog
        EXPECT_TRUE(answers.fileRequests.empty());
        click("Button3"); // no selection: nothing written, the restart message all the same
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].text,
                  "Il faut redémarrer Brindel pour que ces paramètres s'affichent");

        click("SpeedButton4");
        click("Button2");
        ASSERT_EQ(answers.fileRequests.size(), 1u);
        EXPECT_EQ(answers.fileRequests[0].caption, texteDialogue(5004) + " 4");
        EXPECT_EQ(get("bouton4"), good) << "written at once";
        EXPECT_EQ(w<QToolButton>("SpeedButton4")->text(), "");
        EXPECT_FALSE(w<QToolButton>("SpeedButton4")->icon().isNull());

        click("SpeedButton5");
        click("Button2");
        ASSERT_EQ(answers.messages.size(), 2u);
        EXPECT_EQ(answers.messages[1].kind, Modals::MessageKind::Information);
        EXPECT_EQ(answers.messages[1].text, texteDialogue(5005));
        EXPECT_EQ(get("bouton5"), "");
        EXPECT_EQ(w<QToolButton>("SpeedButton5")->text(), "5");

        click("Button2");
        ASSERT_EQ(answers.messages.size(), 3u);
        EXPECT_EQ(answers.messages[2].kind, Modals::MessageKind::Error);
        EXPECT_TRUE(answers.messages[2].text.contains("faux.bmp"));
        EXPECT_EQ(get("bouton5"), "");

        click("SpeedButton6");
        click("Button2");
        EXPECT_EQ(get("bouton6"), far);

        click("SpeedButton4");
        click("Button3");
        EXPECT_EQ(get("bouton4"), "");
        EXPECT_EQ(answers.messages.size(), 4u);
        click("BitBtn2");
    });
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(OptionsDialog, GlyphBackgroundIsTheBottomLeftPixelsColour)
{
    const QImage image(bitmap("g.bmp", QSize(16, 16)));
    const QImage glyph = transparentGlyph(image);
    EXPECT_EQ(qAlpha(glyph.pixel(0, 15)), 0);
    EXPECT_EQ(qAlpha(glyph.pixel(10, 2)), 0) << "the same colour elsewhere";
    EXPECT_EQ(glyph.pixel(3, 3), qRgba(255, 0, 0, 255));
}

TEST_F(OptionsDialog, PictureValuesThatDoNotLoadLeaveTheirNumbersAndActivationGoesOn)
{
    set("bouton1", bitmap("un.bmp", QSize(16, 16)));
    set("bouton2", "/nulle/part.bmp");
    set("bouton3", bitmap("trois.bmp", QSize(16, 16)));
    QByteArray bytes = dir.readBytes("brindel.sav");
    bytes.replace("[bouton4]=", "[bouton4-ancien]="); // reads "indéfini"
    dir.writeBytes("brindel.sav", bytes);
    set("normeecriture", "x");
    set("mailpardefaut", "ici@la.fr");
    show([&] {
        EXPECT_EQ(w<QToolButton>("SpeedButton1")->text(), "");
        EXPECT_EQ(w<QToolButton>("SpeedButton2")->text(), "2");
        EXPECT_EQ(w<QToolButton>("SpeedButton3")->text(), "");
        EXPECT_EQ(w<QToolButton>("SpeedButton4")->text(), "4");
        EXPECT_TRUE(w<QRadioButton>("RadioButton7")->isChecked()) << "not a number: 0";
        EXPECT_EQ(w<QLineEdit>("Edit3")->text(), "ici@la.fr") << "activation went on";
        EXPECT_EQ(w<QGroupBox>("GroupBox8")->title(), texteDialogue(335));
    });
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(startupSettings().normeecriture, 0);
}

TEST_F(OptionsDialog, ClipboardPurgeBoxWritesOnlyWhenClicked)
{
    set("presse", "0");
    const QByteArray before = dir.readBytes("brindel.sav");
    show([&] {
        EXPECT_FALSE(w<QCheckBox>("CheckBox2")->isChecked());
        EXPECT_EQ(dir.readBytes("brindel.sav"), before) << "activation writes nothing";
        EXPECT_TRUE(answers.messages.empty());
        click("CheckBox2");
        EXPECT_EQ(get("presse"), "1");
        EXPECT_TRUE(answers.messages.empty());
        click("CheckBox2");
        EXPECT_EQ(get("presse"), "0");
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Warning);
        EXPECT_EQ(answers.messages[0].text, texteDialogue(334));
    });
    QByteArray absent = dir.readBytes("brindel.sav");
    absent.replace("[presse]=", "[presse-ancien]=");
    dir.writeBytes("brindel.sav", absent);
    show([&] { EXPECT_TRUE(w<QCheckBox>("CheckBox2")->isChecked()); });
}

TEST_F(OptionsDialog, ViewerPathsAreEnabledExactlyWithAnotherProgram)
{
    set("visuimage", "3");
    set("visuhtml", "2");
    set("cheminvisuimage", "/usr/bin/voir");
    const QByteArray before = dir.readBytes("brindel.sav");
    const QString text = dir.file("texte.txt");
    dir.writeBytes("texte.txt", "rien");
    const QString program = dir.file("programme");
    dir.writeBytes("programme", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    answers.openAnswers = {text, program};
    show([&] {
        EXPECT_TRUE(w<QRadioButton>("RadioButton3")->isChecked());
        EXPECT_TRUE(w<QLineEdit>("Edit1")->isEnabled());
        EXPECT_TRUE(w<QPushButton>("Button6")->isEnabled());
        EXPECT_TRUE(w<QRadioButton>("RadioButton5")->isChecked());
        EXPECT_FALSE(w<QLineEdit>("Edit2")->isEnabled());
        EXPECT_FALSE(w<QPushButton>("Button7")->isEnabled());
        EXPECT_EQ(dir.readBytes("brindel.sav"), before);

        click("Button6"); // a file that is not a program is refused
        EXPECT_EQ(w<QLineEdit>("Edit1")->text(), "/usr/bin/voir");
        ASSERT_EQ(answers.messages.size(), 1u);
        click("Button6");
        EXPECT_EQ(w<QLineEdit>("Edit1")->text(), program);

        click("RadioButton1");
        EXPECT_FALSE(w<QLineEdit>("Edit1")->isEnabled());
        EXPECT_FALSE(w<QPushButton>("Button6")->isEnabled());
        click("RadioButton6");
        EXPECT_TRUE(w<QLineEdit>("Edit2")->isEnabled());
        EXPECT_TRUE(w<QPushButton>("Button7")->isEnabled());
        w<QLineEdit>("Edit3")->setText("moi@chez.moi");
        click("CheckBox1");
        click("RadioButton9");
        click("RadioButton11");
        click("BitBtn1");
    });
    EXPECT_EQ(get("visuimage"), "1");
    EXPECT_EQ(get("visuhtml"), "3");
    EXPECT_EQ(get("cheminvisuimage"), program);
    EXPECT_EQ(get("mailpardefaut"), "moi@chez.moi");
    EXPECT_EQ(get("astuce"), "non");
    EXPECT_EQ(get("normeecriture"), "2");
    EXPECT_EQ(get("indentation"), "1");
    EXPECT_FALSE(appState().smartIndentation);
    EXPECT_EQ(startupSettings().normeecriture, 2) << "names follow the new case at once";
    appState().smartIndentation = true;
}

TEST_F(OptionsDialog, ChosenLanguageFileServesTheNextLookup)
{
    // The first line of a number is the one read.
    dir.writeBytes("autre.dlg",
                   "300$R\xe9glages d'essai\r\n" + dir.readBytes("langue/francais.dlg"));
    answers.openAnswers = {dir.file("langue"), dir.file("autre.dlg")};
    const QString before = startupSettings().dialogue;
    show([&] {
        click("Button10"); // a directory cannot be read: refused, nothing changes
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
        EXPECT_EQ(startupSettings().dialogue, before);
        EXPECT_EQ(get("dialogue"), "");
        EXPECT_EQ(w<QLineEdit>("Edit6")->text(), "");

        click("Button10");
        EXPECT_EQ(answers.fileRequests[1].directory, programDirectory());
        EXPECT_EQ(w<QLineEdit>("Edit6")->text(), dir.file("autre.dlg"));
        EXPECT_EQ(get("dialogue"), dir.file("autre.dlg"));
        EXPECT_EQ(texteDialogue(300), "Réglages d'essai");
        click("BitBtn2");
    });
    show([&] { EXPECT_EQ(dialog.windowTitle(), "Réglages d'essai"); });
    EXPECT_EQ(w<QLineEdit>("Edit6")->text(), dir.file("autre.dlg"));
}

// Where each numbered text of the dialog language file goes.
struct CaptionCase {
    int number;
    const char *control;
};

const CaptionCase kCaptionCases[] = {
    {301, "TabSheet1"},    {302, "TabSheet2"},     {303, "TabSheet3"},     {304, "TabSheet4"},
    {305, "TabSheet5"},    {338, "TabSheet6"},     {306, "Label2"},        {307, "Button1"},
    {308, "Button2"},      {309, "Button5"},       {310, "Button3"},       {311, "Button4"},
    {312, "GroupBox1"},    {313, "RadioButton1"},  {314, "RadioButton2"},  {315, "RadioButton3"},
    {316, "Button6"},      {317, "GroupBox2"},     {318, "RadioButton4"},  {319, "RadioButton5"},
    {320, "RadioButton6"}, {321, "Button7"},       {322, "GroupBox3"},     {323, "Label3"},
    {324, "CheckBox1"},    {325, "GroupBox4"},     {326, "RadioButton7"},  {327, "RadioButton8"},
    {328, "RadioButton9"}, {329, "GroupBox5"},     {330, "GroupBox6"},     {331, "GroupBox7"},
    {332, "Button8"},      {332, "Button9"},       {332, "Button10"},      {804, "Label1"},
    {1, "BitBtn1"},        {2, "BitBtn2"},         {3, "BitBtn3"},         {333, "CheckBox2"},
    {335, "GroupBox8"},    {336, "RadioButton10"}, {337, "RadioButton11"},
};

QString captionOf(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->title();
    return QString();
}

TEST_F(OptionsDialog, EveryCaptionComesFromItsNumber)
{
    QByteArray numbered;
    for (int n = 1; n <= 5100; ++n)
        numbered += QByteArray::number(n) + "$#" + QByteArray::number(n) + "\r\n";
    dir.writeBytes("essai.dlg", numbered);
    startupSettings().dialogue = dir.file("essai.dlg");
    answers.openAnswers = {QString()};
    show([&] {
        EXPECT_EQ(dialog.windowTitle(), "#300");
        auto *pages = w<QTabWidget>("PageControl1");
        for (const CaptionCase &c : kCaptionCases) {
            QWidget *control = w(c.control);
            if (!control)
                continue;
            const int page = pages->indexOf(control);
            const QString shown = page >= 0 ? pages->tabText(page) : captionOf(control);
            EXPECT_EQ(shown, QStringLiteral("#%1").arg(c.number)) << c.control;
        }
        click("SpeedButton7");
        click("Button2");
        ASSERT_EQ(answers.fileRequests.size(), 1u);
        EXPECT_EQ(answers.fileRequests[0].caption, "#5004 7");
        click("CheckBox2");
        click("CheckBox2");
        ASSERT_FALSE(answers.messages.empty());
        EXPECT_EQ(answers.messages.back().text, "#334");
    });
}

TEST_F(OptionsDialog, ShippedTextsLabelEveryControl)
{
    show([&] {
        for (QWidget *widget : dialog.findChildren<QWidget *>()) {
            const QString text = captionOf(widget) + widget->toolTip();
            EXPECT_FALSE(text.contains(kIndefini)) << widget->objectName().toStdString();
            EXPECT_FALSE(text.contains("Windows")) << widget->objectName().toStdString();
        }
        EXPECT_FALSE(dialog.windowTitle().contains(kIndefini));
        click("BitBtn3");
    });
    // Help opens the options page of the manual.
    QStringList handed;
    for (const QUrl &url : answers.openedUrls)
        handed << url.toString();
    for (const auto &launch : answers.launches)
        handed << launch.arguments;
    handed << lireparametre("fichier", viewerHandOffFile());
    EXPECT_TRUE(handed.join(' ').contains("aide/aide.htm#bouton"))
        << handed.join(' ').toStdString();
}

} // namespace
