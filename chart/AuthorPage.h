#pragma once

namespace chart {

// The page the link label of both windows opens: the chart's article in Russian.
inline constexpr const char* kAuthorPage =
    "https://ru.wikipedia.org/wiki/Диаграмма_Вольперта_—_Смита";

} // namespace chart
