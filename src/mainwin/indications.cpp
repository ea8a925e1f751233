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
    const QString breakBefore = QStringLiteral("\r\n\r\n");
    for (const QString& h : headingList()) {
        const qsizetype f = t.indexOf(h, 0, Qt::CaseInsensitive);
        if (f > 0)
            t.insert(f, breakBefore);
    }
    for (const QString& h : emphasisOrder()) {
        const qsizetype f = t.indexOf(h, 0, Qt::CaseInsensitive);
        if (f >= 0)
            out.ranges.append({int(f), int(h.size()), HeadingColor, true});
    }
    return out;
}

} // namespace mainwin
