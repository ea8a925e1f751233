#include "store.h"

#include "exchange.h"
#include "privacy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace personal {

namespace {

// Larger than anything the program writes by far: such a file is not ours.
constexpr qint64 LargestFile = 32 * 1024 * 1024;

struct KindFile
{
    const char* name;
    const char* format; // the "format" every file of the kind says it is
    const char* what;   // what the reader loses, for the messages
};

const KindFile Files[Store::KindCount] = {
    {"historique.json", "vitralis-historique", "votre historique (remèdes récemment consultés)"},
    {"favoris.json", "vitralis-favoris", "vos favoris"},
    {"notes.json", "vitralis-notes", "vos notes"},
    {"affichage.json", "vitralis-affichage", "votre taille de texte"},
};

const int TextSizes[] = {80, 90, 100, 110, 125, 150, 175, 200};

QString quoted(const QString& text)
{
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(text));
}

// The name a file is set aside under: its own, with the date and time.
QString asideName(const QString& path)
{
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(
        info.completeBaseName() + QStringLiteral("-mis-de-cote-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString suffix = QStringLiteral(".") + info.suffix();
    QString candidate = stem + suffix;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = stem + QStringLiteral("-%1").arg(n) + suffix;
    return candidate;
}

QStringList stringsOf(const QJsonValue& value, bool* ok)
{
    QStringList strings;
    if (!value.isArray()) {
        *ok = false;
        return strings;
    }
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString() || item.toString().isEmpty()) {
            *ok = false;
            return {};
        }
        if (!strings.contains(item.toString()))
            strings << item.toString();
    }
    return strings;
}

// Reads at most LargestFile bytes of `path`; false when it cannot be read.
bool readAll(const QString& path, QByteArray* bytes, QString* why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("il ne peut être lu (droits insuffisants ou fichier inaccessible)");
        return false;
    }
    *bytes = file.read(LargestFile + 1);
    if (bytes->size() > LargestFile) {
        *why = QStringLiteral("il est bien trop gros pour être un fichier de Vitralis");
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        *why = QStringLiteral("il ne peut être lu jusqu'au bout");
        return false;
    }
    return true;
}

} // namespace

QString Store::fileName(Kind kind)
{
    return QString::fromLatin1(Files[kind].name);
}

Store::Store(const QString& folder, Access access) : m_folder(folder), m_access(access) {}

QString Store::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Store::filePath(Kind kind) const
{
    return QDir(m_folder).filePath(fileName(kind));
}

void Store::load()
{
    for (int k = 0; k < KindCount; ++k)
        read(Kind(k));
}

QStringList Store::takeProblems()
{
    return std::exchange(m_problems, {});
}

void Store::read(Kind kind)
{
    const QString path = filePath(kind);
    if (!QFileInfo::exists(path))
        return;
    QByteArray bytes;
    QString why;
    if (!readAll(path, &bytes, &why))
        return setAside(kind, why);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    const bool ours =
        error.error == QJsonParseError::NoError && document.isObject() &&
        root.value(QStringLiteral("format")).toString() == QString::fromLatin1(Files[kind].format);
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (ours && version > FormatVersion)
        return setAside(kind, QStringLiteral("il vient d'une version plus récente de Vitralis "
                                             "(format %1), que celle-ci ne sait pas lire")
                                  .arg(version));
    if (!ours || version < 1 || !readInto(kind, root))
        setAside(kind, QStringLiteral("il est endommagé"));
}

// Takes what `object` holds for `kind`, or nothing at all when any of it is wrong.
bool Store::readInto(Kind kind, const QJsonObject& object)
{
    bool ok = true;
    switch (kind) {
    case History: {
        QStringList recent = stringsOf(object.value(QStringLiteral("recent")), &ok);
        if (ok)
            m_recent = recent.mid(0, RecentLimit);
        break;
    }
    case Favourites: {
        QStringList favourites = stringsOf(object.value(QStringLiteral("favourites")), &ok);
        if (ok)
            m_favourites = favourites;
        break;
    }
    case Notes: {
        const QJsonValue notes = object.value(QStringLiteral("notes"));
        QHash<QString, QString> read;
        ok = notes.isObject();
        const QJsonObject all = notes.toObject();
        for (auto it = all.begin(); ok && it != all.end(); ++it) {
            ok = it.value().isString() && !it.key().isEmpty();
            if (ok && !it.value().toString().isEmpty())
                read.insert(it.key(), it.value().toString());
        }
        if (ok)
            m_notes = read;
        break;
    }
    case Display: {
        const QJsonValue size = object.value(QStringLiteral("textSize"));
        ok = size.isDouble();
        if (ok)
            m_textSize = std::clamp(size.toInt(NormalTextSize), SmallestTextSize, LargestTextSize);
        break;
    }
    case KindCount:
        ok = false;
        break;
    }
    return ok;
}

