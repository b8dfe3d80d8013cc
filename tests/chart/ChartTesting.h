// Helpers for tests that look at what a drawing routine asked of the canvas.
#pragma once

#include "toolkit/Canvas.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace testing_chart {

using Op = tk::TCanvasCall::TOp;

inline std::vector<tk::TCanvasCall> Only(const std::vector<tk::TCanvasCall>& log, Op op) {
    std::vector<tk::TCanvasCall> out;
    std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                 [op](const tk::TCanvasCall& c) { return c.Op == op; });
    return out;
}

struct Box {
    int x1, y1, x2, y2;
    bool operator==(const Box&) const = default;
};

inline Box BoxOf(const tk::TCanvasCall& c) {
    return {c.X1, c.Y1, c.X2, c.Y2};
}

inline std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << "(" << b.x1 << ", " << b.y1 << ")-(" << b.x2 << ", " << b.y2 << ")";
}

// The index of the first call that draws exactly this box, or -1.
inline int FindEllipse(const std::vector<tk::TCanvasCall>& log, Box box) {
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].Op == Op::Ellipse && BoxOf(log[i]) == box) return int(i);
    return -1;
}

inline int FindText(const std::vector<tk::TCanvasCall>& log, const std::string& text) {
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].Op == Op::TextOut && log[i].Text == text) return int(i);
    return -1;
}

} // namespace testing_chart
