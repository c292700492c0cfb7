#include "wizards/formfieldmarkup.h"

namespace formfieldmarkup
{

namespace
{

// "\" NAME=\"" + value when the value is not empty: an attribute continuing the previous one.
QString optional(const char *name, const QString &value)
{
    if (value.isEmpty())
        return QString();
    return QStringLiteral("\" %1=\"").arg(QLatin1String(name)) + value;
}

WizardInsertion afterText(const QString &text)
{
    return {text, std::nullopt};
}

} // namespace

WizardInsertion textarea(const QString &name, const QString &rows, const QString &columns)
{
    const QString open =
        QStringLiteral("<TEXTAREA NAME=\"%1\" ROWS=\"%2\" COLS=\"%3\">").arg(name, rows, columns);
    return {open + QStringLiteral("</TEXTAREA>"), int(open.size())};
}

WizardInsertion submitButton(const QString &name, const QString &value)
{
    return afterText(QStringLiteral("<INPUT TYPE=\"SUBMIT\" NAME=\"") + name +
                     optional("VALUE", value) + QStringLiteral("\">"));
}

WizardInsertion choice(Choice kind, const QString &name, const QString &value, bool checked)
{
    const QString type =
        kind == Choice::Checkbox ? QStringLiteral("CHECKBOX") : QStringLiteral("RADIO");
    return afterText(QStringLiteral("<INPUT TYPE=\"%1\" NAME=\"").arg(type) + name +
                     optional("VALUE", value) + QStringLiteral("\" CHECKED=\"") +
                     (checked ? QStringLiteral("true\">") : QStringLiteral("false\">")));
}

WizardInsertion entry(Entry kind, const QString &name, const QString &maxLength,
                      const QString &size, const QString &value)
{
    const QString type = kind == Entry::Text ? QStringLiteral("TEXT") : QStringLiteral("PASSWORD");
    return afterText(QStringLiteral("<INPUT TYPE=\"%1\" NAME=\"").arg(type) + name +
                     optional("MAXLENGTH", maxLength) + optional("SIZE", size) +
                     optional("VALUE", value) + QStringLiteral("\">"));
}

WizardInsertion hidden(const QString &name, const QString &value)
{
    return afterText(QStringLiteral("<INPUT TYPE=\"HIDDEN\" NAME=\"") + name +
                     QStringLiteral("\" VALUE=\"") + value + QStringLiteral("\">"));
}

WizardInsertion imageButton(const QString &name, const QString &source)
{
    return afterText(QStringLiteral("<INPUT TYPE=\"IMAGE\" NAME=\"") + name +
                     QStringLiteral("\" SRC=\"") + source + QStringLiteral("\">"));
}

WizardInsertion dropDown(const QString &name, const QString &height)
{
    const QString open = QStringLiteral("<SELECT NAME=\"") + name + QStringLiteral("\" SIZE=\"") +
                         height + QStringLiteral("\">");
    return {open + QStringLiteral("</SELECT>"), int(open.size())};
}

} // namespace formfieldmarkup
