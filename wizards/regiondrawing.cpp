#include "wizards/regiondrawing.h"

#include "wizards/imagemarkup.h"

void RegionDrawing::activate()
{
    m_mode = Mode::Rect;
    m_busy = false;
    m_next = {1, 1, 1};
    m_nextVertex = 1;
    m_polygon = PolyRegion();
    m_blue[size_t(Mode::Rect)] = true;
}

void RegionDrawing::highlight(Mode mode)
{
    m_blue = {false, false, false};
    m_blue[size_t(mode)] = true;
}

bool RegionDrawing::chooseRect()
{
    if (m_busy)
        return false;
    m_mode = Mode::Rect;
    highlight(Mode::Rect);
    return true;
}

bool RegionDrawing::chooseCircle()
{
    if (m_busy)
        return false;
    m_mode = Mode::Circle;
    highlight(Mode::Circle);
    return true;
}

void RegionDrawing::startPolygon()
{
    if (!m_busy)
        highlight(Mode::Poly);
    m_mode = Mode::Poly;
    m_busy = true;
    m_polygon = PolyRegion();
    m_nextVertex = 1;
}

PolyRegion RegionDrawing::stopPolygon()
{
    PolyRegion closed = m_polygon;
    closed.link = RegionLink();
    m_busy = false;
    m_polygon = PolyRegion();
    m_nextVertex = 1;
    return closed;
}

RegionDrawing::Click RegionDrawing::click(QPoint point)
{
    Click result;
    if (m_mode == Mode::Poly) {
        // Vertices count only inside a polygon opened by "Polygone".
        if (!m_busy)
            return result;
        if (m_nextVertex > PolyRegion::kSlots) {
            result.kind = Click::Kind::PolygonFull;
            return result;
        }
        const int k = m_nextVertex++;
        m_polygon.vertices[size_t(k - 1)] = point;
        result.kind = Click::Kind::Vertex;
        result.vertex = k;
        result.first = k > 1 ? m_polygon.vertices[size_t(k - 2)] : point;
        result.second = point;
        return result;
    }
    if (!m_busy) {
        m_first = point;
        m_busy = true;
        result.kind = Click::Kind::FirstPoint;
        result.first = point;
        return result;
    }
    m_busy = false;
    result.first = m_first;
    result.second = point;
    if (m_mode == Mode::Rect) {
        result.kind = Click::Kind::Rectangle;
    } else {
        result.kind = Click::Kind::Circle;
        result.radius = circleRadius(m_first, point);
    }
    return result;
}

void RegionDrawing::regionStored(RegionShape shape)
{
    ++m_next[index(shape)];
}
