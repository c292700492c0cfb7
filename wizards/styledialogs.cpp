#include "wizards/styledialogs.h"

#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "wizards/stylemarkup.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace dialogparts;

namespace
{

QColor toQColor(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

Tcouleur::Tcouleur(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tcouleur"));
    setWindowTitle(QStringLiteral("Insertion d'une couleur"));
    const char *barNames[3] = {"ScrollBarrouge", "ScrollBarvert", "ScrollBarbleu"};
    const char *labelNames[3] = {"Label2", "Label3", "Label4"};
    const QString labelTexts[3] = {QStringLiteral("Rouge"), QStringLiteral("Vert"),
                                   QStringLiteral("Bleu")};
    auto *grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        m_bars[i] = new QScrollBar(Qt::Horizontal, this);
        m_bars[i]->setObjectName(QLatin1String(barNames[i]));
        m_bars[i]->setRange(0, 255);
        m_bars[i]->setMinimumWidth(256);
        connect(m_bars[i], &QScrollBar::valueChanged, this, &Tcouleur::ScrollBarChange);
        m_labels[i + 1] = label(this, labelNames[i], labelTexts[i]);
        grid->addWidget(m_labels[i + 1], i, 0);
        grid->addWidget(m_bars[i], i, 1);
    }
    m_swatch = label(this, "Panel1", QStringLiteral("000000"));
    m_swatch->setAlignment(Qt::AlignCenter);
    m_swatch->setMinimumHeight(48);
    m_swatch->setAutoFillBackground(true);
    m_hash = new QCheckBox(QStringLiteral("avec #"), this);
    m_hash->setObjectName(QStringLiteral("CheckBox1"));
    m_labels[0] = label(this, "Label1", QStringLiteral("Presse papier"));
    m_copy = button(this, "BitBtn1", QStringLiteral("Copier"));
    m_copy->setToolTip(QStringLiteral("Coipe le code dans le presse papier"));
    connect(m_copy, &QPushButton::clicked, this, &Tcouleur::BitBtn1Click);
    const OkCancel buttons = okCancel(this);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    m_ok->setDefault(false);
    m_copy->setDefault(true);
    grid->addWidget(m_swatch, 3, 0, 1, 2);
    grid->addWidget(m_hash, 4, 0, 1, 2);

    auto *side = new QVBoxLayout;
    side->addWidget(m_ok);
    side->addWidget(m_cancel);
    side->addStretch();
    side->addWidget(m_labels[0]);
    side->addWidget(m_copy);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(side);

    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_swatch->setPalette(palette);
}

void Tcouleur::ScrollBarChange()
{
    m_captionColour = stylemarkup::complement(m_colour);
    m_colour = stylemarkup::mixedColour(m_bars[0]->value(), m_bars[1]->value(), m_bars[2]->value());
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, toQColor(m_colour));
    palette.setColor(QPalette::WindowText, toQColor(m_captionColour));
    m_swatch->setPalette(palette);
    m_swatch->setText(stylemarkup::colourCode(m_colour, false));
}

QString Tcouleur::code() const
{
    return stylemarkup::colourCode(m_colour, m_hash->isChecked());
}

void Tcouleur::BitBtn1Click()
{
    QApplication::clipboard()->setText(code());
    accept();
}

void Tcouleur::FormActivate()
{
    guarded(this, [this] {
        m_ok->setText(dialogText(1));
        m_cancel->setText(dialogText(2));
        setWindowTitle(dialogText(3300));
        const std::pair<int, int> labels[] = {{1, 3301}, {2, 3302}, {3, 3303}, {0, 3304}};
        for (const auto &[index, number] : labels)
            m_labels[index]->setText(dialogText(number));
        m_hash->setText(dialogText(3305));
        m_copy->setText(dialogText(3306));
    });
}

