#include "app/appstate.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "platform/filechooser.h"
#include "platform/pictures.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/testpictures.h"
#include "wizards/imagedialogs.h"
#include "wizards/regionfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

template <typename W> W *child(QDialog &dialog, const char *name)
{
    W *widget = dialog.findChild<W *>(QString::fromLatin1(name));
    if (!widget)
        ADD_FAILURE() << "no control " << name << " in " << dialog.objectName().toStdString();
    return widget;
}

QString text(QDialog &dialog, const char *name)
{
    auto *edit = child<QLineEdit>(dialog, name);
    return edit ? edit->text() : QString();
}

QByteArray gifOf(int width, int height)
{
    testpictures::GifFrame frame{0, 0, width, height};
    for (int i = 0; i < width * height; ++i)
        frame.indexes << (i % 7 == 0 ? 1 : 0);
    return testpictures::gif({width, height, {0xFF2040A0, 0xFFFFFFFF}, {frame}});
}

class ImageCommands : public testing::Test
{
protected:
    ImageCommands()
    {
        appState() = AppState();
        startupSettings().normeecriture = 0;
        ecrireparametre(QStringLiteral("1"), QStringLiteral("visuimage"), settingsFile());
        QDir(dir.path()).mkpath(QStringLiteral("site/img"));
        QDir(dir.path()).mkpath(QStringLiteral("site/pages"));
        dir.writeBytes(QStringLiteral("site/img/logo.gif"), gifOf(120, 40));
        dir.writeBytes(QStringLiteral("site/img/plan.gif"), gifOf(200, 100));
        dir.writeBytes(QStringLiteral("site/img/Carte.GIF"), gifOf(3, 2));
        dir.writeBytes(QStringLiteral("site/img/abime.png"), QByteArray("\x89PNG\r\n\x1A\nrien"));
    }
    ~ImageCommands() override
    {
        appState() = AppState();
        startupSettings().normeecriture = 0;
    }

    QString images() const { return dir.path() + QStringLiteral("site/img"); }

    std::unique_ptr<Tedition> window(const QString &content, int caret,
                                     const QString &path = QString())
    {
        auto editor = std::make_unique<Tedition>(&host);
        if (!path.isEmpty())
            editor->openFile(path);
        editor->control().setText(content);
        editor->control().setSelection(caret, 0);
        return editor;
    }

    static QString shown(Tedition &editor)
    {
        QString content = editor.control().text();
        content.insert(editor.control().selStart(), QLatin1Char('|'));
        return content;
    }

    bool regionFileExists(RegionShape shape) const
    {
        return QFile::exists(dir.file(regionrecords::fileName(shape)));
    }

    // Picks `name` in a dialog's file chooser, in the images folder.
    void pick(FileChooser *chooser, const QString &name) const
    {
        chooser->setDirectory(images());
        EXPECT_TRUE(chooser->selectFile(name)) << name.toStdString();
    }

