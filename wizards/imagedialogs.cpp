#include "wizards/imagedialogs.h"

#include "platform/filechooser.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "platform/pictures.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "wizards/linkdialogparts.h"
#include "wizards/links.h"
#include "wizards/pictureconversion.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

const QString kPictureFilter =
    QStringLiteral("Fichiers Images (*.gif,*.jpg,*.png)|*.gif;*.jpg;*.png|Fichiers Bitmap "
                   "(*.bmp)|*.bmp|Tous les fichiers (*.*)|*.*");
const QString kMapFilter = QStringLiteral(
    "Fichiers Images (*.gif,*.jpg,*.png)|*.gif;*.jpg;*.png|Fichiers Bitmap (*.bmp)|*.bmp");
const QString kPictureMask = QStringLiteral("*.gif;*.jpg;*.png");

QPointer<Tchimage> &chooserInstance()
{
    static QPointer<Tchimage> dialog;
    return dialog;
}

QPointer<TMap> &mapInstance()
{
    static QPointer<TMap> dialog;
    return dialog;
}

QLineEdit *newEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QComboBox *newBorderList(QWidget *parent, int last)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("ComboBox1"));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i <= last; ++i)
        list->addItem(QString::number(i));
    list->setCurrentIndex(0);
    return list;
}

QCheckBox *newBorderCheck(QWidget *parent, QComboBox *list)
{
    auto *check = new QCheckBox(QStringLiteral("Border"), parent);
    check->setObjectName(QStringLiteral("CheckBox1"));
    check->setChecked(true);
    QObject::connect(check, &QCheckBox::toggled, list, &QWidget::setEnabled);
    return check;
}

FileChooser *newChooser(QWidget *parent, QLineEdit *edit, const QString &filter)
{
    auto *chooser = new FileChooser(parent);
    chooser->setFilter(filter);
    chooser->setMask(kPictureMask);
    chooser->bindEdit(edit);
    return chooser;
}

// The pictures the preview decodes itself, by extension; any other file shows nothing.
bool previewDecodes(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("gif") || suffix == QLatin1String("jpg") ||
           suffix == QLatin1String("png") || suffix == QLatin1String("bmp");
}

// Reads a picture under a wait cursor.
PictureResult readWithWaitCursor(const QString &path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PictureResult result = readPicture(path);
    QApplication::restoreOverrideCursor();
    return result;
}

} // namespace

// ---- Tchimage ----

