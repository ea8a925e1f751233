#include "keywordlist.h"

#include "decoding.h"
#include "resources.h"

namespace refdata {

int parseKeywordList(const QString& text, KeywordList& list, const ListAppender& appendWord)
{
    list = splitAtLineBreaks(text);
    const int words = int(list.size()) - 1;
    if (appendWord) {
        for (int i = 0; i < words; ++i)
            appendWord(list.at(i));
    }
    return words;
}

int LoadKeywordList(KeywordList& list, const ListAppender& appendWord)
{
    return parseKeywordList(decodeWindows1252(embeddedResource(QStringLiteral("MOTSCLES"))), list,
                            appendWord);
}

} // namespace refdata
