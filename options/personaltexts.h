#pragma once

#include <QString>
#include <QStringList>

#include <array>

class EditorControl;

// The nineteen texts of the personal buttons. The options dialog edits a copy held in memory
// for the whole run; only its OK button writes them back to the settings file. The buttons
// themselves insert what the settings file holds at the moment of the click.

constexpr int kPersonalButtons = 19;
// A button text holds at most this many characters (UTF-16 units); a longer one is cut.
constexpr int kPersonalTextLimit = 255;

// "chaine1" ... "chaine19": the key of the text of button `number`.
QString personalTextKey(int number);
// "bouton1" ... "bouton19": the key of the picture of button `number`.
QString personalPictureKey(int number);

// The first kPersonalTextLimit characters of `text`. The cut never separates the two halves
// of a surrogate pair, nor the CR and LF of a line break: it then keeps one character less.
QString cutPersonalText(const QString &text);

// Button texts keep their line breaks as CR LF, the editor's own line break; the text box of
// the dialog shows them as lines.
QString storedFromMemo(const QString &memoText);
QString memoFromStored(const QString &stored);

class PersonalTexts
{
public:
    // Reads chaine1 ... chaine19 from `settingsFile`, each cut to the limit; a missing key
    // gives the store's "indéfini". Throws IoError when the file cannot be read, leaving the
    // texts as they were.
    void load(const QString &settingsFile);

    // Text of button `number` (1 ... 19); empty for any other number.
    QString text(int number) const;
    QStringList all() const;

    // The rules of the dialog's buttons, `selected` being the selected button's number or 0
    // for none. Validate stores `text` cut to the limit (an empty text empties the slot);
    // clear empties one slot; both do nothing without a selection.
    void validate(int selected, const QString &text);
    void clear(int selected);
    void clearAll();

private:
    std::array<QString, kPersonalButtons> m_texts;
};

// The texts of the run, loaded once at start-up.
PersonalTexts &personalTexts();

// Button `number` of the personal bar: replaces the selection by the text stored under its
// key in `settingsFile`, read at this moment, verbatim (one undo step, caret just after it).
void insertPersonalText(EditorControl &control, int number, const QString &settingsFile);
