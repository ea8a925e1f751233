#include "indications.h"

namespace mainwin {

const QStringList& headingList()
{
    static const QStringList headings = {
        u"Allergologie:"_qs,
        u"Angiologie:"_qs,
        u"Cardiologie:"_qs,
        u"Dentisterie:"_qs,
        u"Dermatologie:"_qs,
        u"Diabétologie:"_qs,
        u"Diététique:"_qs,
        u"Endocrinologie:"_qs,
        u"Gastro-entérologie:"_qs,
        u"Gériatrie:"_qs,
        u"Gynécologie:"_qs,
        u"Hématologie:"_qs,
        u"Hémopathie:"_qs,
        u"Hépatologie:"_qs,
        u"Immunologie:"_qs,
        u"Infectiologie:"_qs,
        u"Maladies vasculaires:"_qs,
        u"Médecine du sport:"_qs,
        u"Médecine montagne:"_qs,
        u"Métabolisme:"_qs,
        u"Néphrologie:"_qs,
        u"Nutrition:"_qs,
        u"Obstétrique:"_qs,
        u"Oncologie:"_qs,
        u"Ophtalmologie:"_qs,
        u"Orl:"_qs,
        u"Parasitologie:"_qs,
        u"Pédiatrie:"_qs,
        u"Phlébologie:"_qs,
        u"Pneumologie:"_qs,
        u"Proctologie:"_qs,
        u"Rhumatologie:"_qs,
        u"Sexologie:"_qs,
        u"Stomatologie:"_qs,
        u"Système nerveux:"_qs,
        u"Toxicologie:"_qs,
        u"Traitement de la douleur:"_qs,
        u"Traumatologie:"_qs,
        u"Urologie:"_qs,
        u"Vénérologie:"_qs,
        u"Autres:"_qs,
        u"Addictologie:"_qs,
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
            out.ranges.append({int(f), int(h.size()), HeadingColor, true});
    }
    return out;
}

} // namespace mainwin
