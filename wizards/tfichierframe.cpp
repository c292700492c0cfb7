#include "wizards/tfichierframe.h"

#include "app/appstate.h"
#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "wizards/generateddocument.h"
#include "wizards/tmeta.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

QPointer<Tfichier_frame> &theInstance()
{
    static QPointer<Tfichier_frame> dialog;
    return dialog;
}

const QString kBrowseFilter =
    QStringLiteral("Fichier HTML (*.html,*.htm)|*.html;*.htm|Tous les fichiers (*.*)|*");

// A window split in two frames, the first one shaded; `highlight` (0 or 1) marks one frame.
QPixmap layoutPicture(bool rows, QSize size, int highlight = -1)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QRect whole(0, 0, size.width() - 1, size.height() - 1);
    QRect first = whole;
    QRect second = whole;
    if (rows) {
        first.setHeight(whole.height() / 3);
        second.setTop(first.bottom());
    } else {
        first.setWidth(whole.width() / 3);
        second.setLeft(first.right());
    }
    painter.fillRect(first, QColor(190, 205, 230));
    painter.fillRect(second, QColor(235, 238, 245));
    if (highlight >= 0)
        painter.fillRect((highlight == 0 ? first : second).adjusted(1, 1, 0, 0),
                         QColor(255, 214, 120));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(first);
    painter.drawRect(second);
    if (size.height() >= 48) {
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(first, Qt::AlignCenter, QStringLiteral("1"));
        painter.drawText(second, Qt::AlignCenter, QStringLiteral("2"));
    }
    return picture;
}

QToolButton *newStyleButton(QWidget *parent, const QString &name, bool rows)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setCheckable(true);
    button->setIcon(QIcon(layoutPicture(rows, QSize(40, 32))));
    button->setIconSize(QSize(40, 32));
    button->setToolTip(rows ? QStringLiteral("Lignes") : QStringLiteral("Colonnes"));
    return button;
}

QComboBox *newList(QWidget *parent, const QString &name, const QStringList &items,
                   const QString &text)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    list->setCurrentIndex(int(items.indexOf(text)));
    return list;
}

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

