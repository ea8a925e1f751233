#include "trail.h"

namespace personal {

void Trail::record(const Stop& stop)
{
    if (m_at >= 0 && m_stops[m_at] == stop)
        return;
    m_stops.resize(m_at + 1);
    m_stops.append(stop);
    if (m_stops.size() > Limit)
        m_stops.removeFirst();
    m_at = m_stops.size() - 1;
}

std::optional<Trail::Stop> Trail::back()
{
    if (!canGoBack())
        return std::nullopt;
    return m_stops[--m_at];
}

std::optional<Trail::Stop> Trail::forward()
{
    if (!canGoForward())
        return std::nullopt;
    return m_stops[++m_at];
}

std::optional<Trail::Stop> Trail::current() const
{
    if (m_at < 0)
        return std::nullopt;
    return m_stops[m_at];
}

} // namespace personal
