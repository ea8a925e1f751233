// The decoding and the two loaders, on small hand-made resources.
#include "refdata/decoding.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QStringDecoder>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace refdata;

namespace {

QString record(const QStringList& fields)
{
    return fields.join(u'\u00A7') + QStringLiteral("\r\n");
}

QStringList elevenFields(const QString& name)
{
    return {name,           u"Nom fr "_s,      u" Origine."_s,
            u"ORL."_s,      u"ORL: Angine."_s, u" angine gorge "_s,
            u"++"_s,        u"3 CH"_s,         u"2"_s,
            u"Liste II."_s, u"Toxique. "_s};
}

} // namespace

class TestLoaders : public QObject
{
    Q_OBJECT

private slots:
    void decodesEveryByteAsCodePage1252()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = decodeWindows1252(all);
        QCOMPARE(text.size(), 256); // one character per byte, none lost or merged
        for (int b = 0; b < 128; ++b)
            QCOMPARE(text.at(b).unicode(), char16_t(b));
        QCOMPARE(text.at(0x9C), QChar(u'œ'));
        QCOMPARE(text.at(0x8C), QChar(u'Œ'));
        QCOMPARE(text.at(0x92), QChar(u'’'));
        QCOMPARE(text.at(0x85), QChar(u'…'));
        QCOMPARE(text.at(0x80), QChar(u'€'));
        QCOMPARE(text.at(0xA7), QChar(u'§'));
        QCOMPARE(text.at(0xE9), QChar(u'é'));
        // The five bytes left undefined by the code page keep their number.
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text.at(b).unicode(), char16_t(b));
        // Every defined byte as the toolkit's own converter reads it, where it has one.
        QStringDecoder codec("windows-1252");
        if (codec.isValid()) {
            const QString expected = codec.decode(all);
            for (int b = 0; b < 256; ++b) {
                if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
                    QCOMPARE(text.at(b), expected.at(b));
            }
        }
    }

    void splitsOnlyAtCrLf()
    {
        QCOMPARE(splitAtLineBreaks(u"a\r\nb\r\n\0\0\0"_s).size(), 3);
        QCOMPARE(splitAtLineBreaks(u"a\r\nb\r\n"_s).last(), QString());
        QCOMPARE(splitAtLineBreaks(u"a\rb\nc"_s).size(), 1);
        QCOMPARE(splitAtLineBreaks(QString()).size(), 1);
    }

    void remedyFieldsAreKeptAsWritten()
    {
        const QString text = record(elevenFields(u"ALPHA"_s)) + record(elevenFields(u"BETA"_s));
        auto t = std::make_unique<RemedyTable>();
        QStringList listed;
        QCOMPARE(parseRemedyTable(text, *t, [&](const QString& s) { listed << s; }), 2);
        QCOMPARE(listed, QStringList({u"ALPHA"_s, u"BETA"_s}));
        QCOMPARE(t->count, 2);
        QCOMPARE(t->frenchName[1], u"Nom fr "_s);
        QCOMPARE(t->origin[1], u" Origine."_s);
        QCOMPARE(t->keywords[0], u" angine gorge "_s);
        QCOMPARE(t->rating[0], u"++"_s);     // field 6
        QCOMPARE(t->dilution[0], u"3 CH"_s); // field 7
        QCOMPARE(t->listClass[0], u"2"_s);
        QCOMPARE(t->extraWarning[0], u"Toxique. "_s);
        QVERIFY(t->isListed(0));
        for (int i = 2; i < RemedyTable::Slots; ++i)
            QVERIFY(t->latinName[i].isEmpty() && t->extraWarning[i].isEmpty());
        QCOMPARE(t->indexOf(u"BETA"), 1);
        QCOMPARE(t->indexOf(u"BET"), -1);
    }

    void malformedDictionariesStayInsideTheTable()
    {
        auto t = std::make_unique<RemedyTable>();
        // Too few separators: the missing fields are empty.
        parseRemedyTable(u"SHORT\u00A7fr\u00A7origin\r\n"_s, *t);
        QCOMPARE(t->count, 1);
        QCOMPARE(t->origin[0], u"origin"_s);
        QVERIFY(t->branches[0].isEmpty() && t->extraWarning[0].isEmpty());
        // Too many: the last field takes the rest.
        QStringList twelve = elevenFields(u"LONG"_s);
        twelve << u"more"_s;
        parseRemedyTable(record(twelve), *t);
        QCOMPARE(t->extraWarning[0], u"Toxique. \u00A7more"_s);
        // More records than slots: the extra ones are neither stored nor listed.
        QString many;
        for (int i = 0; i < RemedyTable::Slots + 50; ++i)
            many += record(elevenFields(QString::number(i)));
        int listed = 0;
        QCOMPARE(parseRemedyTable(many, *t, [&](const QString&) { ++listed; }), RemedyTable::Slots);
        QCOMPARE(listed, RemedyTable::Slots);
        QCOMPARE(t->latinName[400], u"400"_s);
        // Nothing after the last line break is a record; a reload forgets the old table.
        QCOMPARE(parseRemedyTable(u"NO LINE BREAK\u00A7x"_s, *t), 0);
        QVERIFY(t->latinName[0].isEmpty());
        QCOMPARE(parseRemedyTable(QString(), *t), 0);
    }

    void keywordListKeepsItsLastPieceButDoesNotListIt()
    {
        KeywordList list;
        QStringList listed;
        const QString text = u"abcès\r\nzona\r\n"_s + QString(3, QChar(0));
        QCOMPARE(parseKeywordList(text, list, [&](const QString& s) { listed << s; }), 2);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.last(), QString(3, QChar(0)));
        QCOMPARE(listed, QStringList({u"abcès"_s, u"zona"_s}));
        QCOMPARE(parseKeywordList(QString(), list), 0);
        QCOMPARE(list.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLoaders)
#include "tst_loaders.moc"