Tfichier_frame::Tfichier_frame(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfichier_frame"));
    setWindowTitle(QStringLiteral("Fichier HTML muni de frames"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_page[0] = buildChoicePage();
    m_page[1] = buildFilesPage(0, QStringLiteral("Page2"), true);
    m_page[2] = buildFilesPage(2, QStringLiteral("Page3"), false);
    m_page[3] = buildStructurePage();
    m_pages->addTab(m_page[0], QStringLiteral("Choix"));
    m_pages->addTab(m_page[1], QStringLiteral("Fichiers"));
    m_pages->addTab(m_page[2], QStringLiteral("Fichiers"));
    m_pages->addTab(m_page[3], QStringLiteral("Structure"));
    m_pages->setTabVisible(1, false);
    m_pages->setTabVisible(2, false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
}

QWidget *Tfichier_frame::buildChoicePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page1"));
    m_label1 = newLabel(page, QStringLiteral("Label1"), QStringLiteral("Titre de la page"));
    m_title = new QLineEdit(QStringLiteral("(Titre)"), page);
    m_title->setObjectName(QStringLiteral("Edit1"));
    m_label2 = newLabel(page, QStringLiteral("Label2"), QStringLiteral("Style"));
    m_rowsButton = newStyleButton(page, QStringLiteral("SpeedButton1"), true);
    m_columnsButton = newStyleButton(page, QStringLiteral("SpeedButton2"), false);
    auto *style = new QButtonGroup(page);
    style->setExclusive(true);
    style->addButton(m_rowsButton);
    style->addButton(m_columnsButton);
    m_columnsButton->setChecked(true);
    m_label5 = newLabel(page, QStringLiteral("Label5"), QStringLiteral("Taille"));
    m_size = newList(page, QStringLiteral("ComboBox2"),
                     {"10%", "20%", "40%", "60%", "80%", "100%", "10", "20", "30", "50", "100",
                      "200", "300", "400", "500"},
                     QStringLiteral("20%"));
    m_next[0] = new QPushButton(QStringLiteral("Suivant >"), page);
    m_next[0]->setObjectName(QStringLiteral("Button1"));
    m_next[0]->setDefault(true);
    connect(m_next[0], &QPushButton::clicked, this, &Tfichier_frame::next);
    m_cancel[0] = newCancel(page, 9);

    auto *styles = new QHBoxLayout;
    styles->addWidget(m_rowsButton);
    styles->addWidget(m_columnsButton);
    styles->addStretch();
    auto *grid = new QGridLayout;
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_title, 0, 1);
    grid->addWidget(m_label2, 1, 0);
    grid->addLayout(styles, 1, 1);
    grid->addWidget(m_label5, 2, 0);
    grid->addWidget(m_size, 2, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_next[0]);
    buttons->addWidget(m_cancel[0]);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget *Tfichier_frame::buildFilesPage(int firstField, const QString &pageName, bool rows)
{
    auto *page = new QWidget;
    page->setObjectName(pageName);
    auto *grid = new QGridLayout;
    for (int k = 0; k < 2; ++k) {
        const int i = firstField + k;
        m_files[i] = new QLineEdit(page);
        m_files[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 2));
        m_files[i]->setMinimumWidth(220);
        m_browse[i] = new QPushButton(QStringLiteral("Parcourir..."), page);
        m_browse[i]->setObjectName(QStringLiteral("Button%1").arg(i + 3));
        QLineEdit *field = m_files[i];
        connect(m_browse[i], &QPushButton::clicked, this,
                [this, field] { guarded(this, [&] { browse(field); }); });
        m_resizable[i] = new QCheckBox(QStringLiteral("Redimensionnable"), page);
        m_resizable[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        auto *picture = new QLabel(page);
        picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        picture->setPixmap(layoutPicture(rows, QSize(64, 48), k));
        grid->addWidget(picture, 2 * k, 0, 2, 1);
        grid->addWidget(m_files[i], 2 * k, 1);
        grid->addWidget(m_browse[i], 2 * k, 2);
        grid->addWidget(m_resizable[i], 2 * k + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    const int index = rows ? 1 : 2;
    m_next[index] = new QPushButton(QStringLiteral("Suivant >"), page);
    m_next[index]->setObjectName(rows ? QStringLiteral("Button2") : QStringLiteral("Button7"));
    connect(m_next[index], &QPushButton::clicked, this, [this] { m_pages->setCurrentIndex(3); });
    m_cancel[index] = newCancel(page, rows ? 10 : 11);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_next[index]);
    buttons->addWidget(m_cancel[index]);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget *Tfichier_frame::buildStructurePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page4"));
    m_label3 =
        newLabel(page, QStringLiteral("Label3"), QStringLiteral("Epaisseur de la séparation"));
    m_border = newList(page, QStringLiteral("ComboBox1"), {"0", "1", "2", "3", "4", "5", "6"},
                       QStringLiteral("1"));
    m_label4 = newLabel(page, QStringLiteral("Label4"),
                        QStringLiteral("Message si le navigateur ne supporte pas les frames"));
    m_message = new QPlainTextEdit(page);
    m_message->setObjectName(QStringLiteral("Memo1"));
    m_finish = new QPushButton(QStringLiteral("Terminer"), page);
    m_finish->setObjectName(QStringLiteral("Button8"));
    connect(m_finish, &QPushButton::clicked, this, [this] { guarded(this, [this] { finish(); }); });
    m_cancel[3] = newCancel(page, 12);

    auto *border = new QHBoxLayout;
    border->addWidget(m_label3);
    border->addWidget(m_border);
    border->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_finish);
    buttons->addWidget(m_cancel[3]);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(border);
    layout->addWidget(m_label4);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
    return page;
}

QPushButton *Tfichier_frame::newCancel(QWidget *page, int number)
{
    auto *button = new QPushButton(QStringLiteral("Annuler"), page);
    button->setObjectName(QStringLiteral("Button%1").arg(number));
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

Tfichier_frame &Tfichier_frame::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tfichier_frame::createInstance(QWidget *parent)
{
    theInstance() = new Tfichier_frame(parent);
}

void Tfichier_frame::FormActivate()
{
    m_pages->setTabVisible(1, false);
    m_pages->setTabVisible(2, false);
    m_pages->setCurrentIndex(0);
    guarded(this, [this] {
        QHash<int, QString> texts;
        for (int number :
             {2, 2800, 2801, 2802, 2803, 2804, 2805, 2806, 2807, 2808, 2809, 2810, 2811})
            texts.insert(number, texteDialogue(number));
        setWindowTitle(texts[2800]);
        for (QPushButton *button : m_next)
            button->setText(texts[2801]);
        for (QPushButton *button : m_browse)
            button->setText(texts[2802]);
        m_finish->setText(texts[2803]);
        for (QPushButton *button : m_cancel)
            button->setText(texts[2]);
        m_pages->setTabText(0, texts[2804]);
        m_pages->setTabText(1, texts[2805]);
        m_pages->setTabText(2, texts[2805]);
        m_pages->setTabText(3, texts[2806]);
        m_label3->setText(texts[2807]);
        m_label4->setText(texts[2809]);
        m_label5->setText(texts[2810]);
        for (QCheckBox *box : m_resizable)
            box->setText(texts[2808]);
        m_message->setPlainText(texts[2811]);
    });
}

bool Tfichier_frame::rowsChosen() const
{
    return m_rowsButton->isChecked();
}

void Tfichier_frame::next()
{
    const bool rows = rowsChosen();
    m_direction = rows ? Rows : Columns;
    m_pages->setTabVisible(1, rows);
    m_pages->setTabVisible(2, !rows);
    m_pages->setCurrentIndex(rows ? 1 : 2);
}

void Tfichier_frame::browse(QLineEdit *field)
{
    Modals::FileRequest request;
    request.filter = qtFileFilter(kBrowseFilter);
    const QString chosen = modals().openFileName(this, request);
    if (!chosen.isEmpty())
        field->setText(chosen);
}

QString Tfichier_frame::title() const
{
    return m_title->text();
}

wizards::FramesetAnswers Tfichier_frame::answers() const
{
    // "Terminer" reached through the tabs before any "Suivant >" still writes both frames:
    // the direction is the one the Style buttons show.
    const bool rows = m_direction == NoDirection ? rowsChosen() : m_direction == Rows;
    const int first = rows ? 0 : 2;
    wizards::FramesetAnswers answers;
    answers.rows = rows;
    answers.size = m_size->currentText();
    answers.border = m_border->currentText();
    answers.first = {m_files[first]->text(), m_resizable[first]->isChecked()};
    answers.second = {m_files[first + 1]->text(), m_resizable[first + 1]->isChecked()};
    answers.message = m_message->toPlainText();
    return answers;
}

bool Tfichier_frame::run(EditorHost &host)
{
    m_host = &host;
    FormActivate();
    const bool finished = modals().execDialog(*this) == QDialog::Accepted;
    m_host = nullptr;
    return finished;
}

void Tfichier_frame::finish()
{
    // A cancelled meta tags dialog makes no page; the wizard closes all the same.
    if (const std::optional<MetaAnswers> meta = Tmeta::instance().askForPage(); meta && m_host) {
        const AppState &state = appState();
        openGeneratedDocument(*m_host, QStringLiteral("(defaut).htm"),
                              wizards::framesPage(title(), *meta, answers(),
                                                  state.browserDirectory(),
                                                  state.projectDirectory));
    }
    accept();
}
