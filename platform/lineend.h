#pragma once

#include <utility>
#include <vector>

// The three line break styles of a text file.
enum class LineEnd { CrLf, Lf, Cr };

// The lines of a document whose break is not the document's usual style: pairs of a line
// number (from 0, the line the break ends) and its break, in increasing line order. Every
// other line ends in the usual style; an empty list means every line does.
using OtherLineEnds = std::vector<std::pair<int, LineEnd>>;
