#include "options/toptions.h"

#include "options/buttonglyph.h"
#include "options/personaltexts.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace
{

QPointer<Toptions> &theInstance()
{
    static QPointer<Toptions> window;
    return window;
}

// Dialog language numbers and the controls they caption, in the order they are applied.
struct Caption {
    int number;
    const char *name;
};

const Caption kCaptions[] = {
    {300, "Toptions"},     {301, "TabSheet1"},    {302, "TabSheet2"},     {303, "TabSheet3"},
    {304, "TabSheet4"},    {305, "TabSheet5"},    {338, "TabSheet6"},     {306, "Label2"},
    {307, "Button1"},      {308, "Button2"},      {310, "Button3"},       {311, "Button4"},
    {309, "Button5"},      {312, "GroupBox1"},    {313, "RadioButton1"},  {314, "RadioButton2"},
    {315, "RadioButton3"}, {316, "Button6"},      {317, "GroupBox2"},     {318, "RadioButton4"},
    {319, "RadioButton5"}, {320, "RadioButton6"}, {321, "Button7"},       {322, "GroupBox3"},
    {323, "Label3"},       {324, "CheckBox1"},    {325, "GroupBox4"},     {326, "RadioButton7"},
    {327, "RadioButton8"}, {328, "RadioButton9"}, {329, "GroupBox5"},     {330, "GroupBox6"},
    {331, "GroupBox7"},    {332, "Button8"},      {332, "Button9"},       {332, "Button10"},
    {804, "Label1"},       {1, "BitBtn1"},        {2, "BitBtn2"},         {3, "BitBtn3"},
    {333, "CheckBox2"},    {335, "GroupBox8"},    {336, "RadioButton10"}, {337, "RadioButton11"},
};

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton *pushButton(QWidget *parent, const char *name, const char *caption)
{
    return named(new QPushButton(QString::fromUtf8(caption), parent), name);
}

QRadioButton *radioButton(QWidget *parent, const char *name, const char *caption)
{
    return named(new QRadioButton(QString::fromUtf8(caption), parent), name);
}

int checkedIndex(QRadioButton *const *radios, int count)
{
    for (int i = 0; i < count; ++i) {
        if (radios[i]->isChecked())
            return i;
    }
    return -1;
}

void check(QRadioButton *const *radios, int count, int index)
{
    for (int i = 0; i < count; ++i)
        radios[i]->setChecked(i == index);
}

} // namespace

