#include "wizards/chooserdialog.h"

#include "platform/filechooser.h"
#include "settings/languagefiles.h"
#include "wizards/dialogparts.h"
#include "wizards/links.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTreeView>

ChooserDialog::ChooserDialog(QWidget *parent, const char *name, const QString &title,
                             const char *labelName, const QString &labelText,
                             const char *directoryName, const QString &filter)
    : FieldDialog(parent, name, title)
{
    m_chooser = new FileChooser(this);
    m_chooser->setPartsVisible(false, false, false, false, false);
    m_chooser->directoryLabel()->setObjectName(QLatin1String(directoryName));
    m_caption = dialogparts::label(this, labelName, labelText);
    m_edit = dialogparts::edit(this, "Edit1");
    m_chooser->setFilter(filter);
    m_chooser->bindEdit(m_edit);
    m_chooser->directoryTree()->setMinimumSize(200, 160);
    m_chooser->fileList()->setMinimumSize(180, 160);

    addRow(m_caption, m_chooser->directoryLabel());
    addRow(m_chooser->driveList(), m_chooser->filterList());
    addRow(m_chooser->directoryTree(), m_chooser->fileList());
    addRow(dialogparts::label(this, "LabelFichier", QStringLiteral("Fichier:")), m_edit);
    m_chooser->driveList()->show();
    m_chooser->directoryTree()->show();
    m_chooser->directoryLabel()->show();
    m_chooser->fileList()->show();
    m_chooser->filterList()->show();
}

void ChooserDialog::followNameCase()
{
    connect(m_chooser, &FileChooser::fileSelected, this, [this] {
        const int norme = startupSettings().normeecriture;
        if (norme == 1 || norme == 2)
            m_edit->setText(wizards::applyNameCase(m_edit->text(), norme));
    });
}

void ChooserDialog::FormActivate()
{
    FieldDialog::FormActivate();
    m_chooser->refresh();
}
