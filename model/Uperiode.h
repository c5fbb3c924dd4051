// The global account of one simulated period, summed over the métiers.
#pragma once

#include "model/UBlocs.h"
#include "model/Uliste.h"

namespace vasco {

// Graph codes of a period balance.
enum : uint8_t {
    CodeBilanCA = 50,
    CodeBilanBenefice = 51,
    CodeBilanPoidsDebarque = 52,
    CodeBilanCAGris = 53,
    CodeBilanEffectifs = 54,
    CodeBilanSubventions = 55,
};

class TPeriodeBilan : public TEL, public TEnBlocs<TPeriodeBilan> {
public:
    static constexpr int Emplacement = 1;
    float PoidsDebarque = 0;
    float PoidsRejete = 0;
    float CA = 0;
    float CAGris = 0;
    float Benefice = 0;
    float SubventionsNettes = 0;
    // Crew on board: crew per vessel x vessels, summed over the métiers.
    float Effectifs = 0;
    float JoursEquipage = 0;

    long double Calcul(uint8_t code, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;
};

} // namespace vasco