Toptions::Toptions(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Toptions"));
    setWindowTitle(QStringLiteral("Options de Brindel"));
    setSizeGripEnabled(true);
    resize(528, 331);

    m_pages = named(new QTabWidget(this), "PageControl1");
    const char *const sheets[] = {
        "Barre d'outils", "Visualisateur images", "Visualisateur HTML", "Editeur", "Langue",
        "Ecriture"};
    for (int i = 0; i < 6; ++i) {
        m_sheets[i] = new QWidget(m_pages);
        m_sheets[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        m_pages->addTab(m_sheets[i], QString::fromUtf8(sheets[i]));
    }
    buildBarTab();
    buildViewerTab(1, QStringLiteral("GroupBox1"), m_imageGroup, m_imageRadios, m_edit1, m_button6,
                   1);
    buildViewerTab(2, QStringLiteral("GroupBox2"), m_htmlGroup, m_htmlRadios, m_edit2, m_button7,
                   4);
    buildEditorTab();
    buildLanguageTab();
    buildWritingTab();

    auto *ok = pushButton(this, "BitBtn1", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (guarded(this, [this] { BitBtn1Click(); }))
            accept();
    });
    auto *cancel = pushButton(this, "BitBtn2", "Annuler");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *help = pushButton(this, "BitBtn3", "Aide");
    connect(help, &QPushButton::clicked, this, [this] { BitBtn3Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
}

void Toptions::buildBarTab()
{
    QWidget *sheet = m_sheets[0];
    auto *strip = new QHBoxLayout;
    strip->setSpacing(1);
    for (int number = 1; number <= kPersonalButtons; ++number) {
        auto *button = new QToolButton(sheet);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
        button->setText(QString::number(number));
        button->setFixedSize(23, 22);
        button->setIconSize(QSize(16, 16));
        connect(button, &QToolButton::clicked, this, [this, number] { SpeedButtonClick(number); });
        m_speedButtons.append(button);
        strip->addWidget(button);
    }
    strip->addStretch();

    m_label1 = named(new QLabel(QStringLiteral("aucun"), sheet), "Label1");
    QFont bold = m_label1->font();
    bold.setBold(true);
    m_label1->setFont(bold);
    m_label2 = named(new QLabel(QStringLiteral("Texte à afficher"), sheet), "Label2");
    m_memo = named(new QPlainTextEdit(sheet), "Memo1");
    m_memo->setTabChangesFocus(true);
    m_image1 = named(new QLabel(sheet), "Image1");
    m_image1->hide();

    auto *button1 = pushButton(sheet, "Button1", "Valider bouton");
    auto *button5 = pushButton(sheet, "Button5", "Effacer bouton");
    auto *button2 = pushButton(sheet, "Button2", "Image");
    auto *button3 = pushButton(sheet, "Button3", "Effacer image");
    auto *button4 = pushButton(sheet, "Button4", "Tout effacer");
    button4->setToolTip(QStringLiteral("Tous les boutons"));
    connect(button1, &QPushButton::clicked, this, [this] { runGuarded(&Toptions::Button1Click); });
    connect(button5, &QPushButton::clicked, this, [this] { runGuarded(&Toptions::Button5Click); });
    connect(button2, &QPushButton::clicked, this, [this] { runGuarded(&Toptions::Button2Click); });
    connect(button3, &QPushButton::clicked, this, [this] { runGuarded(&Toptions::Button3Click); });
    connect(button4, &QPushButton::clicked, this, [this] { runGuarded(&Toptions::Button4Click); });

    auto *title = new QHBoxLayout;
    title->addWidget(m_label2);
    title->addWidget(m_label1);
    title->addStretch();
    auto *actions = new QVBoxLayout;
    for (QPushButton *button : {button1, button5, button2, button3, button4})
        actions->addWidget(button);
    actions->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(m_memo, 1);
    body->addLayout(actions);
    auto *layout = new QVBoxLayout(sheet);
    layout->addLayout(strip);
    layout->addLayout(title);
    layout->addLayout(body, 1);
}

void Toptions::buildViewerTab(int tab, const QString &title, QGroupBox *&group,
                              QRadioButton *(&radios)[3], QLineEdit *&edit, QPushButton *&browse,
                              int firstNumber)
{
    QWidget *sheet = m_sheets[tab];
    group = new QGroupBox(QStringLiteral("Mode de visualisation"), sheet);
    group->setObjectName(title);
    const char *const captions[] = {"Brindel (interne)", "Visualisateur par défaut du système",
                                    "Autre programme"};
    auto *column = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i) {
        radios[i] = new QRadioButton(QString::fromUtf8(captions[i]), group);
        radios[i]->setObjectName(QStringLiteral("RadioButton%1").arg(firstNumber + i));
        connect(radios[i], &QRadioButton::clicked, this, &Toptions::applyViewerEnabling);
        column->addWidget(radios[i]);
    }
    radios[0]->setChecked(true);
    edit = new QLineEdit(group);
    edit->setObjectName(tab == 1 ? QStringLiteral("Edit1") : QStringLiteral("Edit2"));
    edit->setEnabled(false);
    browse = pushButton(group, tab == 1 ? "Button6" : "Button7", "Parcourir");
    browse->setEnabled(false);
    QLineEdit *target = edit;
    connect(browse, &QPushButton::clicked, this,
            [this, target] { guarded(this, [&] { browseProgram(target); }); });
    auto *path = new QHBoxLayout;
    path->addWidget(edit, 1);
    path->addWidget(browse);
    column->addLayout(path);
    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(group);
    layout->addStretch();
}

void Toptions::buildEditorTab()
{
    QWidget *sheet = m_sheets[3];
    auto *config = named(new QGroupBox(QStringLiteral("Configuration"), sheet), "GroupBox3");
    auto *label3 = named(new QLabel(QStringLiteral("E-mail par défaut"), config), "Label3");
    m_edit3 = named(new QLineEdit(config), "Edit3");
    label3->setBuddy(m_edit3);
    m_checkBox1 = named(new QCheckBox(QStringLiteral("Astuce au démarrage"), config), "CheckBox1");
    auto *configLayout = new QGridLayout(config);
    configLayout->addWidget(label3, 0, 0);
    configLayout->addWidget(m_edit3, 0, 1);
    configLayout->addWidget(m_checkBox1, 1, 0, 1, 2);

    auto *names =
        named(new QGroupBox(QStringLiteral("Chemin des noms de fichiers"), sheet), "GroupBox4");
    m_caseRadios[0] = radioButton(names, "RadioButton7", "Respect de la nomenclature du système");
    m_caseRadios[1] = radioButton(names, "RadioButton8", "Tout en minuscules");
    m_caseRadios[2] = radioButton(names, "RadioButton9", "Tout en majuscules");
    m_caseRadios[0]->setChecked(true);
    auto *namesLayout = new QVBoxLayout(names);
    for (QRadioButton *radio : m_caseRadios)
        namesLayout->addWidget(radio);

    m_checkBox2 = named(
        new QCheckBox(
            QStringLiteral("La sauvegarde du presse papier est effacée à chaque démarrage"), sheet),
        "CheckBox2");
    m_checkBox2->setChecked(true);
    // Written at once, and only when the user clicks: activation sets the box silently.
    connect(m_checkBox2, &QCheckBox::clicked, this,
            [this](bool checked) { guarded(this, [&] { CheckBox2Click(checked); }); });

    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(config);
    layout->addWidget(names);
    layout->addWidget(m_checkBox2);
    layout->addStretch();
}

void Toptions::buildLanguageTab()
{
    QWidget *sheet = m_sheets[4];
    const char *const titles[] = {"Fenêtre principale", "Fichier ouvert", "Boîtes de dialogue"};
    auto *layout = new QVBoxLayout(sheet);
    for (int i = 0; i < 3; ++i) {
        auto *group = new QGroupBox(QString::fromUtf8(titles[i]), sheet);
        group->setObjectName(QStringLiteral("GroupBox%1").arg(5 + i));
        m_languageEdits[i] = new QLineEdit(group);
        m_languageEdits[i]->setObjectName(QStringLiteral("Edit%1").arg(4 + i));
        auto *browse = new QPushButton(QStringLiteral("Parcourir"), group);
        browse->setObjectName(QStringLiteral("Button%1").arg(8 + i));
        connect(browse, &QPushButton::clicked, this,
                [this, i] { guarded(this, [&] { browseLanguageFile(i); }); });
        auto *row = new QHBoxLayout(group);
        row->addWidget(m_languageEdits[i], 1);
        row->addWidget(browse);
        layout->addWidget(group);
    }
    layout->addStretch();
}

void Toptions::buildWritingTab()
{
    QWidget *sheet = m_sheets[5];
    auto *group = named(new QGroupBox(QStringLiteral("Indentation"), sheet), "GroupBox8");
    m_indentRadios[0] = radioButton(group, "RadioButton10", "Indentation intelligente");
    m_indentRadios[1] = radioButton(group, "RadioButton11", "Pas d'indentation");
    m_indentRadios[0]->setChecked(true);
    auto *column = new QVBoxLayout(group);
    column->addWidget(m_indentRadios[0]);
    column->addWidget(m_indentRadios[1]);
    auto *layout = new QVBoxLayout(sheet);
    layout->addWidget(group);
    layout->addStretch();
}

Toptions &Toptions::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Toptions::createInstance(QWidget *parent)
{
    theInstance() = new Toptions(parent);
}

int Toptions::execute()
{
    FormActivate();
    return modals().execDialog(*this);
}

void Toptions::FormActivate()
{
    m_selected = 0;
    m_label1->setText(QStringLiteral("aucun"));
    // Each part stands alone: a settings file that cannot be read still leaves the captions
    // set, and the first failure is reported once.
    CreationSteps steps(this);
    std::optional<OptionsControls> stored;
    steps.run([&] {
        const QString file = settingsFile();
        stored = readOptions(file);
        startupSettings().normeecriture =
            fileNameCaseSetting(lireparametre(QStringLiteral("normeecriture"), file));
    });
    steps.run([&] { setCaptions(); });
    m_memo->clear();
    if (stored)
        showControls(*stored);
}

void Toptions::setCaptions()
{
    QList<QPair<int, QString>> texts;
    for (const Caption &caption : kCaptions)
        texts.append({caption.number, texteDialogue(caption.number)});
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString name = QString::fromLatin1(kCaptions[i].name);
        const QString &text = texts[i].second;
        if (name == objectName()) {
            setWindowTitle(text);
            continue;
        }
        QWidget *target = findChild<QWidget *>(name);
        if (const int page = m_pages->indexOf(target); page >= 0)
            m_pages->setTabText(page, text);
        else if (auto *button = qobject_cast<QAbstractButton *>(target))
            button->setText(text);
        else if (auto *label = qobject_cast<QLabel *>(target))
            label->setText(text);
        else if (auto *group = qobject_cast<QGroupBox *>(target))
            group->setTitle(text);
    }
}

