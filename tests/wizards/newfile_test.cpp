#include "app/appstate.h"
#include "app/tecran.h"
#include "app/tprojet.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/testpictures.h"
#include "wizards/newpage.h"
#include "wizards/tchoix.h"
#include "wizards/tchoixfond.h"
#include "wizards/tdebuthtm.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace
{

template <typename W> W *child(QWidget &dialog, const char *name)
{
    W *found = dialog.findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Answers the chooser by clicking `item` in its list (or selecting it and pressing OK).
std::function<int(QDialog &)> pick(int item, bool withOk = false)
{
    return [item, withOk](QDialog &d) {
        auto *list = child<QListView>(d, "ListView1");
        const QModelIndex index = list->model()->index(item, 0);
        if (withOk) {
            list->setCurrentIndex(index);
            child<QPushButton>(d, "BitBtn1")->click();
        } else {
            Q_EMIT list->clicked(index);
        }
        return d.result();
    };
}

std::function<int(QDialog &)> press(const char *button)
{
    return [button](QDialog &d) {
        child<QPushButton>(d, button)->click();
        return d.result();
    };
}

class NewFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        tecran.show();
        appState().projectDirectory = dir.path(); // the program directory, with its "/"
    }
    void TearDown() override
    {
        for (Tedition *editor : tecran.editors())
            editor->approveClose();
        tecran.close();
    }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    Tecran tecran;
};

TEST_F(NewFiles, ChooserMakesEachKindOfFile)
{
    EXPECT_TRUE(tecran.action("FileNewItem")->isEnabled());
    EXPECT_TRUE(tecran.toolButton("ToolButton9")->isEnabled());

    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), texteDialogue(3200));
        auto *list = child<QListView>(d, "ListView1");
        EXPECT_EQ(list->iconSize(), QSize(32, 32));
        auto *items = qobject_cast<QStandardItemModel *>(list->model());
        EXPECT_EQ(items->rowCount(), 7);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(items->item(i)->text(), texteDialogue(3201 + i));
        for (int i = 0; i < 7; ++i)
            EXPECT_TRUE(items->item(i)->isEnabled()) << i;
        return pick(Tchoix::Script)(d);
    });
    tecran.action("FileNewItem")->trigger();
    answers.dialogs.push_back(pick(Tchoix::StyleSheet, true));
    tecran.toolButton("ToolButton9")->click();
    answers.dialogs.push_back(pick(Tchoix::Text));
    tecran.activeEditor()->runCommand("Nouveau1");
    answers.dialogs.push_back(pick(Tchoix::Channel));
    tecran.activeEditor()->runCommand("Nouveau1");
    // OK without a selection, and cancel: nothing.
    answers.dialogs.push_back([](QDialog &d) {
        child<QListView>(d, "ListView1")->clearSelection();
        return press("BitBtn1")(d);
    });
    tecran.action("FileNewItem")->trigger();
    answers.dialogs.push_back(press("BitBtn2"));
    tecran.action("FileNewItem")->trigger();
    // The frames page item hands over to the frames wizard (cancelled here).
    answers.dialogs.push_back(pick(Tchoix::FramesPage));
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.objectName(), "Tfichier_frame");
        return int(QDialog::Rejected);
    });
    tecran.action("FileNewItem")->trigger();
    // The site item shows the project chooser with its directory button; OK opens the
    // chosen directory as the project.
    const QString site = dir.file("site");
    QDir().mkpath(site);
    answers.dialogs.push_back(pick(Tchoix::Site));
    answers.dialogs.push_back([&](QDialog &d) {
        EXPECT_EQ(d.objectName(), "Tprojet");
        d.show();
        EXPECT_TRUE(child<QPushButton>(d, "BitBtn1")->isVisible());
        static_cast<Tprojet &>(d).setDirectory(site);
        return press("OKBtn")(d);
    });
    tecran.action("FileNewItem")->trigger();
    EXPECT_EQ(appState().projectDirectory, site);
    EXPECT_TRUE(appState().projectOpen);
    EXPECT_TRUE(answers.allAnswersUsed());

    const QList<Tedition *> editors = tecran.editors();
    ASSERT_EQ(editors.size(), 4);
    const char *captions[] = {"(defaut).js", "(defaut).css", "(defaut).txt", "(defaut).cdf"};
    for (int i = 0; i < 4; ++i) {
        Tedition *e = editors[i];
        EXPECT_EQ(e->windowTitle(), captions[i]);
        EXPECT_TRUE(e->fileName().isEmpty()) << captions[i];
        EXPECT_TRUE(e->control().isModified()) << captions[i];
        EXPECT_TRUE(e->command("Enregistrer1")->isEnabled()) << captions[i];
        if (i < 3)
            EXPECT_TRUE(e->control().text().isEmpty()) << captions[i];
    }
    Tedition *channel = editors[3];
    EXPECT_EQ(channel->control().text(), channelSkeleton().join("\r\n"));
    EXPECT_EQ(channel->control().selStart(), 0) << "the caret stays at the start";
    EXPECT_TRUE(tecran.toolButton("ToolButton2")->isEnabled());
}

