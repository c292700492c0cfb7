#include "wizards/tdebuthtm.h"

#include "app/appstate.h"
#include "editor/helppreview.h"
#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "platform/pictures.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"
#include "wizards/generateddocument.h"
#include "wizards/tchoixfond.h"
#include "wizards/tmeta.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kPictureFilter =
    QStringLiteral("Fichiers images (*.gif;*.jpg;*.png)|*.gif;*.jpg;*.jpeg;*.png");

struct Row {
    const char *caption;
    int text;
};
constexpr Row kRows[Tdebuthtm::kRowCount] = {
    {"Fond", 403},         {"Texte", 404},         {"Liens", 406},
    {"Liens actifs", 407}, {"Liens activés", 408}, {"Image de fond", 405},
};
constexpr int kPictureRow = Tdebuthtm::kRowCount - 1;

QPointer<Tdebuthtm> &theInstance()
{
    static QPointer<Tdebuthtm> window;
    return window;
}

QColor colourOf(quint32 value)
{
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

// Red in the low byte, green in the next, blue in the third.
quint32 valueOf(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

Tdebuthtm::Tdebuthtm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdebuthtm"));
    setWindowTitle(QStringLiteral("Fichier HTML"));
    for (int i = 0; i < kPageColourCount; ++i)
        m_colours[i] = colourOf(kInitialPageColours[i]);

    m_titleLabel = new QLabel(QStringLiteral("Titre de la page:"), this);
    m_titleLabel->setObjectName(QStringLiteral("Label1"));
    m_title = new QLineEdit(QStringLiteral("(Choisissez_un_titre)"), this);
    m_title->setObjectName(QStringLiteral("Edit1"));

    auto *rows = new QGridLayout;
    for (int row = 0; row < kRowCount; ++row) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(row + 1));
        auto *b = button(this, QStringLiteral("Button%1").arg(row + 1),
                         QString::fromUtf8(kRows[row].caption));
        b->setEnabled(false);
        m_boxes[row] = box;
        m_buttons[row] = b;
        // Two columns of three rows.
        rows->addWidget(box, row % 3, (row / 3) * 2);
        rows->addWidget(b, row % 3, (row / 3) * 2 + 1);
        connect(box, &QCheckBox::toggled, this, [this, row](bool on) { tick(row, on); });
        if (row == kPictureRow)
            connect(b, &QPushButton::clicked, this, &Tdebuthtm::chooseImage);
        else
            connect(b, &QPushButton::clicked, this, [this, row] { chooseColour(row); });
    }
    rows->setColumnStretch(1, 1);
    rows->setColumnStretch(3, 1);

    m_ok = button(this, QStringLiteral("OKBtn"), QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = button(this, QStringLiteral("CancelBtn"), QStringLiteral("Annuler"));
    m_help = button(this, QStringLiteral("BitBtn1"), QStringLiteral("Aide"));
    m_preview = button(this, QStringLiteral("BitBtn2"), QStringLiteral("Aperçu"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), QStringLiteral("fich")),
                    this);
    });
    connect(m_preview, &QPushButton::clicked, this, &Tdebuthtm::preview);

    auto *title = new QHBoxLayout;
    title->addWidget(m_titleLabel);
    title->addWidget(m_title, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_preview);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addSpacing(8);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(433, 254)));
    m_ok->setFocus();
}

Tdebuthtm &Tdebuthtm::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tdebuthtm::createInstance(QWidget *parent)
{
    theInstance() = new Tdebuthtm(parent);
}

void Tdebuthtm::FormActivate()
{
    guarded(this, [this] {
        m_ok->setText(texteDialogue(1));
        m_cancel->setText(texteDialogue(2));
        m_help->setText(texteDialogue(3));
        setWindowTitle(texteDialogue(400));
        m_titleLabel->setText(texteDialogue(401));
        m_title->setText(texteDialogue(402));
        for (int row = 0; row < kRowCount; ++row)
            m_buttons[row]->setText(texteDialogue(kRows[row].text));
        m_preview->setText(texteDialogue(900));
    });
}

void Tdebuthtm::run(EditorHost &host)
{
    FormActivate();
    m_ok->setFocus();
    if (modals().execDialog(*this) != QDialog::Accepted)
        return;
    const std::optional<MetaAnswers> meta = Tmeta::instance().askForPage();
    if (!meta)
        return; // nothing is made; the wizard keeps its answers for the next time
    const QStringList lines = newPage(answers(), *meta);
    openGeneratedDocument(host, QStringLiteral("(defaut).htm"), lines, newPageCaretLine(lines));
}

NewPageAnswers Tdebuthtm::answers() const
{
    NewPageAnswers a;
    a.title = m_title->text();
    for (int i = 0; i < kPageColourCount; ++i) {
        a.colourTicked[i] = m_boxes[i]->isChecked();
        a.colours[i] = valueOf(m_colours[i]);
    }
    a.backgroundTicked = m_boxes[kPictureRow]->isChecked();
    a.imagePath = m_imagePath;
    a.projectDirectory = appState().projectDirectory;
    return a;
}

void Tdebuthtm::tick(int row, bool on)
{
    // The colour or picture already chosen stays when the box is cleared.
    m_buttons[row]->setEnabled(on);
    if (on)
        m_buttons[row]->setFocus();
}

void Tdebuthtm::chooseColour(int row)
{
    const std::optional<QColor> chosen = modals().color(this, m_colours[row]);
    if (!chosen || !chosen->isValid())
        return;
    m_colours[row] = chosen->toRgb();
    Tchoixfond::instance().setLabelColour(row, m_colours[row]);
}

void Tdebuthtm::chooseImage()
{
    Modals::FileRequest request;
    request.directory = appState().projectDirectory;
    request.filter = qtFileFilter(kPictureFilter);
    const QString chosen = modals().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    // The name stays chosen for BACKGROUND whether or not its picture can be shown.
    m_imagePath = chosen;
    Tchoixfond &window = Tchoixfond::instance();
    static const QStringList pictureSuffixes{QStringLiteral("gif"), QStringLiteral("jpg"),
                                             QStringLiteral("jpeg"), QStringLiteral("png")};
    if (pictureSuffixes.contains(QFileInfo(chosen).suffix().toLower())) {
        const PictureResult picture = readPicture(chosen);
        if (picture.ok())
            window.setPicture(picture.image);
        else
            showError(this, picture.error); // the previous picture stays
    }
    window.fitToPicture();
}

void Tdebuthtm::preview()
{
    Tchoixfond &window = Tchoixfond::instance();
    for (int i = 0; i < kPageColourCount; ++i)
        window.setLabelColour(i, m_colours[i]);
    window.showPreview();
}
