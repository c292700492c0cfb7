#include "wizards/tmeta.h"

#include "editor/helppreview.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *edit(QWidget *parent, const char *name, const char *hint = nullptr)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (hint)
        e->setToolTip(QString::fromUtf8(hint));
    return e;
}

QComboBox *editableList(QWidget *parent, const char *name, const QStringList &items,
                        const QString &text)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setEditText(text);
    return c;
}

QPointer<Tmeta2> &theTagDialog()
{
    static QPointer<Tmeta2> window;
    return window;
}

QPointer<Tmeta> &thePageDialog()
{
    static QPointer<Tmeta> window;
    return window;
}

} // namespace

Tmeta2::Tmeta2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tmeta2"));
    setWindowTitle(QStringLiteral("Balises Meta"));
    m_label1 = new QLabel(QStringLiteral("Type"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_name = editableList(this, "ComboBox1",
                          {QStringLiteral("author"), QStringLiteral("keywords"),
                           QStringLiteral("description"), QStringLiteral("revisit-after"),
                           QStringLiteral("copyright")},
                          QStringLiteral("author"));
    m_label2 = new QLabel(QStringLiteral("Contenu"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_content = edit(this, "Edit2", "Mot implementant la balise");
    m_ok = button(this, "OKBtn", QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = button(this, "CancelBtn", QStringLiteral("Annuler"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout;
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(m_label2, 1, 0);
    grid->addWidget(m_content, 1, 1);
    grid->setColumnMinimumWidth(1, 220);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

Tmeta2 &Tmeta2::instance()
{
    if (!theTagDialog())
        createInstance(nullptr);
    return *theTagDialog();
}

void Tmeta2::createInstance(QWidget *parent)
{
    theTagDialog() = new Tmeta2(parent);
}

void Tmeta2::FormActivate()
{
    guarded(this, [this] {
        setWindowTitle(texteDialogue(1500));
        m_label1->setText(texteDialogue(1501));
        m_label2->setText(texteDialogue(1502));
        m_ok->setText(texteDialogue(1));
        m_cancel->setText(texteDialogue(2));
    });
}

std::optional<QString> Tmeta2::askTag()
{
    FormActivate();
    m_name->setFocus();
    if (modals().execDialog(*this) != QDialog::Accepted)
        return std::nullopt;
    return metaTag(m_name->currentText(), m_content->text());
}

Tmeta::Tmeta(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tmeta"));
    setWindowTitle(QStringLiteral("Balises Meta"));

    m_author = edit(this, "Edit1", "Nom de l'auteur du site");
    m_keywords = edit(this, "Edit2", "Mots clés séparés par un esspace ou une virgule");
    m_description = edit(this, "Edit3", "Description du site");
    m_revisit = edit(this, "Edit4", "Nombre de jours");
    m_copyright = edit(this, "Edit5", "Outils utilisés");
    m_day = edit(this, "edit61");
    m_month = edit(this, "Edit62");
    m_year = edit(this, "Edit63");
    m_day->setMaxLength(2);
    m_month->setMaxLength(2);
    m_year->setMaxLength(4);
    m_language = editableList(this, "ComboBox1", {QStringLiteral("fr"), QStringLiteral("ang")},
                              QStringLiteral("fr"));
    m_email = edit(this, "Edit6", "E-mail du webmaster");

    // Two characters typed in the day or the month move on to the next part of the date.
    connect(m_day, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.size() > 1)
            m_month->setFocus();
    });
    connect(m_month, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.size() > 1)
            m_year->setFocus();
    });

    auto *date = new QWidget(this);
    auto *dateRow = new QHBoxLayout(date);
    dateRow->setContentsMargins(0, 0, 0, 0);
    m_day->setFixedWidth(36);
    m_month->setFixedWidth(36);
    m_year->setFixedWidth(56);
    dateRow->addWidget(m_day);
    dateRow->addWidget(new QLabel(QStringLiteral("/"), date));
    dateRow->addWidget(m_month);
    dateRow->addWidget(new QLabel(QStringLiteral("/"), date));
    dateRow->addWidget(m_year);
    dateRow->addStretch();
    m_dateParts = {m_day, m_month, m_year};

    static const char *const captions[kMetaRowCount] = {
        "author",    "keywords",         "description", "revisit after",
        "copyright", "date de création", "langue",      "e-mail"};
    const std::array<QWidget *, kMetaRowCount> fields{
        m_author, m_keywords, m_description, m_revisit, m_copyright, date, m_language, m_email};
    m_firstField = fields;
    m_firstField[std::size_t(MetaRow::CreationDate)] = m_day;

    auto *grid = new QGridLayout;
    for (int row = 0; row < kMetaRowCount; ++row) {
        auto *box = new QCheckBox(QString::fromUtf8(captions[row]), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(row + 1));
        m_boxes[row] = box;
        grid->addWidget(box, row, 0);
        grid->addWidget(fields[row], row, 1);
        connect(box, &QCheckBox::toggled, this, [this, row](bool on) { tick(row, on); });
        tick(row, false);
    }
    grid->setColumnMinimumWidth(1, 240);

    m_ok = button(this, "OKBtn", QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = button(this, "CancelBtn", QStringLiteral("Annuler"));
    m_help = button(this, "BitBtn1", QStringLiteral("Aide"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), QStringLiteral("meta")),
                    this);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

Tmeta &Tmeta::instance()
{
    if (!thePageDialog())
        createInstance(nullptr);
    return *thePageDialog();
}

void Tmeta::createInstance(QWidget *parent)
{
    thePageDialog() = new Tmeta(parent);
}

void Tmeta::tick(int row, bool on)
{
    // A cleared row keeps its text; only whether it can be edited follows the box.
    const bool isDate = row == int(MetaRow::CreationDate);
    if (isDate) {
        for (QWidget *part : m_dateParts)
            part->setEnabled(on);
    } else {
        m_firstField[row]->setEnabled(on);
    }
    if (on)
        m_firstField[row]->setFocus();
}

void Tmeta::FormActivate()
{
    guarded(this, [this] {
        setWindowTitle(texteDialogue(1400));
        for (int row = 0; row < kMetaRowCount; ++row)
            m_boxes[row]->setText(texteDialogue(1401 + row));
        m_ok->setText(texteDialogue(1));
        m_cancel->setText(texteDialogue(2));
        m_help->setText(texteDialogue(3));
    });
}

std::optional<MetaAnswers> Tmeta::askForPage()
{
    FormActivate();
    if (modals().execDialog(*this) != QDialog::Accepted)
        return std::nullopt;
    return answers();
}

MetaAnswers Tmeta::answers() const
{
    MetaAnswers a;
    for (int row = 0; row < kMetaRowCount; ++row)
        a.ticked[row] = m_boxes[row]->isChecked();
    a.author = m_author->text();
    a.keywords = m_keywords->text();
    a.description = m_description->text();
    a.revisitDays = m_revisit->text();
    a.copyright = m_copyright->text();
    a.day = m_day->text();
    a.month = m_month->text();
    a.year = m_year->text();
    a.language = m_language->currentText();
    a.email = m_email->text();
    return a;
}