TEST_F(NewFiles, WizardWritesThePageAndKeepsItsAnswers)
{
    const QString picture = dir.file("images/fond.gif");
    QDir().mkpath(dir.file("images"));
    dir.writeBytes("images/fond.gif",
                   testpictures::gif({64,
                                      48,
                                      {qRgb(240, 230, 200), qRgb(0, 0, 0)},
                                      {{0, 0, 64, 48, QList<int>(64 * 48, 0)}}}));
    int shown = 0;
    // First page: title typed, then colours, a picture and the preview; the title survives.
    answers.dialogs.push_back(pick(Tchoix::HtmlPage));
    answers.dialogs.push_back([&](QDialog &d) {
        ++shown;
        EXPECT_EQ(d.windowTitle(), texteDialogue(400));
        EXPECT_EQ(child<QLineEdit>(d, "Edit1")->text(), texteDialogue(402));
        for (const char *b : {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"})
            EXPECT_FALSE(child<QPushButton>(d, b)->isEnabled()) << b;
        child<QLineEdit>(d, "Edit1")->setText("Accueil");

        child<QCheckBox>(d, "CheckBox2")->click();
        EXPECT_TRUE(child<QPushButton>(d, "Button2")->isEnabled());
        EXPECT_EQ(d.focusWidget(), child<QPushButton>(d, "Button2"));
        child<QPushButton>(d, "Button2")->click(); // colour dialog: a dark green
        EXPECT_EQ(Tchoixfond::instance().labelColour(1), QColor(0, 100, 0))
            << "the preview label takes the colour at once";
        child<QCheckBox>(d, "CheckBox4")->click(); // red, never changed

        child<QCheckBox>(d, "CheckBox6")->click();
        child<QPushButton>(d, "Button6")->click(); // the picture dialog
        child<QPushButton>(d, "BitBtn2")->click(); // Aperçu
        EXPECT_EQ(child<QLineEdit>(d, "Edit1")->text(), "Accueil");
        child<QPushButton>(d, "OKBtn")->click();
        return d.result();
    });
    answers.colorAnswers.push_back(QColor(0, 100, 0));
    answers.openAnswers.push_back(picture);
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(d.objectName(), "Tchoixfond");
        EXPECT_EQ(d.windowTitle(), texteDialogue(900));
        const Tchoixfond &preview = static_cast<Tchoixfond &>(d);
        // Every colour goes to its label, ticked or not.
        EXPECT_EQ(preview.labelColour(0), QColor(Qt::white));
        EXPECT_EQ(preview.labelColour(1), QColor(0, 100, 0));
        EXPECT_EQ(preview.labelColour(2), QColor(Qt::blue));
        EXPECT_EQ(preview.labelColour(3), QColor(Qt::red));
        EXPECT_EQ(preview.labelColour(4), QColor(128, 0, 128));
        EXPECT_EQ(child<QLabel>(d, "Label5")->pos(), QPoint(32, 112));
        return press("OKBtn")(d);
    });
    answers.dialogs.push_back(press("OKBtn")); // Tmeta, nothing ticked
    tecran.action("FileNewItem")->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(Tchoixfond::instance().pictureSize(), QSize(64, 48));
    ASSERT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_EQ(answers.fileRequests[0].directory, dir.path());
    EXPECT_TRUE(answers.fileRequests[0].filter.contains("*.jpeg"));

    ASSERT_EQ(tecran.editors().size(), 1);
    Tedition *page = tecran.activeEditor();
    EXPECT_EQ(page->windowTitle(), "(defaut).htm");
    EXPECT_TRUE(page->fileName().isEmpty());
    EXPECT_TRUE(page->control().isModified());
    EXPECT_EQ(page->control().lineCount(), 19);
    EXPECT_EQ(page->control().line(7), "<TITLE>Accueil</TITLE>");
    EXPECT_EQ(page->control().line(12),
              "<BODY BACKGROUND=\"images/fond.gif\" TEXT=\"#006400\" ALINK=\"#FF0000\">");
    EXPECT_EQ(page->control().selStart(), page->control().lineIndex(14));

    // Second use: the meta dialog is cancelled, nothing is made; the title was reset on
    // opening while the ticks stayed.
    answers.dialogs.push_back(pick(Tchoix::HtmlPage));
    answers.dialogs.push_back([](QDialog &d) {
        EXPECT_EQ(child<QLineEdit>(d, "Edit1")->text(), texteDialogue(402));
        EXPECT_TRUE(child<QCheckBox>(d, "CheckBox2")->isChecked());
        EXPECT_TRUE(child<QPushButton>(d, "Button2")->isEnabled());
        child<QCheckBox>(d, "CheckBox2")->click(); // cleared: the colour stays chosen
        return press("OKBtn")(d);
    });
    answers.dialogs.push_back(press("CancelBtn")); // Tmeta
    tecran.action("FileNewItem")->trigger();
    EXPECT_EQ(tecran.editors().size(), 1);
    EXPECT_EQ(Tdebuthtm::instance().colour(1), QColor(0, 100, 0));
    EXPECT_EQ(Tdebuthtm::instance().imagePath(), picture);
    EXPECT_TRUE(answers.allAnswersUsed());
    EXPECT_EQ(answers.dialogsShown,
              (std::vector<QString>{"Tchoix", "Tdebuthtm", "Tchoixfond", "Tmeta", "Tchoix",
                                    "Tdebuthtm", "Tmeta"}));
}

