#include "wizards/formfielddialogs.h"

#include "platform/guarded.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace dialogparts;

TTextarea::TTextarea(QWidget *parent)
    : FieldDialog(parent, "TTextarea", QStringLiteral("Textarea : zone de texte multilignes"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nom de la zone:"));
    QLineEdit *name = edit(this, "Edit1", QString(), QStringLiteral("On lui associe un nom"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Nombre de lignes"));
    QLabel *label3 = label(this, "Label3", QStringLiteral("Nombre de colonnes"));
    QComboBox *columns = comboBox(this, "ComboBox2", numbers(12), QStringLiteral("1"));
    columns->setToolTip(QStringLiteral("Spécifie en fait la largeur du composant"));
    auto *sample = new QPlainTextEdit(QStringLiteral("Voici un exemple de ce \ncomposant."), this);
    sample->setObjectName(QStringLiteral("Memo1"));
    sample->setReadOnly(true);
    sample->setMaximumHeight(60);
    addRow(label1, name);
    addRow(label2, comboBox(this, "ComboBox1", numbers(12), QStringLiteral("1")));
    addRow(label3, columns);
    addRow(sample);
    caption(500, nullptr);
    caption(501, label1);
    caption(502, label2);
    caption(503, label3);
    caption(504, sample);
    require(name, 505);
}

TBout_valid::TBout_valid(QWidget *parent)
    : FieldDialog(parent, "TBout_valid", QStringLiteral("Bouton Valider : envoi du formulaire"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nom:"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Valeur:"));
    QLineEdit *name = edit(this, "Edit1", QString(), QStringLiteral("Le nom du bouton"));
    QLineEdit *value = edit(this, "Edit2", QString(), QStringLiteral("S'affiche sur le bouton"));
    addRow(label1, name);
    addRow(label2, value);
    caption(2200, nullptr);
    caption(2201, label1);
    caption(2202, label2);
    require(name, 2203);
    require(value, 2204);
}

Tcase_coch::Tcase_coch(QWidget *parent)
    : FieldDialog(parent, "Tcase_coch", QStringLiteral("Case à cocher"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nom:"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Valeur:"));
    QLineEdit *name = edit(this, "Edit1", QString(), QStringLiteral("Paramètre NAME"));
    auto *initial = new QCheckBox(QStringLiteral("Cochée au départ"), this);
    initial->setObjectName(QStringLiteral("CheckBox1"));
    initial->setToolTip(QStringLiteral("Si cochée alors case cochée dans le formulaire"));
    auto *sample = new QCheckBox(QStringLiteral("exemple"), this);
    sample->setObjectName(QStringLiteral("CheckBox2"));
    sample->setEnabled(false);
    addRow(label1, name);
    addRow(label2, edit(this, "Edit2", QString(), QStringLiteral("Paramètre VALUE")));
    addRow(initial);
    addRow(sample);
    caption(1700, nullptr);
    caption(1701, label1);
    caption(1702, label2);
    caption(1703, initial);
    caption(1704, sample);
    require(name, 1705);
}

Tradio::Tradio(QWidget *parent) : FieldDialog(parent, "Tradio", QStringLiteral("Bouton radio"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nom:"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Valeur:"));
    QLineEdit *name = edit(this, "Edit1", QString(), QStringLiteral("Nom du composant"));
    auto *initial = new QCheckBox(QStringLiteral("Cochée"), this);
    initial->setObjectName(QStringLiteral("CheckBox1"));
    initial->setToolTip(QStringLiteral("Sélectionnée dans le formulaire si cochée ici"));
    auto *sample = new QRadioButton(QStringLiteral("Radio"), this);
    sample->setObjectName(QStringLiteral("RadioButton1"));
    sample->setEnabled(false);
    addRow(label1, name);
    addRow(label2,
           edit(this, "Edit2", QString(), QStringLiteral("Ce qui s'affiche à côté du bouton")));
    addRow(initial);
    addRow(sample);
    caption(2100, nullptr);
    caption(2101, label1);
    caption(2102, label2);
    caption(2103, initial);
    require(name, 1705);
}

Tmot_pass::Tmot_pass(QWidget *parent)
    : FieldDialog(parent, "Tmot_pass", QStringLiteral("Case mot de passe"))
{
    const std::pair<const char *, const char *> fields[] = {
        {"Nom:", "Nom de la case"},
        {"Longueur:", "MAXLENGTH : taille maximum du mot"},
        {"Dimension:", "Taille de la case"},
        {"Valeur:", "VALUE : valeur initiale"},
    };
    const char *labels[] = {"Label1", "Label2", "Label3", "Label4"};
    const char *edits[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    for (int i = 0; i < 4; ++i) {
        QLabel *text = label(this, labels[i], QString::fromUtf8(fields[i].first));
        QLineEdit *field = edit(this, edits[i], QString(), QString::fromUtf8(fields[i].second));
        addRow(text, field);
        caption(2001 + i, text);
        if (i == 0)
            require(field, 505);
    }
    m_sample = edit(this, "Edit5", QStringLiteral("Edit5"));
    m_sample->setEnabled(false);
    m_sample->setEchoMode(QLineEdit::Password);
    addRow(m_sample);
    setTextFieldForm(false);
}

void Tmot_pass::setTextFieldForm(bool textField)
{
    m_textField = textField;
    m_sample->setEchoMode(textField ? QLineEdit::Normal : QLineEdit::Password);
    guarded(this, [&] { setWindowTitle(dialogText(textField ? 2005 : 2000)); });
}

Tent_cache::Tent_cache(QWidget *parent)
    : FieldDialog(parent, "Tent_cache", QStringLiteral("HIDDEN : entrée cachée"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nom:"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Valeur:"));
    addRow(label1, edit(this, "Edit1", QString(), QStringLiteral("Paramètre NAME")));
    addRow(label2, edit(this, "Edit2", QString(), QStringLiteral("Paramètre VALUE")));
    caption(1800, nullptr);
    caption(1801, label1);
    caption(1802, label2);
}

Timg_valid::Timg_valid(QWidget *parent)
    : ChooserDialog(parent, "Timg_valid", QStringLiteral("Bouton valider remplacé par une image"),
                    "Label1", QStringLiteral("Répertoire:"), "Label2",
                    QStringLiteral("Fichiers Images (*.gif,*.jpg,*.png)|*.gif;*.jpg;*.png|"
                                   "Tous les fichiers (*.*)|*.*"))
{
    QLabel *label3 = label(this, "Label3", QStringLiteral("Nom du bouton:"));
    addRow(label3, edit(this, "Edit2", QString(), QStringLiteral("Paramètre NAME")));
    caption(1900, nullptr);
    caption(1901, directoryCaption());
    caption(1902, label3);
}

Tderoule::Tderoule(QWidget *parent)
    : FieldDialog(parent, "Tderoule", QStringLiteral("Menu déroulant"))
{
    QLabel *label1 = label(this, "Label1", QStringLiteral("Nom:"));
    QLabel *label2 = label(this, "Label2", QStringLiteral("Hauteur:"));
    addRow(label1, edit(this, "Edit1"));
    addRow(label2, comboBox(this, "ComboBox1", numbers(6), QStringLiteral("1")));
    addRow(comboBox(this, "ComboBox2", {QStringLiteral("menu"), QStringLiteral("deroulant")},
                    QStringLiteral("menu")));
    guarded(this, [&] {
        setWindowTitle(dialogText(2400));
        label1->setText(dialogText(2401));
        label2->setText(dialogText(2402));
    });
}
