#pragma once

#include "documents/documents.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

class QTextDocument;

namespace documents {

// The largest document we read, in bytes. A file over this size is not read at all;
// readRtf() reads no further than this many bytes of what it is given.
inline constexpr qsizetype kMaxRtfBytes = kMaxDocumentBytes;

// The one-paragraph notice shown in place of a document that cannot be read:
// "Le document « NAME » est introuvable ou illisible."
QString missingDocumentNotice(const QString& fileName);

// The beginning of the first paragraph of a document shown simplified, which then says what was
// changed: "Document simplifié à l'affichage : caractères ramenés à 72 points, texte tronqué."
inline const QString kSimplifiedNotice = QStringLiteral("Document simplifié à l'affichage :");

// Reads an RTF document into `doc`, replacing its content. Returns false when the bytes are not
// RTF (they do not begin with "{\rtf"); `doc` is then left empty.
//
// What is read: groups, the font and colour tables, paragraphs (\par), line breaks (\line), tabs,
// bold, italic, underline, strike-out, font family and size, text colour, alignment, indents and
// paragraph spacing, \'hh escapes in the document's code page (\ansicpgN, 1252 by default),
// \uN with its \ucN fallback characters, the usual typographic symbols. Pictures, objects,
// headers, footers, style sheets, document information and every {\* ...} destination are
// skipped, and so are unknown control words. Damaged input is read as far as it makes sense:
// groups nested deeper than 256 levels carry no text, missing closing braces are closed at the
// end, and whatever follows the brace that closes the document is ignored.
//
// A document can cost the layout no more than a modest one does: font sizes, spacing and
// indents, the number of fonts, colours, format changes, tabs and changes of script, the marks
// piled on a character, the length of a word (a longer one gets invisible chances to break), the
// length of the text and its number of paragraphs and line breaks are bounded. A document beyond a
// bound is shown within it, after a first paragraph that begins with kSimplifiedNotice and says
// what was changed.
bool readRtf(QByteArrayView rtf, QTextDocument& doc);

// Shows the document `name` whose bytes are `bytes` in `doc`. No bytes at all (the document was
// not found), empty or non-RTF bytes leave in `doc` a one-paragraph French notice, "Le document
// « NAME » est introuvable ou illisible.", and return false.
bool showRtfDocument(const std::optional<QByteArray>& bytes, const QString& name,
                     QTextDocument& doc);

// Loads the document file at `path` (see readDocumentFile()) as showRtfDocument() does, NAME
// being the file name without its folder.
bool loadRtfDocument(const QString& path, QTextDocument& doc);

} // namespace documents
