#pragma once

#include "analyzer/analyseur.h"
#include "analyzer/dictionnaire.h"

#include <QStringList>

#include <vector>

// The analyzer's scan written the plain way, one character and one step at a time, straight
// from the steps A to I and the procedures S and T of the engine's description, with the
// dictionary's text lookups. The engine reads several characters at once and works on lookup
// keys; both must give the same result and the same warnings. Where the description leaves
// the empty stack open, this follows the engine's choice: the top of an empty stack is the
// empty name (which allows every attribute), and a closing tag with nothing open is itself a
// code 1 finding on its own word, unless the same step already found something.
class ReferenceAnalyzer
{
public:
    explicit ReferenceAnalyzer(const EnvironnementAnalyse &environment) : m_env(environment) {}

    ResultatAnalyse run(const QStringList &lines)
    {
        for (qsizetype l = 0; l < lines.size() && !m_found; ++l) {
            const QString &line = lines[l];
            for (qsizetype p = 1; p <= line.size() && !m_found; ++p)
                step(line, l, p);
        }
        ResultatAnalyse result;
        if (m_found) {
            result.ligne = m_foundLine + 1;
            result.colonne = m_foundPosition + 1;
            result.code = m_code;
            result.mot = m_word;
            return result;
        }
        result.code = m_closings < m_openings ? codes::kNonReferme : codes::kAucun;
        result.ligne = lines.size();
        result.colonne = lines.isEmpty() ? 1 : lines.last().size() + 1;
        return result;
    }

private:
    enum class Construct { None, Tag, Comment, Processing };

    void step(const QString &line, qsizetype l, qsizetype p)
    {
        const auto at = [&](qsizetype position) {
            return position >= 1 && position <= line.size() ? line[position - 1] : QChar();
        };
        const QChar c = at(p), next = at(p + 1), after = at(p + 2), before = at(p - 1);
        m_line = l;
        m_position = p;

        if (m_inTag) { // A
            if (c == u'"' && !m_inQuotes) {
                m_inQuotes = true;
                m_current += c;
            } else if (c == u'"' && m_inQuotes) {
                m_inQuotes = false;
                m_current += c;
            } else if (c != u' ' || m_inQuotes) {
                m_current += c;
            } else {
                procedureS(m_current);
                m_current.clear();
            }
        }
        if (c == u'<' && next != u'!' && next != u'?' && m_construct != Construct::Comment &&
            m_construct != Construct::Processing) { // B
            m_construct = Construct::Tag;
            ++m_openings;
            m_inTag = true;
        }
        if (c == u'<' && next == u'!' && after == u'-' && m_construct == Construct::Comment) // C
            warn(QStringLiteral(" - L: %1 , C: %2 : %3").arg(l + 1).arg(p).arg(text(5025)));
        else if (c == u'<' && next == u'!' && after == u'-') { // D
            m_construct = Construct::Comment;
            ++m_openings;
            m_inTag = false;
        }
        if (c == u'<' && next == u'?' && m_construct != Construct::Processing) { // E
            m_construct = Construct::Processing;
            ++m_openings;
            m_inTag = false;
        }
        if (next == u'>' && m_construct == Construct::Tag && m_inTag) { // F
            procedureT(m_current);
            m_current.clear();
            m_inTag = false;
            m_construct = Construct::None;
            ++m_closings;
        }
        if (next == u'>' && c == u'-' && before == u'-') {
            if (m_construct != Construct::Comment) { // G
                warn(QStringLiteral(" - L: %1 , C: %2 : %3 - L: %1 , C: %2")
                         .arg(l + 1)
                         .arg(p)
                         .arg(text(5026)));
            } else { // H
                m_inTag = false;
                ++m_closings;
                m_construct = Construct::None;
            }
        }
        if (next == u'>' && c == u'?' && m_construct == Construct::Processing) { // I
            m_inTag = false;
            ++m_closings;
            m_construct = Construct::None;
        }
    }

    void procedureS(const QString &w)
    {
        if (w.isEmpty())
            return;
        const int v = verifieattribut(w);
        if (!balisepaire(w) && v != 1 && !baliseseule(w))
            record(v == 0 ? codes::kMotInconnu : v, w);
        if (balisepaire(w)) {
            m_stack.push_back(w);
            m_emptyElement.clear();
        }
        if (baliseseule(w))
            m_emptyElement = w;
        if (!m_emptyElement.isNull()) {
            if (v == 1 && !attributpermis(w, m_emptyElement)) {
                if (m_env.information)
                    m_env.information(m_emptyElement);
                record(codes::kNonPermis, w);
            }
        } else if (v == 1 && !attributpermis(w, top())) {
            record(codes::kNonPermis, w);
        }
    }

    void procedureT(const QString &w)
    {
        const int v = verifieattribut(w);
        if (!balisepaire(w) && v != 1 && !baliseseule(w))
            record(v == 0 ? codes::kMotInconnu : v, w);
        if (v == 1 && !attributpermis(w, m_emptyElement.isNull() ? top() : m_emptyElement))
            record(codes::kNonPermis, w);
        if (w.isEmpty())
            return;
        m_emptyElement = QString();
        if (w.startsWith(u'/')) {
            const QString x = w.mid(1);
            if (m_stack.empty()) {
                if (!m_found)
                    record(codes::kFermeture, w);
            } else if (top() == x) {
                m_stack.pop_back();
            } else if (lowerAscii(top()) == lowerAscii(x)) {
                warn(QStringLiteral(" : %1 %2 %3").arg(top(), text(5024), x));
                m_stack.pop_back();
            } else {
                record(codes::kFermeture, top());
            }
        } else if (!baliseseule(w) && v != 1 && balisepaire(w)) {
            m_stack.push_back(w);
        }
    }

    static QString lowerAscii(QString s)
    {
        for (QChar &ch : s) {
            if (ch >= u'A' && ch <= u'Z')
                ch = QChar(ch.unicode() - u'A' + u'a');
        }
        return s;
    }

    QString top() const { return m_stack.empty() ? QString() : m_stack.back(); }

    void record(int code, const QString &word)
    {
        m_found = true;
        m_code = code;
        m_word = word;
        m_foundLine = m_line;
        m_foundPosition = m_position;
    }

    QString text(int number) const { return m_env.texte ? m_env.texte(number) : QString(); }

    void warn(const QString &rest)
    {
        if (m_env.avertissement)
            m_env.avertissement(text(5023) + rest);
    }

    const EnvironnementAnalyse &m_env;
    Construct m_construct = Construct::None;
    bool m_inTag = false;
    bool m_inQuotes = false;
    QString m_current;
    QString m_emptyElement; // null: none ("$")
    std::vector<QString> m_stack;
    qsizetype m_openings = 0, m_closings = 0;
    qsizetype m_line = 0, m_position = 0;

    bool m_found = false;
    int m_code = codes::kAucun;
    QString m_word;
    qsizetype m_foundLine = 0, m_foundPosition = 0;
};
