#pragma once

#include "wizards/regionfiles.h"

#include <QPoint>

#include <array>

// The region editor's drawing rules, apart from its window: the shape mode, the busy state
// (a first corner pending or a polygon open), the points, the polygon's vertex slots and the
// next record number of each region file.
class RegionDrawing
{
public:
    enum class Mode { Rect, Circle, Poly };

    struct Click {
        enum class Kind {
            Ignored,     // a click in polygon mode with no polygon open
            FirstPoint,  // first corner or centre stored; the editor waits for the second
            Rectangle,   // from `first` to `second`
            Circle,      // centre `first`, through `second`, `radius`
            Vertex,      // vertex number `vertex` at `second`; a line from `first` when > 1
            PolygonFull, // the polygon holds all its vertices: the click is refused
        };
        Kind kind = Kind::Ignored;
        QPoint first, second;
        int radius = 0;
        int vertex = 0;
    };

    // Starts a use of the editor: rectangle mode, nothing pending, every record number and
    // the vertex number at 1. "Rectangle" turns blue; the other buttons keep their colour.
    void activate();

    // The shape buttons: ignored (false) while busy.
    bool chooseRect();
    bool chooseCircle();
    // "Polygone": opens a new polygon at vertex 1 with every slot unset, whatever was pending.
    void startPolygon();
    // "Stop Polygone": closes the open polygon and returns it (its link still empty). The
    // mode stays polygon; the slots are cleared for the next one.
    PolyRegion stopPolygon();

    Click click(QPoint point);

    // A region's record was written: its file's next number moves on.
    void regionStored(RegionShape shape);
    int nextNumber(RegionShape shape) const { return m_next[index(shape)]; }
    // Regions stored since activation.
    int storedCount(RegionShape shape) const { return m_next[index(shape)] - 1; }
    // Forgets the counts, as before any activation (a map command that never opens the
    // editor has no region).
    void resetCounts() { m_next = {1, 1, 1}; }

    Mode mode() const { return m_mode; }
    bool busy() const { return m_busy; }
    bool polygonOpen() const { return m_mode == Mode::Poly && m_busy; }
    int nextVertex() const { return m_nextVertex; }
    const PolyRegion &polygon() const { return m_polygon; }
    // Whether each shape button's caption is blue: rectangle, circle, polygon.
    bool highlighted(Mode mode) const { return m_blue[size_t(mode)]; }

private:
    static size_t index(RegionShape shape) { return size_t(shape); }
    void highlight(Mode mode);

    Mode m_mode = Mode::Rect;
    bool m_busy = false;
    QPoint m_first;
    int m_nextVertex = 1;
    PolyRegion m_polygon;
    std::array<int, 3> m_next{1, 1, 1};
    std::array<bool, 3> m_blue{false, false, false};
};
