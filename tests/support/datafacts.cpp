#include "datafacts.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace testsupport {

QByteArray fileBytes(const QString& name)
{
    QFile f(QStringLiteral(VITRALIS_DATA_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString dictionaryKey(const QString& word)
{
    QString s = word;
    s.replace(u"œ"_s, u"oe"_s).replace(u"Œ"_s, u"OE"_s).replace(u"æ"_s, u"ae"_s).remove(u'-');
    s = s.normalized(QString::NormalizationForm_D);
    QString key;
    for (QChar c : s) {
        if (c.category() != QChar::Mark_NonSpacing)
            key += c.toLower();
    }
    return key;
}

QList<int> occurrences(const QString& text, const QString& term, int from)
{
    QList<int> at;
    if (term.isEmpty())
        return at;
    for (qsizetype f = text.indexOf(term, from, Qt::CaseInsensitive); f >= 0;
         f = text.indexOf(term, f + 1, Qt::CaseInsensitive))
        at << int(f);
    return at;
}

} // namespace testsupport
