#pragma once

#include "editor/tedition.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The find dialog: the text to search, preset with the last one searched (kept in
// brindel.sav under chercher). Made for one use by the find command, owned by its editor.
class Ttrouvedialog : public QDialog
{
    Q_OBJECT

public:
    explicit Ttrouvedialog(QWidget *parent = nullptr);

    QLineEdit *edit1() const { return m_edit; }

private:
    QLineEdit *m_edit;
    QPushButton *m_find;
    QPushButton *m_cancel;
};

// The search routine: finds `text` from `from` in the editor's document, selects the match
// and gives memo1 the focus. When nothing is found and `reportEnd` is set, says so in an
// information box. Returns the match's position or -1; an error in the search is shown
// ("Chercher " + its message) and gives no value.
std::optional<int> chercher(Tedition &editor, const QString &text, int from, bool reportEnd);

// The commands of the clipboard history and of find (chercher1, Occurencesuivante1,
// Voirlhistoriquedupressepapier1).
void addHistoryFindCommands(Tedition::CommandTable &table);

// Enables the history viewer item when presse.sav holds anything; run as the edit menu
// opens.
void refreshHistoryItem(Tedition &editor);