void Store::setAside(Kind kind, const QString& what)
{
    const QString path = filePath(kind);
    const QString lost = QString::fromUtf8(Files[kind].what);
    m_blocked[kind] = true;
    if (isReadOnly()) {
        m_problems << QStringLiteral("Vitralis n'a pu lire %1 : le fichier %2 %3. Cette copie de "
                                     "Vitralis, lancée alors qu'une autre l'était peut-être, "
                                     "le laisse en place et continue sans lui.")
                          .arg(lost, quoted(path), what);
        return;
    }
    const QString aside = asideName(path);
    if (QFile::rename(path, aside)) {
        m_blocked[kind] = false;
        m_problems << QStringLiteral("Vitralis n'a pu lire %1 : le fichier %2 %3. Il a été mis de "
                                     "côté tel quel sous le nom %4, et Vitralis continue sans lui.")
                          .arg(lost, quoted(path), what, quoted(aside));
        return;
    }
    m_problems << QStringLiteral("Vitralis n'a pu lire %1 : le fichier %2 %3, et il n'a pu être "
                                 "mis de côté. Il reste à sa place, intact : Vitralis continue "
                                 "sans lui et n'y écrira rien pendant cette session.")
                      .arg(lost, quoted(path), what);
}

QJsonObject Store::contents(Kind kind) const
{
    QJsonObject object{{QStringLiteral("format"), QString::fromLatin1(Files[kind].format)},
                       {QStringLiteral("version"), FormatVersion}};
    switch (kind) {
    case History:
        object.insert(QStringLiteral("recent"), QJsonArray::fromStringList(m_recent));
        break;
    case Favourites:
        object.insert(QStringLiteral("favourites"), QJsonArray::fromStringList(m_favourites));
        break;
    case Notes: {
        QJsonObject notes;
        for (auto it = m_notes.begin(); it != m_notes.end(); ++it)
            notes.insert(it.key(), it.value());
        object.insert(QStringLiteral("notes"), notes);
        break;
    }
    case Display:
        object.insert(QStringLiteral("textSize"), m_textSize);
        break;
    case KindCount:
        break;
    }
    return object;
}

bool Store::write(Kind kind)
{
    if (isReadOnly()) {
        if (!m_toldReadOnly)
            m_problems << QStringLiteral(
                "Vitralis était peut-être déjà lancé quand cette copie a démarré : elle lit vos "
                "notes, favoris et historique mais n'enregistre rien. Ce que vous y changez sera "
                "perdu à sa fermeture ; faites-le plutôt dans l'autre copie.");
        m_toldReadOnly = true;
        return false;
    }
    if (m_blocked[kind])
        return false; // said when the file was found unreadable
    QString why;
    if (!QDir().mkpath(m_folder)) {
        why = QStringLiteral("le dossier ne peut être créé");
    } else {
        makeFolderPrivate(m_folder);
        QSaveFile file(filePath(kind));
        const QByteArray bytes = QJsonDocument(contents(kind)).toJson(QJsonDocument::Indented);
        if (!file.open(QIODevice::WriteOnly))
            why = QStringLiteral("le dossier n'accepte pas d'écriture (lecture seule ou droits "
                                 "insuffisants)");
        else if (!makeFilePrivate(file) || file.write(bytes) != bytes.size() || !file.commit())
            why = QStringLiteral("l'écriture a échoué, le disque est peut-être plein");
    }
    if (why.isEmpty()) {
        m_unsaved[kind] = false;
        m_failing[kind] = false;
        return true;
    }
    if (!m_failing[kind])
        m_problems << QStringLiteral("Vitralis n'a pu enregistrer %1 dans %2 : %3. Rien n'est "
                                     "perdu pour l'instant : tout reste en mémoire, et Vitralis "
                                     "réessaiera au prochain enregistrement.")
                          .arg(QString::fromUtf8(Files[kind].what), quoted(m_folder), why);
    m_failing[kind] = true;
    return false;
}

bool Store::save()
{
    bool saved = true;
    for (int k = 0; k < KindCount; ++k)
        if (m_unsaved[k])
            saved = write(Kind(k)) && saved;
    return saved;
}