Thr::Thr(QWidget *parent) : FieldDialog(parent, "Thr", QStringLiteral("Ligne de séparation"))
{
    QStringList lengths;
    for (int n = 10; n <= 100; n += 10)
        lengths << QStringLiteral("%1%").arg(n);
    QLabel *label1 = label(this, "Label1", QStringLiteral("Epaisseur:"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Longueur:"));
    QLabel *label3 = label(this, "Label3", QStringLiteral("Alignement"));
    addRow(label1, comboBox(this, "ComboBox1", numbers(9), stylemarkup::defaultRuleSize()));
    addRow(label2, comboBox(this, "ComboBox2", lengths, stylemarkup::defaultRuleWidth()));
    m_useColour = new QCheckBox(this);
    m_useColour->setObjectName(QStringLiteral("CheckBox1"));
    m_colourButton = button(this, "Button1", QStringLiteral("Couleur"));
    m_colourButton->setEnabled(false);
    connect(m_useColour, &QCheckBox::toggled, m_colourButton, &QWidget::setEnabled);
    connect(m_colourButton, &QPushButton::clicked, this, &Thr::Button1Click);
    addRow(m_useColour, m_colourButton);
    addRow(label3, comboBox(this, "ComboBox3",
                            {QStringLiteral("aucun"), QStringLiteral("left"),
                             QStringLiteral("center"), QStringLiteral("right")},
                            QStringLiteral("aucun")));
    caption(3700, nullptr);
    caption(3701, label1);
    caption(3702, label2);
    caption(3703, m_colourButton);
    caption(3704, label3);
}

void Thr::loadSettings()
{
    // A key missing from the settings leaves the built-in text rather than "indéfini".
    guarded(this, [this] {
        const QString file = settingsFile();
        const std::pair<const char *, const char *> keys[] = {{"hr_epaisseur", "ComboBox1"},
                                                              {"hr_longueur", "ComboBox2"}};
        for (const auto &[key, name] : keys) {
            const QString value = lireparametre(QLatin1String(key), file);
            if (value != kIndefini)
                findChild<QComboBox *>(QLatin1String(name))->setEditText(value);
        }
    });
}

std::optional<quint32> Thr::ruleColour() const
{
    if (!m_useColour->isChecked())
        return std::nullopt;
    return colourValue(m_colour);
}

void Thr::Button1Click()
{
    if (const std::optional<QColor> chosen = modals().color(this, m_colour)) {
        m_colour = *chosen;
        QPalette palette = m_colourButton->palette();
        palette.setColor(QPalette::ButtonText, m_colour);
        m_colourButton->setPalette(palette);
    }
}

void Thr::accept()
{
    const bool saved = guarded(this, [this] {
        const QString file = settingsFile();
        ecrireparametre(text("ComboBox1"), QStringLiteral("hr_epaisseur"), file);
        ecrireparametre(text("ComboBox2"), QStringLiteral("hr_longueur"), file);
    });
    if (saved)
        FieldDialog::accept();
}

Tlistes::Tlistes(QWidget *parent) : FieldDialog(parent, "Tlistes", QStringLiteral("Listes"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nombre de puces:"));
    addRow(label1, comboBox(this, "ComboBox1", numbers(12), QStringLiteral("3")));
    auto *group = new QGroupBox(QStringLiteral("Style de la liste"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto *bulleted = new QRadioButton(QStringLiteral("Point"), group);
    bulleted->setObjectName(QStringLiteral("RadioButton1"));
    auto *numbered = new QRadioButton(QStringLiteral("Numérotée"), group);
    numbered->setObjectName(QStringLiteral("RadioButton2"));
    auto *choices = new QVBoxLayout(group);
    choices->addWidget(bulleted);
    choices->addWidget(numbered);
    addRow(group);
    guarded(this, [&] {
        setWindowTitle(dialogText(2700));
        label1->setText(dialogText(2701));
        group->setTitle(dialogText(2704));
        bulleted->setText(dialogText(2702));
        numbered->setText(dialogText(2703));
        okButton()->setText(dialogText(1));
        findChild<QPushButton *>(QStringLiteral("CancelBtn"))->setText(dialogText(2));
    });
}
