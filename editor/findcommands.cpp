#include "editor/findcommands.h"

#include "editor/charactercommands.h"
#include "editor/clipboardhistory.h"
#include "editor/findstate.h"
#include "editor/tsauvepapier.h"
#include "platform/editorcontrol.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Ttrouvedialog::Ttrouvedialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Ttrouvedialog"));
    setWindowTitle(QStringLiteral("Rechercher un mot ou expression"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(295, 101);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    installAutoTransform(*m_edit);
    m_find = new QPushButton(QStringLiteral("Rechercher"), this);
    m_find->setObjectName(QStringLiteral("Button1"));
    m_find->setDefault(true);
    connect(m_find, &QPushButton::clicked, this, &QDialog::accept);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_find);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);

    guarded(this, [&] {
        setWindowTitle(texteDialogue(200));
        m_find->setText(texteDialogue(201));
        m_cancel->setText(texteDialogue(202));
    });
}

std::optional<int> chercher(Tedition &editor, const QString &text, int from, bool reportEnd)
{
    try {
        const int found = findAndSelect(editor.control(), text, from);
        if (found >= 0) {
            editor.memo1()->setFocus();
            editor.memo1()->ensureCursorVisible();
            return found;
        }
        if (reportEnd)
            showInformation(&editor, QStringLiteral("Fin de recherche de ") + text);
        return -1;
    } catch (const IoError &error) {
        showError(&editor, QStringLiteral("Chercher ") + error.message());
    } catch (const std::exception &error) {
        showError(&editor, QStringLiteral("Chercher ") + QString::fromLocal8Bit(error.what()));
    }
    return std::nullopt;
}

namespace
{

// Searches the shared text from the shared position; after an error the position stays
// where this search started.
void searchOn(Tedition &editor)
{
    FindState &state = findState();
    if (const std::optional<int> found = chercher(editor, state.text, state.position, true))
        state.position = nextSearchPosition(*found, int(state.text.size()));
}

void Tedition_chercher1Click(Tedition &editor)
{
    Ttrouvedialog dialog(&editor);
    FindState &state = findState();
    state.position = 0;
    const QString file = settingsFile();
    guarded(&editor, [&] {
        const QString last = lireparametre(QStringLiteral("chercher"), file);
        dialog.edit1()->setText(last == kIndefini ? QString() : last);
    });
    if (modals().execDialog(dialog) != QDialog::Accepted)
        return;
    state.text = dialog.edit1()->text();
    // The search runs even when the text cannot be kept for the next start.
    guarded(&editor, [&] { ecrireparametre(state.text, QStringLiteral("chercher"), file); });
    searchOn(editor);
}

void Tedition_Voirlhistoriquedupressepapier1Click(Tedition &editor)
{
    modals().execDialog(Tsauve_papier::instance());
    editor.refreshMenuStates();
}

} // namespace

void refreshHistoryItem(Tedition &editor)
{
    if (QAction *item = editor.command(QStringLiteral("Voirlhistoriquedupressepapier1")))
        item->setEnabled(clipboardHistoryHasEntries(clipboardHistoryFile()));
}

void addHistoryFindCommands(Tedition::CommandTable &t)
{
    t.insert(QStringLiteral("chercher1"), Tedition_chercher1Click);
    t.insert(QStringLiteral("Occurencesuivante1"), searchOn);
    t.insert(QStringLiteral("Voirlhistoriquedupressepapier1"),
             Tedition_Voirlhistoriquedupressepapier1Click);
}
