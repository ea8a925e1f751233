// The decoding and the two loaders, on small hand-made resources.
#include "refdata/decoding.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QTest>

#include <memory>

using namespace refdata;

namespace {

QString record(const QStringList& fields)
{
    return fields.join(u'\u00A7') + QStringLiteral("\r\n");
}

QStringList elevenFields(const QString& name)
{
    return {name,
            u"Nom fr "_qs,
            u" Origine."_qs,
            u"ORL."_qs,
            u"ORL: Angine."_qs,
            u" angine gorge "_qs,
            u"++"_qs,
            u"3 CH"_qs,
            u"2"_qs,
            u"Liste II."_qs,
            u"Toxique. "_qs};
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
    }

    void splitsOnlyAtCrLf()
    {
        QCOMPARE(splitAtLineBreaks(u"a\r\nb\r\n\0\0\0"_qs).size(), 3);
        QCOMPARE(splitAtLineBreaks(u"a\r\nb\r\n"_qs).last(), QString());
        QCOMPARE(splitAtLineBreaks(u"a\rb\nc"_qs).size(), 1);
        QCOMPARE(splitAtLineBreaks(QString()).size(), 1);
    }

    void remedyFieldsAreKeptAsWritten()
    {
        const QString text = record(elevenFields(u"ALPHA"_qs)) + record(elevenFields(u"BETA"_qs));
        auto t = std::make_unique<RemedyTable>();
        QStringList listed;
        QCOMPARE(parseRemedyTable(text, *t, [&](const QString& s) { listed << s; }), 2);
        QCOMPARE(listed, QStringList({u"ALPHA"_qs, u"BETA"_qs}));
        QCOMPARE(t->count, 2);
        QCOMPARE(t->frenchName[1], u"Nom fr "_qs);
        QCOMPARE(t->origin[1], u" Origine."_qs);
        QCOMPARE(t->keywords[0], u" angine gorge "_qs);
        QCOMPARE(t->rating[0], u"++"_qs);     // field 6
        QCOMPARE(t->dilution[0], u"3 CH"_qs); // field 7
        QCOMPARE(t->listClass[0], u"2"_qs);
        QCOMPARE(t->extraWarning[0], u"Toxique. "_qs);
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
        parseRemedyTable(u"SHORT\u00A7fr\u00A7origin\r\n"_qs, *t);
        QCOMPARE(t->count, 1);
        QCOMPARE(t->origin[0], u"origin"_qs);
        QVERIFY(t->branches[0].isEmpty() && t->extraWarning[0].isEmpty());
        // Too many: the last field takes the rest.
        QStringList twelve = elevenFields(u"LONG"_qs);
        twelve << u"more"_qs;
        parseRemedyTable(record(twelve), *t);
        QCOMPARE(t->extraWarning[0], u"Toxique. \u00A7more"_qs);
        // More records than slots: the extra ones are neither stored nor listed.
        QString many;
        for (int i = 0; i < RemedyTable::Slots + 50; ++i)
            many += record(elevenFields(QString::number(i)));
        int listed = 0;
        QCOMPARE(parseRemedyTable(many, *t, [&](const QString&) { ++listed; }), RemedyTable::Slots);
        QCOMPARE(listed, RemedyTable::Slots);
        QCOMPARE(t->latinName[400], u"400"_qs);
        // Nothing after the last line break is a record; a reload forgets the old table.
        QCOMPARE(parseRemedyTable(u"NO LINE BREAK\u00A7x"_qs, *t), 0);
        QVERIFY(t->latinName[0].isEmpty());
        QCOMPARE(parseRemedyTable(QString(), *t), 0);
    }

    void keywordListKeepsItsLastPieceButDoesNotListIt()
    {
        KeywordList list;
        QStringList listed;
        const QString text = u"abcès\r\nzona\r\n"_qs + QString(3, QChar(0));
        QCOMPARE(parseKeywordList(text, list, [&](const QString& s) { listed << s; }), 2);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.last(), QString(3, QChar(0)));
        QCOMPARE(listed, QStringList({u"abcès"_qs, u"zona"_qs}));
        QCOMPARE(parseKeywordList(QString(), list), 0);
        QCOMPARE(list.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLoaders)
#include "tst_loaders.moc"