Tchimage::Tchimage(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tchimage"));
    setWindowTitle(QStringLiteral("Choix d'une image"));
    resize(640, 480);

    for (int i = 0; i < 4; ++i)
        m_edits[i] = newEdit(this, QStringLiteral("Edit%1").arg(i + 1));
    m_edits[0]->setText(kPictureMask);
    m_chooser = newChooser(this, m_edits[0], kPictureFilter);

    m_groups[0] = new QGroupBox(QStringLiteral("Caractéristiques de l'image"), this);
    m_groups[0]->setObjectName(QStringLiteral("GroupBox1"));
    m_labels[0] = newLabel(this, QStringLiteral("Label1"), QString());
    m_labels[1] = newLabel(m_groups[0], QStringLiteral("Label2"), QStringLiteral("Hauteur"));
    m_labels[2] = newLabel(m_groups[0], QStringLiteral("Label3"), QStringLiteral("Largeur"));
    m_labels[3] =
        newLabel(m_groups[0], QStringLiteral("Label4"), QStringLiteral("Texte de sustitution"));
    m_borderValue = newBorderList(m_groups[0], 9);
    m_border = newBorderCheck(m_groups[0], m_borderValue);
    auto *features = new QGridLayout(m_groups[0]);
    features->addWidget(m_labels[1], 0, 0);
    features->addWidget(m_edits[1], 0, 1);
    features->addWidget(m_labels[2], 1, 0);
    features->addWidget(m_edits[2], 1, 1);
    features->addWidget(m_border, 2, 0);
    features->addWidget(m_borderValue, 2, 1);
    features->addWidget(m_labels[3], 3, 0, 1, 2);
    features->addWidget(m_edits[3], 4, 0, 1, 2);

    m_groups[1] = new QGroupBox(QStringLiteral("Conversion en Jpeg"), this);
    m_groups[1]->setObjectName(QStringLiteral("GroupBox2"));
    m_quality = new QComboBox(m_groups[1]);
    m_quality->setObjectName(QStringLiteral("ComboBox2"));
    m_quality->setEditable(true);
    m_quality->setInsertPolicy(QComboBox::NoInsert);
    for (int q = 10; q <= 100; q += 10)
        m_quality->addItem(QString::number(q));
    m_quality->setCurrentText(QStringLiteral("80"));
    m_convert[0] = new QPushButton(QStringLiteral("Convertir"), m_groups[1]);
    m_convert[0]->setObjectName(QStringLiteral("BitBtn4"));
    auto *jpeg = new QHBoxLayout(m_groups[1]);
    jpeg->addWidget(m_quality);
    jpeg->addWidget(newLabel(m_groups[1], QStringLiteral("Label5"), QStringLiteral("%")));
    jpeg->addWidget(m_convert[0]);

    m_groups[2] = new QGroupBox(QStringLiteral("Conversion en Png"), this);
    m_groups[2]->setObjectName(QStringLiteral("GroupBox3"));
    m_convert[1] = new QPushButton(QStringLiteral("Convertir"), m_groups[2]);
    m_convert[1]->setObjectName(QStringLiteral("BitBtn5"));
    (new QHBoxLayout(m_groups[2]))->addWidget(m_convert[1]);

    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidget(m_image);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    (new QVBoxLayout(panel))->addWidget(m_scroll);
    panel->layout()->setContentsMargins(0, 0, 0, 0);

    m_buttons[0] = wizards::newOkButton(this, QStringLiteral("BitBtn1"));
    m_buttons[1] = wizards::newCancelButton(this, QStringLiteral("BitBtn2"));
    m_buttons[2] = wizards::newHelpButton(this, QStringLiteral("BitBtn3"), QStringLiteral("image"));

    // Left: the file and its folders; right: its features, the preview and the conversions.
    auto *left = new QVBoxLayout;
    left->addWidget(m_edits[0]);
    left->addWidget(m_chooser->fileList(), 2);
    left->addWidget(m_chooser->directoryLabel());
    left->addWidget(m_chooser->directoryTree(), 3);
    left->addWidget(m_chooser->driveList());
    left->addWidget(m_chooser->filterList());
    auto *conversions = new QHBoxLayout;
    conversions->addWidget(m_groups[1]);
    conversions->addWidget(m_groups[2]);
    auto *right = new QVBoxLayout;
    right->addWidget(m_groups[0]);
    right->addWidget(panel, 1);
    right->addLayout(conversions);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : m_buttons)
        buttons->addWidget(button);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(m_chooser, &FileChooser::fileSelected, this, [this] { FileListBox1Change(); });
    connect(m_chooser, &FileChooser::fileActivated, this,
            [this] { guarded(this, [this] { FileListBox1DblClick(); }); });
    connect(m_chooser, &FileChooser::directoryChanged, this, [this] { m_selected = false; });
    connect(m_convert[0], &QPushButton::clicked, this,
            [this] { guarded(this, [this] { BitBtn4Click(); }); });
    connect(m_convert[1], &QPushButton::clicked, this,
            [this] { guarded(this, [this] { BitBtn5Click(); }); });

    for (int i = 1; i < 4; ++i)
        m_edits[i]->clear();
}

Tchimage &Tchimage::instance()
{
    if (!chooserInstance())
        createInstance(nullptr);
    return *chooserInstance();
}

void Tchimage::createInstance(QWidget *parent)
{
    chooserInstance() = new Tchimage(parent);
}

QLineEdit *Tchimage::edit(int number) const
{
    return m_edits[number - 1];
}

