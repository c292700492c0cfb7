#include "app/mditiling.h"

#include <algorithm>

namespace
{

// Splits `length` into `count` parts whose sizes differ by at most one.
QList<QPair<int, int>> split(int start, int length, int count)
{
    QList<QPair<int, int>> parts;
    int offset = start;
    for (int i = 0; i < count; ++i) {
        const int size = length / count + (i < length % count ? 1 : 0);
        parts.append({offset, size});
        offset += size;
    }
    return parts;
}

} // namespace

QList<QRect> tileHorizontally(const QRect &area, int count)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    for (const auto &[top, height] : split(area.top(), area.height(), count))
        rects.append(QRect(area.left(), top, area.width(), height));
    return rects;
}

QList<QRect> tileVertically(const QRect &area, int count)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    for (const auto &[left, width] : split(area.left(), area.width(), count))
        rects.append(QRect(left, area.top(), width, area.height()));
    return rects;
}

namespace
{

// The number of cascade positions a window of `size` has inside `area`.
int cascadePositions(const QRect &area, const QSize &size, int step)
{
    if (step <= 0)
        return 1;
    const int across = (area.width() - size.width()) / step;
    const int down = (area.height() - size.height()) / step;
    return std::max(1, std::min(across, down) + 1);
}

} // namespace

QList<QRect> cascade(const QRect &area, int count, int step)
{
    QList<QRect> rects;
    const QSize size(std::max(1, area.width() * 2 / 3), std::max(1, area.height() * 2 / 3));
    for (int i = 0; i < count; ++i)
        rects.append(cascadePlace(area, size, i, step));
    return rects;
}

QRect cascadePlace(const QRect &area, const QSize &size, int index, int step)
{
    const QSize fitted = size.boundedTo(area.size()).expandedTo(QSize(1, 1));
    const int offset =
        std::max(0, step) * (std::max(0, index) % cascadePositions(area, fitted, step));
    return QRect(area.topLeft() + QPoint(offset, offset), fitted);
}