void Toptions::showControls(const OptionsControls &c)
{
    m_checkBox2->setChecked(c.purgeHistory);
    m_edit1->setText(c.imageViewerPath);
    m_edit2->setText(c.htmlViewerPath);
    m_languageEdits[0]->setText(c.mainMenuFile);
    m_languageEdits[1]->setText(c.editorMenuFile);
    m_languageEdits[2]->setText(c.dialogFile);
    for (int number = 1; number <= kPersonalButtons && number <= c.pictures.size(); ++number) {
        const QString &path = c.pictures[number - 1];
        if (path.isEmpty())
            continue;
        // A picture that does not load leaves the button with its number; the other buttons
        // and the rest of the activation go on.
        const ButtonPicture picture = readButtonPicture(path);
        if (!picture.ok())
            continue;
        m_speedButtons[number - 1]->setIcon(glyphIcon(picture.image));
        m_speedButtons[number - 1]->setText(QString());
    }
    m_edit3->setText(c.defaultMail);
    m_checkBox1->setChecked(c.tipAtStart);
    check(m_caseRadios, 3, c.fileNameCase);
    check(m_imageRadios, 3, c.imageViewer - 1);
    check(m_htmlRadios, 3, c.htmlViewer - 1);
    check(m_indentRadios, 2, c.smartIndentation ? 0 : 1);
    applyViewerEnabling();
}

