#include "exchange.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace personal {

const QString Exchange::Format = QStringLiteral("vitralis-notes-favoris");

QByteArray Exchange::toJson() const
{
    QJsonArray noteArray;
    for (const auto& [remedy, text] : notes)
        noteArray.append(
            QJsonObject{{QStringLiteral("remedy"), remedy}, {QStringLiteral("text"), text}});
    const QJsonObject root{
        {QStringLiteral("format"), Format},
        {QStringLiteral("version"), Version},
        {QStringLiteral("exported"), QDateTime::currentDateTime().toString(Qt::ISODate)},
        {QStringLiteral("favourites"), QJsonArray::fromStringList(favourites)},
        {QStringLiteral("notes"), noteArray},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString Exchange::fromJson(const QByteArray& bytes)
{
    const QString notOurs =
        QStringLiteral("ce fichier n'est pas un export des notes et favoris de Vitralis");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return notOurs;
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != Format)
        return notOurs;
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version > Version)
        return QStringLiteral("ce fichier vient d'une version plus récente de Vitralis");
    if (version < 1)
        return notOurs;
    Exchange read;
    const QJsonValue favouriteList = root.value(QStringLiteral("favourites"));
    const QJsonValue noteList = root.value(QStringLiteral("notes"));
    if (!(favouriteList.isArray() || favouriteList.isUndefined()) ||
        !(noteList.isArray() || noteList.isUndefined()))
        return notOurs;
    for (const QJsonValue& name : favouriteList.toArray()) {
        if (!name.isString() || name.toString().isEmpty())
            return notOurs;
        read.favourites << name.toString();
    }
    for (const QJsonValue& entry : noteList.toArray()) {
        const QJsonValue remedy = entry.toObject().value(QStringLiteral("remedy"));
        const QJsonValue text = entry.toObject().value(QStringLiteral("text"));
        if (!remedy.isString() || remedy.toString().isEmpty() || !text.isString())
            return notOurs;
        read.notes.append({remedy.toString(), text.toString()});
    }
    *this = std::move(read);
    return {};
}

} // namespace personal
