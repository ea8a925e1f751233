#pragma once

#include "refdata/remedytable.h"

#include <QStringList>

namespace refdata {

// The lines of the word list in file order, followed by the piece after the last
// line break (three NUL characters in the shipped list), which matches no
// letter and no typed word.
using KeywordList = QStringList;

// Splits the word-list text into `list` and hands every word, but not the last
// piece, to `appendWord`. Returns the number of words.
int parseKeywordList(const QString& text, KeywordList& list, const ListAppender& appendWord = {});

// Reads the embedded word list.
int LoadKeywordList(KeywordList& list, const ListAppender& appendWord = {});

} // namespace refdata
