#include "tests/editor/qstringprint.h"
#include "wizards/formfieldmarkup.h"

#include <gtest/gtest.h>

using namespace formfieldmarkup;

namespace
{

constexpr int kAfterText = -1;

struct FieldCase {
    const char *name;
    WizardInsertion insertion;
    const char *text;
    int caret;
};

TEST(FormFieldMarkup, EachFieldWithItsCaret)
{
    const FieldCase cases[] = {
        {"text area", textarea("t", "4", "30"),
         "<TEXTAREA NAME=\"t\" ROWS=\"4\" COLS=\"30\"></TEXTAREA>", 38},
        {"text area, empty values", textarea("", "", ""),
         "<TEXTAREA NAME=\"\" ROWS=\"\" COLS=\"\"></TEXTAREA>", 34},
        {"submit without value", submitButton("go", ""), "<INPUT TYPE=\"SUBMIT\" NAME=\"go\">",
         kAfterText},
        {"submit with value", submitButton("go", "Envoyer"),
         "<INPUT TYPE=\"SUBMIT\" NAME=\"go\" VALUE=\"Envoyer\">", kAfterText},
        {"check box, unchecked, no value", choice(Choice::Checkbox, "ok", "", false),
         "<INPUT TYPE=\"CHECKBOX\" NAME=\"ok\" CHECKED=\"false\">", kAfterText},
        {"check box, checked, valued", choice(Choice::Checkbox, "ok", "oui", true),
         "<INPUT TYPE=\"CHECKBOX\" NAME=\"ok\" VALUE=\"oui\" CHECKED=\"true\">", kAfterText},
        {"radio, checked", choice(Choice::Radio, "r", "1", true),
         "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"1\" CHECKED=\"true\">", kAfterText},
        {"password with only a size", entry(Entry::Password, "p", "", "10", ""),
         "<INPUT TYPE=\"PASSWORD\" NAME=\"p\" SIZE=\"10\">", kAfterText},
        {"text with every attribute", entry(Entry::Text, "n", "8", "10", "a\"b"),
         "<INPUT TYPE=\"TEXT\" NAME=\"n\" MAXLENGTH=\"8\" SIZE=\"10\" VALUE=\"a\"b\">", kAfterText},
        {"hidden, empty fields keep VALUE", hidden("", ""),
         "<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\">", kAfterText},
        {"image button, bare name unchanged", imageButton("envoi", "Bouton.GIF"),
         "<INPUT TYPE=\"IMAGE\" NAME=\"envoi\" SRC=\"Bouton.GIF\">", kAfterText},
        {"drop-down", dropDown("m", "1"), "<SELECT NAME=\"m\" SIZE=\"1\"></SELECT>", 26},
        {"drop-down, values with %1", dropDown("%1", "%2"),
         "<SELECT NAME=\"%1\" SIZE=\"%2\"></SELECT>", 28},
    };
    for (const FieldCase &c : cases) {
        EXPECT_EQ(c.insertion.text, QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(c.insertion.caret.value_or(kAfterText), c.caret) << c.name;
    }
}

} // namespace