void Tchimage::FormActivate()
{
    for (int i = 1; i < 4; ++i)
        m_edits[i]->clear();
    m_selected = false;
    m_chooser->refresh();
    guarded(this, [this] { setTexts(); });
}

void Tchimage::setTexts()
{
    QStringList texts;
    for (int number : {1, 2, 3, 100, 101, 102, 103, 104, 105, 106, 107})
        texts << texteDialogue(number);
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->setText(texts.at(i));
    setWindowTitle(texts.at(3));
    for (int i = 0; i < 3; ++i)
        m_groups[i]->setTitle(texts.at(4 + i));
    m_convert[0]->setText(texts.at(7));
    m_convert[1]->setText(texts.at(7));
    for (int i = 1; i < 4; ++i)
        m_labels[i]->setText(texts.at(7 + i));
}

void Tchimage::FileListBox1Change()
{
    // The size fields belonged to the file previewed before: another file empties them.
    m_edits[1]->clear();
    m_edits[2]->clear();
    m_edits[3]->setText(m_edits[0]->text());
    m_selected = true;
    m_edits[0]->setText(
        wizards::applyNameCase(m_edits[0]->text(), startupSettings().normeecriture));
}

void Tchimage::showPicture(const QImage &image)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(1.0);
    m_image->setPixmap(pixmap);
    m_image->resize(image.size());
}

void Tchimage::FileListBox1DblClick()
{
    const QString path = m_chooser->selectedFilePath();
    showPicture(QImage());
    m_image->clear();
    m_edits[1]->clear();
    m_edits[2]->clear();
    if (path.isEmpty())
        return;
    const QString viewer = lireparametre(QStringLiteral("visuimage"), settingsFile());
    if (viewer == QLatin1String("1")) {
        if (!previewDecodes(path))
            return;
        const PictureResult picture = readWithWaitCursor(path);
        if (!picture.ok()) {
            showError(this, picture.error);
            return;
        }
        showPicture(picture.image);
        m_edits[1]->setText(QString::number(picture.image.height()));
        m_edits[2]->setText(QString::number(picture.image.width()));
    } else if (viewer == QLatin1String("2")) {
        if (!modals().openUrl(QUrl::fromLocalFile(path)))
            showError(this, tr("Aucun programme n'a pu afficher l'image %1.").arg(path));
    } else if (viewer == QLatin1String("3")) {
        const QString program = lireparametre(QStringLiteral("cheminvisuimage"), settingsFile());
        if (!modals().startProgram(program, {path}))
            showError(this, tr("Impossible de lancer le programme %1 pour afficher l'image %2.")
                                .arg(program, path));
    }
}

void Tchimage::BitBtn4Click()
{
    const QString path = m_chooser->selectedFilePath();
    if (m_selected && !path.isEmpty()) {
        const ConversionResult result = convertToJpeg(path, m_quality->currentText());
        if (!result.ok())
            showError(this, result.error);
    }
    m_chooser->refresh();
}

void Tchimage::BitBtn5Click()
{
    const QString path = m_chooser->selectedFilePath();
    if (m_selected && !path.isEmpty()) {
        const ConversionResult result = convertToPng(path);
        if (!result.ok())
            showError(this, result.error);
    }
    m_chooser->refresh();
}

// ---- TMap ----

