#include "specialties.h"

using namespace Qt::StringLiterals;

namespace browse {

const QStringList& specialtyEntries()
{
    static const QStringList entries = {
        u"Addictologie"_s,
        u"Allergologie"_s,
        u"Angiologie"_s,
        u"Cardiologie"_s,
        u"Dentisterie"_s,
        u"Dermatologie"_s,
        u"Diabétologie"_s,
        u"Endocrinologie"_s,
        u"Gastro-entérologie"_s,
        u"Gériatrie"_s,
        u"Gynécologie"_s,
        u"Hématologie"_s,
        u"Hémopathie"_s,
        u"Hépatologie"_s,
        u"Immunologie"_s,
        u"Infectiologie"_s,
        u"Maladies vasculaires"_s,
        u"Médecine du sport"_s,
        u"Médecine montagne"_s,
        u"Métabolisme"_s,
        u"Néphrologie"_s,
        u"Nutrition"_s,
        u"Obstétrique"_s,
        u"Oncologie"_s,
        u"Ophtalmologie"_s,
        u"ORL"_s,
        u"Parasitologie"_s,
        u"Pédiatrie"_s,
        u"Phlébologie"_s,
        u"Pneumologie"_s,
        u"Proctologie"_s,
        u"Rhumatologie"_s,
        u"Sexologie"_s,
        u"Stomatologie"_s,
        u"Système nerveux"_s,
        u"Toxicologie"_s,
        u"Traitement de la douleur"_s,
        u"Traumatologie"_s,
        u"Urologie"_s,
        u"Vénérologie"_s,
    };
    return entries;
}

} // namespace browse
