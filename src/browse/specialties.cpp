#include "specialties.h"

namespace browse {

const QStringList& specialtyEntries()
{
    static const QStringList entries = {
        u"Addictologie"_qs,
        u"Allergologie"_qs,
        u"Angiologie"_qs,
        u"Cardiologie"_qs,
        u"Dentisterie"_qs,
        u"Dermatologie"_qs,
        u"Diabétologie"_qs,
        u"Endocrinologie"_qs,
        u"Gastro-entérologie"_qs,
        u"Gériatrie"_qs,
        u"Gynécologie"_qs,
        u"Hématologie"_qs,
        u"Hémopathie"_qs,
        u"Hépatologie"_qs,
        u"Immunologie"_qs,
        u"Infectiologie"_qs,
        u"Maladies vasculaires"_qs,
        u"Médecine du sport"_qs,
        u"Médecine montagne"_qs,
        u"Métabolisme"_qs,
        u"Néphrologie"_qs,
        u"Nutrition"_qs,
        u"Obstétrique"_qs,
        u"Oncologie"_qs,
        u"Ophtalmologie"_qs,
        u"ORL"_qs,
        u"Parasitologie"_qs,
        u"Pédiatrie"_qs,
        u"Phlébologie"_qs,
        u"Pneumologie"_qs,
        u"Proctologie"_qs,
        u"Rhumatologie"_qs,
        u"Sexologie"_qs,
        u"Stomatologie"_qs,
        u"Système nerveux"_qs,
        u"Toxicologie"_qs,
        u"Traitement de la douleur"_qs,
        u"Traumatologie"_qs,
        u"Urologie"_qs,
        u"Vénérologie"_qs,
    };
    return entries;
}

} // namespace browse