void Toptions::applyViewerEnabling()
{
    const bool otherImage = m_imageRadios[2]->isChecked();
    m_edit1->setEnabled(otherImage);
    m_button6->setEnabled(otherImage);
    const bool otherHtml = m_htmlRadios[2]->isChecked();
    m_edit2->setEnabled(otherHtml);
    m_button7->setEnabled(otherHtml);
}

OptionsControls Toptions::controls() const
{
    OptionsControls c;
    c.purgeHistory = m_checkBox2->isChecked();
    c.imageViewer = checkedIndex(m_imageRadios, 3) + 1;
    c.htmlViewer = checkedIndex(m_htmlRadios, 3) + 1;
    c.imageViewerPath = m_edit1->text();
    c.htmlViewerPath = m_edit2->text();
    c.defaultMail = m_edit3->text();
    c.tipAtStart = m_checkBox1->isChecked();
    const int caseIndex = checkedIndex(m_caseRadios, 3);
    c.fileNameCase = caseIndex < 0 ? 2 : caseIndex;
    c.smartIndentation = m_indentRadios[0]->isChecked();
    c.mainMenuFile = m_languageEdits[0]->text();
    c.editorMenuFile = m_languageEdits[1]->text();
    c.dialogFile = m_languageEdits[2]->text();
    return c;
}

void Toptions::runGuarded(void (Toptions::*handler)())
{
    guarded(this, [&] { (this->*handler)(); });
}
