#pragma once

#include "analyzer/analyseur.h"
#include "platform/editorcontrol.h"

// The lines of an editor control as the analyzer reads them, one line at a time. The control
// counts an empty last line after a final line break (and one empty line in an empty text);
// the analyzer does not, so that line is left out.
class SourceEditeur : public SourceLignes
{
public:
    explicit SourceEditeur(const EditorControl &controle) : m_controle(controle) {}

    qsizetype nombreLignes() const override
    {
        const int nombre = m_controle.lineCount();
        if (nombre > 0 && m_controle.line(nombre - 1).isEmpty())
            return nombre - 1;
        return nombre;
    }

    QStringView ligne(qsizetype index) override
    {
        m_ligne = m_controle.line(int(index));
        return m_ligne;
    }

private:
    const EditorControl &m_controle;
    QString m_ligne;
};