TMap::TMap(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMap"));
    setWindowTitle(QStringLiteral("Découpe d'une image : Map"));

    for (int i = 0; i < 4; ++i)
        m_edits[i] = newEdit(this, QStringLiteral("Edit%1").arg(i + 1));
    m_edits[0]->setText(kPictureMask);
    m_chooser = newChooser(this, m_edits[0], kMapFilter);
    m_labels[0] = m_chooser->directoryLabel();
    m_labels[0]->setObjectName(QStringLiteral("Label1"));
    const char *const captions[] = {"Répertoire", "Nom de la Map", "Hauteur", "Largeur"};
    for (int i = 1; i < 5; ++i)
        m_labels[i] = newLabel(this, QStringLiteral("Label%1").arg(i + 1),
                               QString::fromUtf8(captions[i - 1]));
    m_borderValue = newBorderList(this, 7);
    m_border = newBorderCheck(this, m_borderValue);

    m_buttons[0] = new QPushButton(QStringLiteral("OK"), this);
    m_buttons[0]->setObjectName(QStringLiteral("OKBtn"));
    m_buttons[0]->setDefault(true);
    m_buttons[1] = wizards::newCancelButton(this, QStringLiteral("CancelBtn"));
    m_buttons[2] =
        wizards::newHelpButton(this, QStringLiteral("HelpBtn"), QStringLiteral("reactive"));
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { OKBtnClick(); });

    auto *grid = new QGridLayout;
    grid->addWidget(m_edits[0], 0, 0);
    grid->addWidget(m_labels[1], 0, 1);
    grid->addWidget(m_chooser->fileList(), 1, 0, 4, 1);
    grid->addWidget(m_labels[0], 1, 1);
    grid->addWidget(m_chooser->directoryTree(), 2, 1, 3, 1);
    grid->addWidget(m_chooser->filterList(), 5, 0);
    grid->addWidget(m_chooser->driveList(), 5, 1);
    auto *fields = new QGridLayout;
    fields->addWidget(m_labels[2], 0, 0);
    fields->addWidget(m_edits[1], 0, 1, 1, 3);
    fields->addWidget(m_labels[3], 1, 0);
    fields->addWidget(m_edits[2], 1, 1);
    fields->addWidget(m_labels[4], 1, 2);
    fields->addWidget(m_edits[3], 1, 3);
    fields->addWidget(m_border, 2, 0);
    fields->addWidget(m_borderValue, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : m_buttons)
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_chooser->fileList()->setMinimumSize(220, 200);
    m_chooser->directoryTree()->setMinimumSize(220, 160);

    connect(m_chooser, &FileChooser::fileSelected, this, [this] { FileListBox1Change(); });
    connect(m_chooser, &FileChooser::fileActivated, this,
            [this] { guarded(this, [this] { FileListBox1DblClick(); }); });
}

TMap &TMap::instance()
{
    if (!mapInstance())
        createInstance(nullptr);
    return *mapInstance();
}

void TMap::createInstance(QWidget *parent)
{
    mapInstance() = new TMap(parent);
}

QLineEdit *TMap::edit(int number) const
{
    return m_edits[number - 1];
}

void TMap::FormActivate()
{
    m_chooser->refresh();
    guarded(this, [this] { setTexts(); });
}

void TMap::setTexts()
{
    QStringList texts;
    for (int number : {1, 2, 3, 3500, 3501, 3502, 3503, 3504})
        texts << texteDialogue(number);
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->setText(texts.at(i));
    setWindowTitle(texts.at(3));
    for (int i = 1; i < 5; ++i)
        m_labels[i]->setText(texts.at(3 + i));
}

void TMap::FileListBox1Change()
{
    m_edits[2]->clear();
    m_edits[3]->clear();
    const int rule = startupSettings().normeecriture;
    m_edits[0]->setText(wizards::applyNameCase(m_edits[0]->text(), rule));
    m_edits[1]->setText(wizards::applyNameCase(m_edits[1]->text(), rule));
}

void TMap::FileListBox1DblClick()
{
    const QString path = m_chooser->selectedFilePath();
    if (path.isEmpty())
        return;
    m_edits[2]->clear();
    m_edits[3]->clear();
    Tdecoupe &editor = Tdecoupe::instance();
    if (!editor.FormActivate(path))
        return;
    modals().execDialog(editor);
    m_edits[2]->setText(QString::number(editor.picture().height()));
    m_edits[3]->setText(QString::number(editor.picture().width()));
    m_edits[1]->setText(m_edits[0]->text());
}

void TMap::OKBtnClick()
{
    if (m_edits[1]->text().isEmpty()) {
        modals().message(this, Modals::MessageKind::Warning, windowTitle(),
                         QStringLiteral("Le champ Nom de la Map est obligatoire"), QMessageBox::Ok);
        m_edits[1]->setFocus();
        return;
    }
    accept();
}
