#include "LabWindowPlacement.h"

#include <algorithm>
#include <numeric>

QRect NearestOnScreen(const QRect& frame, const QRect& area) {
    QRect r = frame;
    if (r.right() > area.right()) r.moveRight(area.right());
    if (r.bottom() > area.bottom()) r.moveBottom(area.bottom());
    if (r.left() < area.left()) r.moveLeft(area.left());
    if (r.top() < area.top()) r.moveTop(area.top());
    return r;
}

namespace {

// Shares `total` among windows: each gets its minimum, and what is left goes in proportion to how much more
// each would like, never beyond that.
std::vector<int> Share(int total, const std::vector<int>& minimum, const std::vector<int>& preferred) {
    std::vector<int> out = minimum;
    const int wanted = std::accumulate(preferred.begin(), preferred.end(), 0);
    if (wanted <= total) return preferred;
    int spare = total - std::accumulate(minimum.begin(), minimum.end(), 0);
    int more = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
        more += std::max(0, preferred[i] - minimum[i]);
    if (spare <= 0 || more <= 0) return out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] += int(qint64(spare) * std::max(0, preferred[i] - minimum[i]) / more);
    return out;
}

} // namespace

TLabArrangement ArrangeLabWindows(const QRect& area, const QRect& experiment,
                                  const std::vector<TLabWindowSize>& lab) {
    TLabArrangement result;
    QRect e = NearestOnScreen(experiment, area);
    result.Experiment = e;
    if (lab.empty()) return result;
    constexpr int gap = LabWindowGap;
    const std::size_t n = lab.size();
    std::vector<int> minW, minH, prefW, prefH;
    for (const TLabWindowSize& w : lab) {
        minW.push_back(std::min(w.Minimum.width(), area.width()));
        minH.push_back(std::min(w.Minimum.height(), area.height()));
        prefW.push_back(std::clamp(w.Preferred.width(), minW.back(), area.width()));
        prefH.push_back(std::clamp(w.Preferred.height(), minH.back(), area.height()));
    }
    const int widest = *std::max_element(minW.begin(), minW.end());
    const int sumMinW = std::accumulate(minW.begin(), minW.end(), 0) + gap * int(n - 1);
    const int sumMinH = std::accumulate(minH.begin(), minH.end(), 0) + gap * int(n - 1);

    auto roomRight = [&] { return area.right() - e.right() - gap; };
    auto roomLeft = [&] { return e.left() - gap - area.left(); };
    auto toEdgeFor = [&](int need) {
        if (std::max(roomRight(), roomLeft()) >= need || area.width() < e.width() + gap + need) return false;
        if (roomRight() >= roomLeft())
            e.moveLeft(area.left());
        else
            e.moveRight(area.right());
        return true;
    };

    // One column (stacked or sharing one place) or, for several windows, columns side by side.
    bool sideBySide = false;
    if (n > 1 && sumMinH > area.height()) {
        if (std::max(roomRight(), roomLeft()) >= sumMinW || toEdgeFor(sumMinW)) sideBySide = true;
    }
    if (!sideBySide) toEdgeFor(widest);

    const bool right = roomRight() >= roomLeft();
    int room = std::max(roomRight(), roomLeft());
    QRect column;
    if (room >= (sideBySide ? sumMinW : widest)) {
        column = right ? QRect(QPoint(e.right() + gap + 1, area.top()), area.bottomRight())
                       : QRect(area.topLeft(), QPoint(e.left() - gap - 1, area.bottom()));
    } else {
        // A screen too small for both: the far edge, as narrow as the lab window allows.
        room = sideBySide ? sumMinW : widest;
        column = right ? QRect(area.right() - room + 1, area.top(), room, area.height())
                       : QRect(area.left(), area.top(), room, area.height());
    }

    result.Experiment = e;
    result.Lab.resize(n);
    if (sideBySide) {
        const std::vector<int> widths = Share(column.width() - gap * int(n - 1), minW, prefW);
        int x = right ? column.left()
                      : column.right() + 1 -
                            (std::accumulate(widths.begin(), widths.end(), 0) + gap * int(n - 1));
        for (std::size_t i = 0; i < n; ++i) {
            const int h = prefH[i];
            const int y = std::clamp(e.top(), area.top(), area.bottom() + 1 - h);
            result.Lab[i] = QRect(x, y, widths[i], h);
            x += widths[i] + gap;
        }
        return result;
    }
    auto widthIn = [&](std::size_t i) { return std::max(minW[i], std::min(prefW[i], column.width())); };
    auto xIn = [&](int w) { return right ? column.left() : column.right() + 1 - w; };
    if (n == 1) {
        const int w = widthIn(0), h = prefH[0];
        result.Lab[0] = QRect(xIn(w), std::clamp(e.top(), area.top(), area.bottom() + 1 - h), w, h);
        return result;
    }
    if (sumMinH <= column.height()) {
        const std::vector<int> heights = Share(column.height() - gap * int(n - 1), minH, prefH);
        int y = column.top();
        for (std::size_t i = 0; i < n; ++i) {
            const int w = widthIn(i);
            result.Lab[i] = QRect(xIn(w), y, w, heights[i]);
            y += heights[i] + gap;
        }
        return result;
    }
    // No room to share: one place for all, as wide and high as the largest of them needs, within the column.
    int w = 0, h = 0;
    for (std::size_t i = 0; i < n; ++i) {
        w = std::max(w, widthIn(i));
        h = std::max(h, std::max(minH[i], std::min(prefH[i], column.height())));
    }
    result.Shared = true;
    for (std::size_t i = 0; i < n; ++i)
        result.Lab[i] = QRect(xIn(w), column.top(), w, h);
    return result;
}
