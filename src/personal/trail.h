#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace personal {

// Where the reader has been during this run, for back and forward: each stop
// a page and the remedy its sheet showed.
class Trail
{
public:
    static constexpr int Limit = 200;

    struct Stop
    {
        int page = 0;
        QString remedy;
        bool operator==(const Stop&) const = default;
    };

    // A showing. The stop shown now is not repeated (going back and showing
    // it again records nothing); what lay ahead of it is dropped.
    void record(const Stop& stop);
    // Moves one stop back or forward and returns it, or nothing at either end.
    std::optional<Stop> back();
    std::optional<Stop> forward();
    bool canGoBack() const { return m_at > 0; }
    bool canGoForward() const { return m_at + 1 < m_stops.size(); }
    std::optional<Stop> current() const;

private:
    QList<Stop> m_stops;
    qsizetype m_at = -1;
};

} // namespace personal
