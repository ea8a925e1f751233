// The reader's store on its own: what it keeps comes back, what it cannot read
// is set aside and told, what it cannot write stays in memory.
#include "personal/store.h"
#include "personal/trail.h"
#include "storetest.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace storetest;
using personal::Access;
using personal::Trail;

class TestStore : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    // A folder of its own for each test, not made yet.
    QString folder() const
    {
        return dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                            QString::fromLatin1(QTest::currentDataTag()));
    }

private slots:
    void whatIsKeptComesBackAndNothingIsWrittenBefore()
    {
        Store fresh(folder());
        fresh.load();
        fresh.setTextSize(100); // the size it has: nothing kept
        QVERIFY(fresh.save());
        QVERIFY2(!QFileInfo::exists(folder()), "written before the reader kept anything");

        Store store(folder());
        store.load();
        keepOneOfEverything(store);
        QVERIFY(!store.hasUnsavedChanges());
        for (int k = 0; k < Store::KindCount; ++k)
            QVERIFY(bytesOf(store.filePath(Store::Kind(k))).contains("\"version\": 1"));

        Store again(folder());
        again.load();
        QVERIFY(holdsOneOfEverything(again));
        QCOMPARE(again.takeProblems(), QStringList());
    }

    void theRecentListHoldsTheLastFiftyLatestFirst()
    {
        Store store(folder());
        for (int i = 0; i < 60; ++i)
            store.recordShown(u"R%1"_s.arg(i));
        store.recordShown(u"R30"_s);
        QCOMPARE(store.recent().size(), Store::RecentLimit);
        QCOMPARE(store.recent().first(), u"R30"_s);
        QCOMPARE(store.recent().count(u"R30"_s), 1);
        QCOMPARE(store.recent().last(), u"R10"_s);
    }

    void textSizesStayBetweenTheirBounds()
    {
        Store store(folder());
        store.setTextSize(500);
        QCOMPARE(store.textSize(), Store::LargestTextSize);
        QCOMPARE(Store::largerTextSize(Store::LargestTextSize), Store::LargestTextSize);
        QCOMPARE(Store::smallerTextSize(Store::SmallestTextSize), Store::SmallestTextSize);
        QCOMPARE(Store::smallerTextSize(Store::largerTextSize(100)), 100);
    }

    void aFileItCannotReadIsSetAsideAndToldOnce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");
        const QString damaged = u"endommagé"_s;
        QTest::newRow("notes cut short")
            << int(Store::Notes) << QByteArray("{\"format\": \"vitralis-notes\", \"vers")
            << damaged;
        QTest::newRow("favourites not text")
            << int(Store::Favourites) << QByteArray("\x00\xff\xfe garbage", 12) << damaged;
        QTest::newRow("history of another kind")
            << int(Store::History)
            << QByteArray(R"({"format": "vitralis-notes", "version": 1, "notes": {}})") << damaged;
        QTest::newRow("a note that is no text")
            << int(Store::Notes)
            << QByteArray(R"({"format": "vitralis-notes", "version": 1, "notes": {"SULFUR": 3}})")
            << damaged;
        QTest::newRow("notes from a newer version")
            << int(Store::Notes)
            << QByteArray(R"({"format": "vitralis-notes", "version": 7, "notes": {"SULFUR": "x"}})")
            << u"version plus récente de Vitralis (format 7)"_s;
        QTest::newRow("display from a newer version")
            << int(Store::Display)
            << QByteArray(R"({"format": "vitralis-affichage", "version": 2, "zoom": 1.5})")
            << u"version plus récente"_s;
    }
    void aFileItCannotReadIsSetAsideAndToldOnce()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        {
            Store store(folder());
            keepOneOfEverything(store);
        }
        const QString path = Store(folder()).filePath(Store::Kind(kind));
        QVERIFY(writeBytes(path, bytes));

        Store store(folder());
        store.load();
        const QStringList problems = store.takeProblems();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(told), qPrintable(problems.first()));
        // Put aside under a dated name, byte for byte, and named in the message.
        const QStringList aside = filesIn(folder()).filter(u"-mis-de-cote-"_s);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(bytesOf(QDir(folder()).filePath(aside.first())), bytes);
        QVERIFY(problems.first().contains(
            QDir::toNativeSeparators(QDir(folder()).filePath(aside.first()))));
        // The other kinds were read; the next save writes the lost kind afresh
        // and leaves the one set aside alone.
        QCOMPARE(store.favourites().isEmpty(), kind == Store::Favourites);
        QCOMPARE(store.note(u"SULFUR"_s).isEmpty(), kind == Store::Notes);
        store.setFavourite(u"OPIUM"_s, true);
        store.setNote(u"OPIUM"_s, u"Nouvelle."_s);
        store.recordShown(u"OPIUM"_s);
        store.setTextSize(90);
        QVERIFY(store.save());

        Store next(folder());
        next.load();
        QCOMPARE(next.takeProblems(), QStringList()); // told once only
        QCOMPARE(next.note(u"OPIUM"_s), u"Nouvelle."_s);
        QCOMPARE(bytesOf(QDir(folder()).filePath(aside.first())), bytes);
    }

    void aCopyStartedAnywayReadsButNeverWrites()
    {
        {
            Store store(folder());
            keepOneOfEverything(store);
        }
        Store first(folder());
        const QString notes = first.filePath(Store::Notes);
        const QByteArray damaged("{ not json");
        QVERIFY(writeBytes(notes, damaged));
        const QStringList before = filesIn(folder());
        QByteArray favourites = bytesOf(first.filePath(Store::Favourites));

        Store second(folder(), Access::ReadOnly);
        second.load();
        QCOMPARE(second.favourites().size(), 2);
        QCOMPARE(second.takeProblems().size(), 1); // the damaged notes, left where they are
        second.setFavourite(u"OPIUM"_s, true);
        second.setNote(u"OPIUM"_s, u"Jamais écrite."_s);
        second.recordShown(u"OPIUM"_s);
        QVERIFY(!second.save());
        const QStringList problems = second.takeProblems();
        QCOMPARE(problems.size(), 1); // said once, however much is kept
        QVERIFY(problems.first().contains(u"n'enregistre rien"_s));
        QVERIFY(second.isFavourite(u"OPIUM"_s)); // kept for this run
        QCOMPARE(filesIn(folder()), before);
        QCOMPARE(bytesOf(notes), damaged);
        QCOMPARE(bytesOf(first.filePath(Store::Favourites)), favourites);
    }

    // A folder that cannot be made, on every system: its place is a file.
    void whatCannotBeWrittenStaysInMemoryAndIsTriedAgain()
    {
        QVERIFY(writeBytes(folder(), "in the way"));
        const QString blocked = folder() + u"/Vitralis"_s;
        Store store(blocked);
        store.load();
        store.setFavourite(u"SULFUR"_s, true);
        store.setFavourite(u"OPIUM"_s, true);
        store.setNote(u"SULFUR"_s, u"Gardée."_s);
        const QStringList problems = store.takeProblems();
        QCOMPARE(problems.size(), 2); // the favourites once, the notes once
        QVERIFY(problems.first().contains(QDir::toNativeSeparators(blocked)));
        QVERIFY(problems.first().contains(u"tout reste en mémoire"_s));
        QVERIFY(store.hasUnsavedChanges());

        QVERIFY(QFile::remove(folder()));
        QVERIFY(QDir().mkdir(folder()));
        QVERIFY(store.save());
        Store again(blocked);
        again.load();
        QCOMPARE(again.favourites(), (QStringList{u"SULFUR"_s, u"OPIUM"_s}));
        QCOMPARE(again.note(u"SULFUR"_s), u"Gardée."_s);
    }

    void anImportNeverReplacesANoteUnasked_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("the reader keeps theirs") << false;
        QTest::newRow("the reader takes the file's") << true;
    }
    void anImportNeverReplacesANoteUnasked()
    {
        QFETCH(bool, replace);
        Store other(folder() + u"/other"_s);
        other.setFavourite(u"SULFUR"_s, true);
        other.setFavourite(u"OPIUM"_s, true);
        other.setNote(u"SULFUR"_s, u"Sa note."_s);
        other.setNote(u"OPIUM"_s, u"Nouvelle."_s);
        const QString file = folder() + u"/export.json"_s;
        QCOMPARE(other.exportTo(file), QString());

        Store store(folder() + u"/mine"_s);
        store.setFavourite(u"SULFUR"_s, true);
        store.setNote(u"SULFUR"_s, u"Ma note."_s);
        QStringList asked;
        const auto outcome = store.importFrom(
            file, [&](const QString& remedy, const QString& mine, const QString& theirs) {
                asked << remedy + u':' + mine + u'>' + theirs;
                return replace;
            });
        QCOMPARE(asked, QStringList{u"SULFUR:Ma note.>Sa note."_s});
        QCOMPARE(store.favourites(), (QStringList{u"SULFUR"_s, u"OPIUM"_s}));
        QCOMPARE(store.note(u"OPIUM"_s), u"Nouvelle."_s);
        QCOMPARE(store.note(u"SULFUR"_s), replace ? u"Sa note."_s : u"Ma note."_s);
        QCOMPARE(outcome.summary(), replace ? u"Import terminé : 1 favori ajouté, 1 note ajoutée, "
                                              u"1 note remplacée."_s
                                            : u"Import terminé : 1 favori ajouté, 1 note ajoutée, "
                                              u"1 note gardée telle quelle."_s);
        Store again(folder() + u"/mine"_s);
        again.load();
        QCOMPARE(again.note(u"SULFUR"_s), store.note(u"SULFUR"_s)); // saved at once
    }

    void aFileThatIsNoExportImportsNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");
        QTest::newRow("not JSON") << QByteArray("SULFUR: ma note") << u"n'est pas un export"_s;
        QTest::newRow("the store's own notes")
            << QByteArray(R"({"format": "vitralis-notes", "version": 1, "notes": {}})")
            << u"n'est pas un export"_s;
        QTest::newRow("a note without its remedy")
            << QByteArray(
                   R"({"format": "vitralis-notes-favoris", "version": 1, "notes": [{"text": "x"}]})")
            << u"n'est pas un export"_s;
        QTest::newRow("a newer version")
            << QByteArray(R"({"format": "vitralis-notes-favoris", "version": 2})")
            << u"version plus récente"_s;
        QTest::newRow("no such file") << QByteArray() << u"ne peut être lu"_s;
    }
    void aFileThatIsNoExportImportsNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        QVERIFY(QDir().mkpath(folder()));
        const QString file = folder() + u"/import.json"_s;
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(file, bytes));
        Store store(folder() + u"/mine"_s);
        store.setNote(u"SULFUR"_s, u"Ma note."_s);
        const auto outcome = store.importFrom(file, [](auto&&...) { return true; });
        QVERIFY2(outcome.problem.contains(told), qPrintable(outcome.problem));
        QVERIFY(outcome.problem.startsWith(u"Rien n'a été importé"_s));
        QCOMPARE(store.notedRemedies(), QStringList{u"SULFUR"_s});
    }

    void theTrailGoesBackAndForward()
    {
        Trail trail;
        QVERIFY(!trail.back());
        const Trail::Stop a{0, u"ACONITUM NAPELLUS"_s}, b{2, u"SULFUR"_s}, c{1, u"OPIUM"_s};
        trail.record(a);
        trail.record(b);
        trail.record(c);
        QCOMPARE(trail.back(), b);
        trail.record(b); // showing what it went back to records nothing
        QCOMPARE(trail.back(), a);
        QVERIFY(!trail.back());
        QCOMPARE(trail.forward(), b);
        trail.record(a); // a new showing drops what lay ahead
        QVERIFY(!trail.canGoForward());
        QCOMPARE(trail.back(), b);
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
