#include "app/mditiling.h"

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