TEST_F(NewFiles, PreviewShowsGifJpegAndPngAndKeepsItsPictureOnBadFiles)
{
    using namespace testpictures;
    QImage colours(30, 20, QImage::Format_RGB32);
    colours.fill(Qt::darkCyan);
    dir.writeBytes("a.gif", gif({40,
                                 30,
                                 {qRgb(255, 0, 0), qRgb(0, 0, 255)},
                                 {{0, 0, 40, 30, QList<int>(40 * 30, 1)}}}));
    dir.writeBytes("b.JPG", jpeg(colours, JpegKind::Rgb));
    dir.writeBytes("c.png", png({2 /* RGB */, 8, 3, 5, QList<int>(3 * 5 * 3, 200)}));
    dir.writeBytes("d.png", QByteArray("\x89PNG\r\n\x1a\n but not a picture"));
    dir.writeBytes("e.bmp", QByteArray("BM nothing"));

    struct Step {
        const char *file;
        QSize picture; // the preview's picture afterwards
        bool message;  // an error names the file
    };
    const Step steps[] = {
        {"a.gif", {40, 30}, false}, {"b.JPG", {30, 20}, false}, {"c.png", {3, 5}, false},
        {"d.png", {3, 5}, true},    {"e.bmp", {3, 5}, false},
    };
    for (const Step &step : steps)
        answers.openAnswers.push_back(dir.file(step.file));
    std::vector<QSize> sizes;
    std::vector<size_t> messages;
    answers.dialogs.push_back([&](QDialog &d) {
        child<QCheckBox>(d, "CheckBox6")->setChecked(true);
        for (size_t i = 0; i < std::size(steps); ++i) {
            child<QPushButton>(d, "Button6")->click();
            sizes.push_back(Tchoixfond::instance().pictureSize());
            messages.push_back(answers.messages.size());
        }
        return press("CancelBtn")(d);
    });
    Tdebuthtm::instance().run(tecran);
    ASSERT_EQ(sizes.size(), std::size(steps));
    size_t before = 0;
    for (size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(sizes[i], steps[i].picture) << steps[i].file;
        EXPECT_EQ(messages[i] - before, steps[i].message ? 1u : 0u) << steps[i].file;
        if (steps[i].message)
            EXPECT_TRUE(answers.messages.back().text.contains(steps[i].file)) << steps[i].file;
        before = messages[i];
    }
    // The last name chosen stays the background, shown or not.
    EXPECT_EQ(Tdebuthtm::instance().imagePath(), dir.file("e.bmp"));
    EXPECT_TRUE(tecran.editors().isEmpty());
}

TEST_F(NewFiles, PreviewFitsItsPictureWithinTheScreen)
{
    Tchoixfond &preview = Tchoixfond::instance();
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();

    preview.setPicture(QImage(400, 300, QImage::Format_RGB32));
    preview.fitToPicture();
    EXPECT_GE(preview.width(), 400);
    EXPECT_GE(preview.height(), 300 + child<QPushButton>(preview, "OKBtn")->sizeHint().height());

    // A picture smaller than the labels: the labels and OK still fit.
    preview.setPicture(QImage(4, 4, QImage::Format_RGB32));
    preview.fitToPicture();
    const QLabel *last = child<QLabel>(preview, "Label5");
    EXPECT_GT(preview.height(), last->geometry().bottom() +
                                    child<QPushButton>(preview, "OKBtn")->sizeHint().height());
    EXPECT_GT(preview.width(), last->geometry().right());

    // Larger than the screen: the window stays on it, the picture scrolls.
    preview.setPicture(QImage(screen.width() * 2, screen.height() * 2, QImage::Format_RGB32));
    preview.fitToPicture();
    EXPECT_LE(preview.width(), screen.width());
    EXPECT_LE(preview.height(), screen.height());
    EXPECT_EQ(preview.pictureSize(), screen * 2);
}

} // namespace
