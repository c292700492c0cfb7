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
        m_entrees.clear();
    }

    // Pushes a name, with a number the caller keeps beside it (the analyzer keeps the row of
    // the element's attributes there).
    void empiler(Nom nom, int donnee = 0)
    {
        m_entrees.push_back({m_noms.size(), donnee});
        m_noms.append(nom);
    }

    // Removes the top name; an empty stack stays empty.
    void depiler()
    {
        if (m_entrees.empty())
            return;
        m_noms.resize(m_entrees.back().debut);
        m_entrees.pop_back();
    }

    // The top name; the empty name when the stack is empty.
    Nom sommet() const
    {
        if (m_entrees.empty())
            return {};
        return Nom(m_noms).substr(m_entrees.back().debut);
    }

    // The number pushed with the top name; `siVide` when the stack is empty.
    int donneeSommet(int siVide) const
    {
        return m_entrees.empty() ? siVide : m_entrees.back().donnee;
    }

    qsizetype nombre() const { return qsizetype(m_entrees.size()); }
    bool vide() const { return m_entrees.empty(); }

private:
    struct Entree {
        std::size_t debut; // of the name in m_noms
        int donnee;
    };

    std::basic_string<Unit> m_noms;
    std::vector<Entree> m_entrees;
};
