#include "indications.h"

using namespace Qt::StringLiterals;

namespace sheet {

const QStringList& headingList()
{
    static const QStringList headings = {
        u"Allergologie:"_s,
        u"Angiologie:"_s,
        u"Cardiologie:"_s,
        u"Dentisterie:"_s,
        u"Dermatologie:"_s,
        u"Diabétologie:"_s,
        u"Diététique:"_s,
        u"Endocrinologie:"_s,
        u"Gastro-entérologie:"_s,
        u"Gériatrie:"_s,
        u"Gynécologie:"_s,
        u"Hématologie:"_s,
        u"Hémopathie:"_s,
        u"Hépatologie:"_s,
        u"Immunologie:"_s,
        u"Infectiologie:"_s,
        u"Maladies vasculaires:"_s,
        u"Médecine du sport:"_s,
        u"Médecine montagne:"_s,
        u"Métabolisme:"_s,
        u"Néphrologie:"_s,
        u"Nutrition:"_s,
        u"Obstétrique:"_s,
        u"Oncologie:"_s,
        u"Ophtalmologie:"_s,
        u"Orl:"_s,
        u"Parasitologie:"_s,
        u"Pédiatrie:"_s,
        u"Phlébologie:"_s,
        u"Pneumologie:"_s,
        u"Proctologie:"_s,
        u"Rhumatologie:"_s,
        u"Sexologie:"_s,
        u"Stomatologie:"_s,
        u"Système nerveux:"_s,
        u"Toxicologie:"_s,
        u"Traitement de la douleur:"_s,
        u"Traumatologie:"_s,
        u"Urologie:"_s,
        u"Vénérologie:"_s,
        u"Autres:"_s,
        u"Addictologie:"_s,
    };
    return headings;
}

const QStringList& emphasisOrder()
{
    // "Addictologie:" first, then the first 21, "Urologie:", the next 17,
    // "Vénérologie:" and "Autres:".
    static const QStringList order = [] {
        const QStringList& h = headingList();
        QStringList o{h[41]};
        o += h.mid(0, 21);
        o << h[38];
        o += h.mid(21, 17);
        o << h[39] << h[40];
        return o;
    }();
    return order;
}

FormattedText formatIndications(const QString& text)
{
    FormattedText out{text, {}};
    QString& t = out.text;
    // Searching a lower-case copy is far cheaper than a case-blind search; it
    // serves whenever lowering keeps every character in its place.
    QString lower = t.toLower();
    const bool sameOffsets = lower.size() == t.size();
    static const QStringList lowerHeadings = headingList().join(u'|').toLower().split(u'|');
    static const QStringList lowerEmphasis = emphasisOrder().join(u'|').toLower().split(u'|');
    auto find = [&](const QString& h, const QString& lowerH) {
        return sameOffsets ? lower.indexOf(lowerH) : t.indexOf(h, 0, Qt::CaseInsensitive);
    };
    const QString breakBefore = QStringLiteral("\r\n\r\n");
    for (qsizetype k = 0; k < headingList().size(); ++k) {
        const QString& h = headingList()[k];
        const qsizetype f = find(h, lowerHeadings[k]);
        if (f > 0) {
            t.insert(f, breakBefore);
            lower.insert(f, breakBefore);
        }
    }
    for (qsizetype k = 0; k < emphasisOrder().size(); ++k) {
        const QString& h = emphasisOrder()[k];
        const qsizetype f = find(h, lowerEmphasis[k]);
        if (f >= 0)
            out.ranges.append({int(f), int(h.size()), HeadingColour, true});
    }
    return out;
}

} // namespace sheet
