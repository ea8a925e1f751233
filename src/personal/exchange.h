#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace personal {

// The file in which a reader takes their notes and favourites to another
// computer or keeps a copy of them: UTF-8 JSON, readable as it is.
//
//   {
//     "format": "vitralis-notes-favoris",
//     "version": 1,
//     "exported": "2026-12-09T12:30:00",
//     "favourites": ["SULFUR", "ARNICA MONTANA"],
//     "notes": [ { "remedy": "SULFUR", "text": "..." } ]
//   }
//
// A remedy is named by its Latin name as the sheets show it.
struct Exchange
{
    static constexpr int Version = 1;
    static const QString Format;

    QStringList favourites;
    QList<std::pair<QString, QString>> notes; // remedy, text

    QByteArray toJson() const;
    // Reads `bytes`; returns why they are no such file (in French), or an
    // empty string.
    QString fromJson(const QByteArray& bytes);
};

} // namespace personal
