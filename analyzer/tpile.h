#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

// The stack of open paired elements of one analysis run. Names are kept exactly as written in
// the document, in one shared buffer, so a push allocates nothing once the buffer has grown to
// the deepest nesting met.
template <class Unit> class Tpile
{
public:
    using Nom = std::basic_string_view<Unit>;

    void initpile()
    {
        m_noms.clear();
        m_debuts.clear();
    }

    void empiler(Nom nom)
    {
        m_debuts.push_back(m_noms.size());
        m_noms.append(nom);
    }

    // Removes the top name; an empty stack stays empty.
    void depiler()
    {
        if (m_debuts.empty())
            return;
        m_noms.resize(m_debuts.back());
        m_debuts.pop_back();
    }

    // The top name; the empty name when the stack is empty.
    Nom sommet() const
    {
        if (m_debuts.empty())
            return {};
        return Nom(m_noms).substr(m_debuts.back());
    }

    qsizetype nombre() const { return qsizetype(m_debuts.size()); }
    bool vide() const { return m_debuts.empty(); }

private:
    std::basic_string<Unit> m_noms;
    std::vector<std::size_t> m_debuts;
};
