#include "wizards/dialogcommands.h"

#include "app/appstate.h"
#include "editor/insertion.h"
#include "platform/modals.h"
#include "wizards/formfielddialogs.h"
#include "wizards/formfieldmarkup.h"
#include "wizards/mediacommands.h"
#include "wizards/styledialogs.h"
#include "wizards/stylemarkup.h"
#include "wizards/tabledialogs.h"
#include "wizards/tablemarkup.h"

namespace
{

void insert(Tedition &e, const WizardInsertion &insertion)
{
    insertSimple(e.control(), insertion.text, insertion.caret);
}

bool shown(QDialog &dialog)
{
    return modals().execDialog(dialog) == QDialog::Accepted;
}

// Shows a shared dialog with its captions refreshed.
template <typename Dialog> bool ask(Dialog &dialog)
{
    dialog.FormActivate();
    return shown(dialog);
}

void Tableau2Click(Tedition &e)
{
    TTab &dialog = TTab::instance();
    if (!ask(dialog))
        return;
    const tablemarkup::Size size = tablemarkup::readSize(dialog.rowsText(), dialog.columnsText());
    if (!size.error.isEmpty()) {
        showError(&e, size.error);
        return;
    }
    if (!size.insertsSomething())
        return;
    tablemarkup::insertTable(e.control(), dialog.answers(), size.rows, size.columns,
                             Tremplitableau::instance().cells(), appState().smartIndentation);
}

void Airedesaisie1Click(Tedition &e)
{
    TTextarea dialog(&e);
    if (ask(dialog))
        insert(e, formfieldmarkup::textarea(dialog.text("Edit1"), dialog.text("ComboBox1"),
                                            dialog.text("ComboBox2")));
}

void BoutonValider1Click(Tedition &e)
{
    TBout_valid dialog(&e);
    if (ask(dialog))
        insert(e, formfieldmarkup::submitButton(dialog.text("Edit1"), dialog.text("Edit2")));
}

template <typename Dialog> void choiceCommand(Tedition &e, formfieldmarkup::Choice kind)
{
    Dialog &dialog = Dialog::instance();
    if (ask(dialog))
        insert(e, formfieldmarkup::choice(kind, dialog.text("Edit1"), dialog.text("Edit2"),
                                          dialog.checked("CheckBox1")));
}

void entryCommand(Tedition &e, formfieldmarkup::Entry kind)
{
    Tmot_pass &dialog = Tmot_pass::instance();
    const bool textField = kind == formfieldmarkup::Entry::Text;
    dialog.setTextFieldForm(textField);
    // Whatever the answer, the next password command finds the dialog in its own form.
    struct Restore {
        Tmot_pass &dialog;
        ~Restore() { dialog.setTextFieldForm(false); }
    } restore{dialog};
    if (ask(dialog))
        insert(e, formfieldmarkup::entry(kind, dialog.text("Edit1"), dialog.text("Edit2"),
                                         dialog.text("Edit3"), dialog.text("Edit4")));
}

void Entrecache1Click(Tedition &e)
{
    Tent_cache &dialog = Tent_cache::instance();
    if (ask(dialog))
        insert(e, formfieldmarkup::hidden(dialog.text("Edit1"), dialog.text("Edit2")));
}

void Menudroulant1Click(Tedition &e)
{
    Tderoule &dialog = Tderoule::instance();
    if (shown(dialog))
        insert(e, formfieldmarkup::dropDown(dialog.text("Edit1"), dialog.text("ComboBox1")));
}

void Insreruncodecouleur1Click(Tedition &e)
{
    Tcouleur &dialog = Tcouleur::instance();
    if (ask(dialog))
        insertSimple(e.control(), dialog.code(), std::nullopt);
}

void Lignedesparation1Click(Tedition &e)
{
    Thr dialog(&e);
    dialog.loadSettings();
    if (ask(dialog))
        insertSimple(e.control(),
                     stylemarkup::rule(dialog.text("ComboBox1"), dialog.text("ComboBox2"),
                                       dialog.ruleColour(), dialog.text("ComboBox3")),
                     std::nullopt);
}

// The count is converted before any line goes in: a count that is not a whole number, or
// one past the bound, gives a message and leaves the document as it was.
void Listes2Click(Tedition &e)
{
    Tlistes dialog(&e);
    if (!shown(dialog))
        return;
    const stylemarkup::List list =
        stylemarkup::list(dialog.checked("RadioButton1"), dialog.text("ComboBox1"));
    if (!list.error.isEmpty()) {
        showError(&e, list.error);
        return;
    }
    insertBlock(e.control(), list.lines, list.caret);
}

} // namespace

void addDialogCommands(Tedition::CommandTable &t)
{
    using formfieldmarkup::Choice;
    using formfieldmarkup::Entry;
    t.insert(QStringLiteral("Tableau2"), Tableau2Click);
    t.insert(QStringLiteral("Airedesaisie1"), Airedesaisie1Click);
    t.insert(QStringLiteral("BoutonValider1"), BoutonValider1Click);
    t.insert(QStringLiteral("Casecocher1"),
             [](Tedition &e) { choiceCommand<Tcase_coch>(e, Choice::Checkbox); });
    t.insert(QStringLiteral("CaseRadio1"),
             [](Tedition &e) { choiceCommand<Tradio>(e, Choice::Radio); });
    t.insert(QStringLiteral("CaseTexte1"), [](Tedition &e) { entryCommand(e, Entry::Text); });
    t.insert(QStringLiteral("Motdepasse1"), [](Tedition &e) { entryCommand(e, Entry::Password); });
    t.insert(QStringLiteral("Entrecache1"), Entrecache1Click);
    t.insert(QStringLiteral("Menudroulant1"), Menudroulant1Click);
    t.insert(QStringLiteral("Insreruncodecouleur1"), Insreruncodecouleur1Click);
    t.insert(QStringLiteral("Lignedesparation1"), Lignedesparation1Click);
    t.insert(QStringLiteral("Listes2"), Listes2Click);
    addMediaCommands(t);
}
