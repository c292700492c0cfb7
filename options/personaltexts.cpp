#include "options/personaltexts.h"

#include "editor/insertion.h"
#include "settings/settingsstore.h"

namespace
{

bool validNumber(int number)
{
    return number >= 1 && number <= kPersonalButtons;
}

} // namespace

QString personalTextKey(int number)
{
    return QStringLiteral("chaine%1").arg(number);
}

QString personalPictureKey(int number)
{
    return QStringLiteral("bouton%1").arg(number);
}

QString cutPersonalText(const QString &text)
{
    if (text.size() <= kPersonalTextLimit)
        return text;
    qsizetype end = kPersonalTextLimit;
    const QChar last = text.at(end - 1);
    const QChar next = text.at(end);
    if ((last.isHighSurrogate() && next.isLowSurrogate()) || (last == u'\r' && next == u'\n'))
        --end;
    return text.left(end);
}

QString storedFromMemo(const QString &memoText)
{
    QString text = memoText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QString memoFromStored(const QString &stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void PersonalTexts::load(const QString &settingsFile)
{
    std::array<QString, kPersonalButtons> texts;
    for (int number = 1; number <= kPersonalButtons; ++number)
        texts[number - 1] = cutPersonalText(lireparametre(personalTextKey(number), settingsFile));
    m_texts = texts;
}

QString PersonalTexts::text(int number) const
{
    return validNumber(number) ? m_texts[number - 1] : QString();
}

QStringList PersonalTexts::all() const
{
    return QStringList(m_texts.begin(), m_texts.end());
}

void PersonalTexts::validate(int selected, const QString &text)
{
    if (validNumber(selected))
        m_texts[selected - 1] = cutPersonalText(text);
}

void PersonalTexts::clear(int selected)
{
    if (validNumber(selected))
        m_texts[selected - 1].clear();
}

void PersonalTexts::clearAll()
{
    for (QString &text : m_texts)
        text.clear();
}

PersonalTexts &personalTexts()
{
    static PersonalTexts texts;
    return texts;
}

void insertPersonalText(EditorControl &control, int number, const QString &settingsFile)
{
    insertSimple(control, lireparametre(personalTextKey(number), settingsFile), std::nullopt);
}
