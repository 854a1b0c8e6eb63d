#include "readingorder.h"

#include <QWidget>

#include <algorithm>

namespace {
bool isTabStop(const QWidget *w)
{
    // A widget whose focus goes to another (a spin box's editor, a web view's surface) is
    // reached through that one.
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->focusProxy();
}

// The shown child widgets of `parent`, in reading order: each time the one that nothing left
// reads before. Pages hold a few dozen children at most, so the quadratic search costs nothing.
QWidgetList childrenInReadingOrder(const QWidget *parent)
{
    QWidgetList left;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && !w->isWindow() && !w->isHidden())
            left << w;
    }
    // Ties and odd overlaps fall back to the top-left corner, so the order is always complete.
    std::stable_sort(left.begin(), left.end(), [](const QWidget *a, const QWidget *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    QWidgetList ordered;
    while (!left.isEmpty()) {
        auto first = std::find_if(left.begin(), left.end(), [&left](const QWidget *candidate) {
            return std::none_of(left.begin(), left.end(), [candidate](const QWidget *other) {
                return other != candidate && ReadingOrder::readsBefore(other->geometry(), candidate->geometry());
            });
        });
        if (first == left.end())
            first = left.begin();
        ordered << *first;
        left.erase(first);
    }
    return ordered;
}

void collect(const QWidget *parent, QWidgetList &stops)
{
    for (QWidget *child : childrenInReadingOrder(parent)) {
        if (isTabStop(child))
            stops << child;
        collect(child, stops);
    }
}
} // namespace

bool ReadingOrder::readsBefore(const QRect &a, const QRect &b)
{
    const bool sameBand = qMin(a.bottom(), b.bottom()) > qMax(a.top(), b.top());
    return sameBand ? a.left() < b.left() : a.bottom() < b.top();
}

QWidgetList ReadingOrder::tabStops(QWidget *root)
{
    QWidgetList stops;
    collect(root, stops);
    return stops;
}

void ReadingOrder::apply(QWidget *root)
{
    const QWidgetList stops = tabStops(root);
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}
