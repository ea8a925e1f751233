#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace personal {

// What the store may do with the reader's files. A second copy of the program,
// started while another may hold them, only reads.
enum class Access
{
    ReadWrite,
    ReadOnly,
};

// What a reader keeps between runs: the remedies read lately, the favourites,
// a private note per remedy and the text size of the sheets. Each kind lives in
// a file of its own under one folder, versioned, written whole or not at all.
//
// Reading never fails: a file that cannot be read (damaged, unreadable, from a
// newer version) is set aside under a dated name, never written over, and said
// once among problems(). Nothing is written before the reader keeps something.
// A save that fails keeps everything in memory and is tried again next time.
class Store
{
public:
    static constexpr int FormatVersion = 1;
    static constexpr int RecentLimit = 50;
    static constexpr int NoteLimit = 5000; // characters, what the note editor takes
    static constexpr int SmallestTextSize = 80;
    static constexpr int LargestTextSize = 200;
    static constexpr int NormalTextSize = 100;

    // The kinds kept, one file each.
    enum Kind
    {
        History,
        Favourites,
        Notes,
        Display,
        KindCount
    };
    static QString fileName(Kind kind);

    // `folder` is where the files live; it is made only when something is saved.
    explicit Store(const QString& folder, Access access = Access::ReadWrite);
    // The user's application-data folder (QStandardPaths::AppDataLocation).
    static QString defaultFolder();

    QString folder() const { return m_folder; }
    QString filePath(Kind kind) const;
    bool isReadOnly() const { return m_access == Access::ReadOnly; }

    // Reads every file there is. What it could not read is left out, set aside
    // (unless read-only) and told among the problems.
    void load();
    // The French sentences for the reader about what went wrong since the last
    // call, each said once; the caller shows them.
    QStringList takeProblems();

    // The last remedies shown, latest first, at most RecentLimit.
    QStringList recent() const { return m_recent; }
    void recordShown(const QString& remedy);

    // In the order they were added.
    QStringList favourites() const { return m_favourites; }
    bool isFavourite(const QString& remedy) const { return m_favourites.contains(remedy); }
    // Changes the favourites and saves them at once.
    void setFavourite(const QString& remedy, bool favourite);

    QString note(const QString& remedy) const { return m_notes.value(remedy); }
    bool hasNote(const QString& remedy) const { return m_notes.contains(remedy); }
    QStringList notedRemedies() const;
    // Keeps the note (an empty one removes it) and saves the notes at once.
    void setNote(const QString& remedy, const QString& text);

    int textSize() const { return m_textSize; }
    // A percentage, brought between the smallest and largest sizes.
    void setTextSize(int percent);
    // The sizes Ctrl+plus and Ctrl+minus step through.
    static int largerTextSize(int percent);
    static int smallerTextSize(int percent);

    // Writes every kind changed since it was last written. Returns false when
    // something could not be written: it stays in memory, and the next save
    // tries again.
    bool save();
    bool hasUnsavedChanges() const;

    // Notes and favourites, in one file of their own (see exchange.h).
    // Returns why it could not be written, or an empty string.
    QString exportTo(const QString& path) const;

    struct ImportOutcome
    {
        int favouritesAdded = 0;
        int notesAdded = 0;
        int notesReplaced = 0;
        int notesKept = 0; // the reader kept their own
        QString problem;   // why nothing was imported, or empty
        QString summary() const;
    };
    // Asked for each note of the file that differs from the reader's own:
    // returns true to take the file's.
    using ReplaceNote =
        std::function<bool(const QString& remedy, const QString& mine, const QString& theirs)>;
    // Adds the file's favourites and notes; a note never replaces the
    // reader's own unless `replace` says so. Saves what changed.
    ImportOutcome importFrom(const QString& path, const ReplaceNote& replace);

private:
    void read(Kind kind);
    bool readInto(Kind kind, const QJsonObject& object);
    void setAside(Kind kind, const QString& what);
    bool write(Kind kind);
    QJsonObject contents(Kind kind) const;
    void changed(Kind kind) { m_unsaved[kind] = true; }

    QString m_folder;
    Access m_access;
    QStringList m_recent;
    QStringList m_favourites;
    QHash<QString, QString> m_notes;
    int m_textSize = NormalTextSize;

    std::array<bool, KindCount> m_unsaved{};
    std::array<bool, KindCount> m_failing{}; // its last save failed and was told
    std::array<bool, KindCount> m_blocked{}; // a file we could not read stands in its place
    bool m_toldReadOnly = false;
    QStringList m_problems;
};

} // namespace personal