bool Store::hasUnsavedChanges() const
{
    return std::any_of(m_unsaved.begin(), m_unsaved.end(), [](bool b) { return b; });
}

void Store::recordShown(const QString& remedy)
{
    if (remedy.isEmpty() || (!m_recent.isEmpty() && m_recent.first() == remedy))
        return;
    m_recent.removeAll(remedy);
    m_recent.prepend(remedy);
    while (m_recent.size() > RecentLimit)
        m_recent.removeLast();
    changed(History);
}

void Store::setFavourite(const QString& remedy, bool favourite)
{
    if (remedy.isEmpty() || isFavourite(remedy) == favourite)
        return;
    if (favourite)
        m_favourites << remedy;
    else
        m_favourites.removeAll(remedy);
    changed(Favourites);
    write(Favourites);
}

QStringList Store::notedRemedies() const
{
    QStringList names = m_notes.keys();
    names.sort();
    return names;
}

void Store::setNote(const QString& remedy, const QString& text)
{
    if (remedy.isEmpty() || note(remedy) == text)
        return;
    if (text.isEmpty())
        m_notes.remove(remedy);
    else
        m_notes.insert(remedy, text);
    changed(Notes);
    write(Notes);
}

void Store::setTextSize(int percent)
{
    percent = std::clamp(percent, SmallestTextSize, LargestTextSize);
    if (percent == m_textSize)
        return;
    m_textSize = percent;
    changed(Display);
}

int Store::largerTextSize(int percent)
{
    for (int size : TextSizes)
        if (size > percent)
            return size;
    return LargestTextSize;
}

int Store::smallerTextSize(int percent)
{
    int smaller = SmallestTextSize;
    for (int size : TextSizes)
        if (size < percent)
            smaller = size;
    return smaller;
}

QString Store::exportTo(const QString& path) const
{
    Exchange exchange;
    exchange.favourites = m_favourites;
    for (const QString& remedy : notedRemedies())
        exchange.notes.append({remedy, m_notes.value(remedy)});
    QSaveFile file(path);
    const QByteArray bytes = exchange.toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Vitralis n'a pu écrire %1 (dossier en lecture seule, droits "
                              "insuffisants ou disque plein). Vos notes et favoris n'ont pas "
                              "changé.")
            .arg(quoted(path));
    return {};
}

Store::ImportOutcome Store::importFrom(const QString& path, const ReplaceNote& replace)
{
    ImportOutcome outcome;
    QByteArray bytes;
    QString why;
    Exchange exchange;
    if (readAll(path, &bytes, &why))
        why = exchange.fromJson(bytes);
    else
        why = QStringLiteral("le fichier ") + why.mid(3); // "il ne peut..." said of the file
    if (!why.isEmpty()) {
        outcome.problem = QStringLiteral("Rien n'a été importé de %1 : %2. Vos notes et favoris "
                                         "n'ont pas changé.")
                              .arg(quoted(path), why);
        return outcome;
    }
    for (const QString& remedy : exchange.favourites) {
        if (isFavourite(remedy))
            continue;
        m_favourites << remedy;
        ++outcome.favouritesAdded;
    }
    for (const auto& [remedy, theirs] : exchange.notes) {
        const QString mine = note(remedy);
        if (theirs.isEmpty() || mine == theirs)
            continue;
        if (mine.isEmpty()) {
            ++outcome.notesAdded;
        } else if (replace && replace(remedy, mine, theirs)) {
            ++outcome.notesReplaced;
        } else {
            ++outcome.notesKept;
            continue;
        }
        m_notes.insert(remedy, theirs);
    }
    if (outcome.favouritesAdded > 0) {
        changed(Favourites);
        write(Favourites);
    }
    if (outcome.notesAdded + outcome.notesReplaced > 0) {
        changed(Notes);
        write(Notes);
    }
    return outcome;
}

QString Store::ImportOutcome::summary() const
{
    if (!problem.isEmpty())
        return problem;
    const auto count = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? many : one));
    };
    QStringList parts{count(favouritesAdded, "favori ajouté", "favoris ajoutés"),
                      count(notesAdded, "note ajoutée", "notes ajoutées")};
    if (notesReplaced > 0)
        parts << count(notesReplaced, "note remplacée", "notes remplacées");
    if (notesKept > 0)
        parts << count(notesKept, "note gardée telle quelle", "notes gardées telles quelles");
    return QStringLiteral("Import terminé : %1.").arg(parts.join(QStringLiteral(", ")));
}

} // namespace personal