    // The link dialog answers a URL, then the alternative-text question `alt`.
    void answerLink(const QString &url, const QString &alt)
    {
        answers.dialogs.push_back([url](QDialog &d) {
            child<QRadioButton>(d, "RadioButton1")->setChecked(true);
            child<QLineEdit>(d, "Edit1")->setText(url);
            return int(QDialog::Accepted);
        });
        answers.inputAnswers.push_back(alt);
    }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

// The map of the example: one rectangle on plan.gif, at column 4 of a line; then a polygon
// and a circle in a second use of the editor, which numbers from 1 again.
TEST_F(ImageCommands, MapCommandInsertsTheMapAndRemovesTheRegionFiles)
{
    auto editor = window(QStringLiteral("avant\r\n    suite"), 11);
    answers.dialogs.push_back([&](QDialog &d) {
        auto &map = static_cast<TMap &>(d);
        pick(map.chooser(), QStringLiteral("plan.gif"));
        EXPECT_EQ(text(d, "Edit1"), QStringLiteral("plan.gif"));
        map.FileListBox1DblClick();
        EXPECT_EQ(text(d, "Edit3"), QStringLiteral("100"));
        EXPECT_EQ(text(d, "Edit4"), QStringLiteral("200"));
        EXPECT_EQ(text(d, "Edit2"), QStringLiteral("plan.gif"));
        // Empty name refused, the dialog stays open.
        child<QLineEdit>(d, "Edit2")->clear();
        d.setResult(QDialog::Rejected);
        child<QPushButton>(d, "OKBtn")->click();
        EXPECT_EQ(d.result(), int(QDialog::Rejected));
        EXPECT_EQ(answers.messages.back().text,
                  QStringLiteral("Le champ Nom de la Map est obligatoire"));
        child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("plan.gif"));
        child<QPushButton>(d, "OKBtn")->click();
        EXPECT_EQ(d.result(), int(QDialog::Accepted));
        return int(QDialog::Accepted);
    });
    answers.dialogs.push_back([&](QDialog &d) {
        auto &cut = static_cast<Tdecoupe &>(d);
        EXPECT_EQ(cut.picture().size(), QSize(200, 100));
        cut.Image1MouseDown({10, 10});
        EXPECT_EQ(d.windowTitle(), texteDialogue(3808));
        answerLink(QStringLiteral("a.htm"), QStringLiteral("A"));
        cut.Image1MouseDown({50, 40});
        EXPECT_EQ(d.windowTitle(), texteDialogue(3807));
        // The record is in rect.tmp while the editor is open; the rectangle is drawn yellow.
        EXPECT_EQ(regionrecords::decodeRect(RegionFile(dir.path(), RegionShape::Rect).read(1)),
                  (RectRegion{{10, 10}, {50, 40}, {"a.htm", "A", false}}));
        EXPECT_EQ(cut.canvas().pixel(30, 10), qRgb(255, 255, 0));
        cut.Image1MouseMove({7, 9});
        EXPECT_EQ(cut.positionLabel(1)->text(), QStringLiteral("X=7"));
        EXPECT_EQ(cut.positionLabel(2)->text(), QStringLiteral("Y=9"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Ractive1"));
    EXPECT_EQ(shown(*editor),
              QStringLiteral("avant\r\n"
                             "<IMG SRC=\"plan.gif\" HEIGHT=\"100\" WIDTH=\"200\" "
                             "USEMAP=\"#plan.gif\" BORDER=\"0\">\r\n"
                             "|     <MAP NAME=\"plan.gif\">\r\n"
                             "     <AREA HREF=\"a.htm\" SHAPE=\"rect\" COORDS=\"10,10,50,40\" "
                             "ALT=\"A\">\r\n"
                             "     </MAP>\r\n"
                             "    suite"));
    EXPECT_FALSE(regionFileExists(RegionShape::Rect));
    EXPECT_TRUE(answers.allAnswersUsed());
    // One undo step takes the whole map back.
    editor->control().undo();
    EXPECT_EQ(editor->control().text(), QStringLiteral("avant\r\n    suite"));

    // Second command: no region editor, so no region (the first command's counts are gone).
    auto other = window(QString(), 0);
    answers.dialogs.push_back([](QDialog &d) {
        child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("vide"));
        child<QCheckBox>(d, "CheckBox1")->setChecked(false);
        return int(QDialog::Accepted);
    });
    other->runCommand(QStringLiteral("Ractive1"));
    EXPECT_EQ(other->control().text(),
              QStringLiteral("<IMG SRC=\"plan.gif\" HEIGHT=\"100\" WIDTH=\"200\" "
                             "USEMAP=\"#vide\">\r\n <MAP NAME=\"vide\">\r\n </MAP>\r\n"));
    EXPECT_TRUE(answers.messages.size() == 1) << "no error for the second command";
}

TEST_F(ImageCommands, MapCommandWithAnUnreadableRegionInsertsNothingAndRemovesTheFiles)
{
    auto editor = window(QStringLiteral("x"), 1);
    answers.dialogs.push_back([&](QDialog &d) {
        auto &map = static_cast<TMap &>(d);
        pick(map.chooser(), QStringLiteral("plan.gif"));
        map.FileListBox1DblClick();
        // The rectangle's file disappears before the command reads it.
        QFile::remove(dir.file(QStringLiteral("rect.tmp")));
        return int(QDialog::Accepted);
    });
    answers.dialogs.push_back([&](QDialog &d) {
        auto &cut = static_cast<Tdecoupe &>(d);
        cut.BitBtn2Click();
        cut.Image1MouseDown({0, 0});
        answerLink(QStringLiteral("c.htm"), QStringLiteral("C"));
        cut.Image1MouseDown({3, 4});
        cut.BitBtn1Click();
        cut.Image1MouseDown({1, 1});
        answerLink(QStringLiteral("r.htm"), QStringLiteral("R"));
        cut.Image1MouseDown({2, 2});
        // A polygon after a stop: the clicks between count nothing.
        cut.BitBtn3Click();
        cut.Image1MouseDown({5, 5});
        cut.Image1MouseDown({9, 5});
        answerLink(QStringLiteral("p.htm"), QString());
        cut.BitBtn4Click();
        EXPECT_FALSE(cut.button(4)->isEnabled());
        cut.Image1MouseDown({20, 20});
        EXPECT_EQ(regionrecords::decodePoly(RegionFile(dir.path(), RegionShape::Poly).read(1))
                      ->vertexCount(),
                  2);
        EXPECT_TRUE(regionFileExists(RegionShape::Circle));
        return int(QDialog::Rejected);
    });
    editor->runCommand(QStringLiteral("Ractive1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("x"));
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(answers.messages[0].text.contains(QStringLiteral("rect.tmp")));
    for (RegionShape shape : {RegionShape::Rect, RegionShape::Circle, RegionShape::Poly})
        EXPECT_FALSE(regionFileExists(shape));
}

TEST_F(ImageCommands, StaticImageWithAndWithoutProject)
{
    // No project: the example tag.
    auto editor = window(QStringLiteral("ab"), 1);
    answers.dialogs.push_back([&](QDialog &d) {
        auto &chooser = static_cast<Tchimage &>(d);
        pick(chooser.chooser(), QStringLiteral("logo.gif"));
        EXPECT_EQ(text(d, "Edit4"), QStringLiteral("logo.gif"));
        chooser.FileListBox1DblClick();
        EXPECT_EQ(chooser.preview()->size(), QSize(120, 40));
        EXPECT_EQ(text(d, "Edit2"), QStringLiteral("40"));
        EXPECT_EQ(text(d, "Edit3"), QStringLiteral("120"));
        return int(QDialog::Accepted);
    });
    editor->runCommand(QStringLiteral("Statiques1"));
    EXPECT_EQ(shown(*editor), QStringLiteral("a<IMG SRC=\"logo.gif\" BORDER=\"0\" HEIGHT=\"40\" "
                                             "WIDTH=\"120\" ALT=\"logo.gif\">|b"));

    // A project: the chooser starts in it, the path is relative, the case rule applies; a
    // selection change empties the sizes, and a damaged picture leaves them empty.
    appState().projectOpen = true;
    appState().projectDirectory = dir.path() + QStringLiteral("site");
    startupSettings().normeecriture = 2;
    auto page = window(QString(), 0, dir.file(QStringLiteral("site/pages/index.htm")));
    answers.dialogs.push_back([&](QDialog &d) {
        auto &chooser = static_cast<Tchimage &>(d);
        EXPECT_EQ(chooser.chooser()->directory(), appState().projectDirectory);
        EXPECT_EQ(text(d, "Edit2"), QString()) << "activation empties the fields";
        pick(chooser.chooser(), QStringLiteral("logo.gif"));
        chooser.FileListBox1DblClick();
        EXPECT_EQ(text(d, "Edit2"), QStringLiteral("40"));
        EXPECT_TRUE(chooser.chooser()->selectFile(QStringLiteral("abime.png")));
        EXPECT_EQ(text(d, "Edit2"), QString());
        EXPECT_EQ(text(d, "Edit3"), QString());
        chooser.FileListBox1DblClick();
        EXPECT_EQ(text(d, "Edit2"), QString());
        EXPECT_TRUE(answers.messages.back().text.contains(QStringLiteral("abime.png")));
        EXPECT_TRUE(chooser.chooser()->selectFile(QStringLiteral("Carte.GIF")));
        chooser.FileListBox1DblClick();
        child<QCheckBox>(d, "CheckBox1")->setChecked(false);
        return int(QDialog::Accepted);
    });
    page->runCommand(QStringLiteral("Statiques1"));
    EXPECT_EQ(page->control().text(),
              QStringLiteral("<IMG SRC=\"../IMG/CARTE.GIF\" HEIGHT=\"2\" WIDTH=\"3\" "
                             "ALT=\"Carte.GIF\">"));

    // OK with no file selected: nothing.
    auto empty = window(QString(), 0);
    answers.dialogs.push_back([](QDialog &d) {
        static_cast<Tchimage &>(d).chooser()->setDirectory(QDir::rootPath());
        return int(QDialog::Accepted);
    });
    empty->runCommand(QStringLiteral("Statiques1"));
    EXPECT_EQ(empty->control().text(), QString());
}

TEST_F(ImageCommands, ConversionsDecodeTheSelectedFileAndRefuseWhatTheyCannotDo)
{
    Tchimage &chooser = Tchimage::instance();
    chooser.FormActivate();
    pick(chooser.chooser(), QStringLiteral("logo.gif"));
    const auto jpegSize = [&](const char *quality) {
        chooser.quality()->setEditText(QString::fromLatin1(quality));
        chooser.chooser()->selectFile(QStringLiteral("logo.gif"));
        chooser.BitBtn4Click();
        return QFileInfo(images() + QStringLiteral("/logo.jpg")).size();
    };
    const qint64 small = jpegSize("10");
    const qint64 large = jpegSize("90");
    EXPECT_LT(small, large);
    const PictureResult jpeg = readPicture(images() + QStringLiteral("/logo.jpg"));
    ASSERT_TRUE(jpeg.ok());
    EXPECT_EQ(jpeg.image.size(), QSize(120, 40));

    chooser.chooser()->selectFile(QStringLiteral("logo.gif"));
    chooser.BitBtn5Click();
    const PictureResult png = readPicture(images() + QStringLiteral("/logo.png"));
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(png.image.convertToFormat(QImage::Format_ARGB32),
              readPicture(images() + QStringLiteral("/logo.gif")).image);
    EXPECT_TRUE(answers.messages.empty());

    const struct {
        const char *file;
        const char *quality;
        bool png;
        const char *inMessage;
    } refusals[] = {
        {"logo.jpg", "50", false, "déjà"},       {"logo.png", "50", true, "déjà"},
        {"logo.gif", "abc", false, "1 à 100"},   {"logo.gif", "0", false, "1 à 100"},
        {"abime.png", "50", false, "abime.png"},
    };
    for (const auto &r : refusals) {
        SCOPED_TRACE(r.file);
        const QByteArray before = dir.readBytes(QStringLiteral("site/img/logo.jpg"));
        chooser.chooser()->selectFile(QString::fromLatin1(r.file));
        chooser.quality()->setEditText(QString::fromLatin1(r.quality));
        if (r.png)
            chooser.BitBtn5Click();
        else
            chooser.BitBtn4Click();
        ASSERT_FALSE(answers.messages.empty());
        EXPECT_TRUE(answers.messages.back().text.contains(QString::fromUtf8(r.inMessage)))
            << answers.messages.back().text.toStdString();
        answers.messages.clear();
        EXPECT_EQ(dir.readBytes(QStringLiteral("site/img/logo.jpg")), before);
    }
    EXPECT_FALSE(QFile::exists(images() + QStringLiteral("/abime.jpg")));

    // External viewers: the desktop's, then a program with the path as its one argument.
    ecrireparametre(QStringLiteral("2"), QStringLiteral("visuimage"), settingsFile());
    chooser.chooser()->selectFile(QStringLiteral("logo.gif"));
    chooser.FileListBox1DblClick();
    ASSERT_EQ(answers.openedUrls.size(), 1u);
    EXPECT_EQ(answers.openedUrls[0].toLocalFile(), images() + QStringLiteral("/logo.gif"));
    ecrireparametre(QStringLiteral("3"), QStringLiteral("visuimage"), settingsFile());
    ecrireparametre(QStringLiteral("/usr/bin/visionneuse"), QStringLiteral("cheminvisuimage"),
                    settingsFile());
    chooser.FileListBox1DblClick();
    ASSERT_EQ(answers.launches.size(), 1u);
    EXPECT_EQ(answers.launches[0].program, QStringLiteral("/usr/bin/visionneuse"));
    EXPECT_EQ(answers.launches[0].arguments, QStringList{images() + QStringLiteral("/logo.gif")});
    EXPECT_TRUE(chooser.edit(2)->text().isEmpty());
}

} // namespace
