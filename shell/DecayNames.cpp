#include "shell/DecayNames.h"

#include <array>

namespace {

// The photons' pairs: with a field the electron is red and the positron yellow; with none,
// the other way round.
const std::vector<LegendRow> kPairsInField{{3, "e⁻ (electron of a converted photon)"},
                                           {4, "e⁺ (positron of a converted photon)"}};
const std::vector<LegendRow> kPairsWithoutField{{4, "e⁻ (electron of a converted photon)"},
                                                {3, "e⁺ (positron of a converted photon)"}};

const std::array<DecayDescription, 6> kDecays{{
    {"π⁻ → μ⁻ → e⁻",
     "A negative pion decays into a muon, the muon into an electron (neutrinos leave no track)",
     {{3, "π⁻ (negative pion)"}, {4, "μ⁻ (muon)"}, {5, "e⁻ (electron)"}},
     {}},
    {"π⁺ → μ⁺ → e⁺",
     "A positive pion decays into a muon, the muon into a positron (neutrinos leave no track)",
     {{3, "π⁺ (positive pion)"}, {4, "μ⁺ (muon)"}, {5, "e⁺ (positron)"}},
     {}},
    {"π⁰ → γγ, γ → e⁻e⁺",
     "A neutral pion decays at once into two photons; a photon leaves no track until it converts "
     "into an electron-positron pair",
     kPairsInField,
     kPairsWithoutField},
    {"μ⁻ → e⁻",
     "A negative muon decays into an electron (neutrinos leave no track)",
     {{3, "μ⁻ (muon)"}, {4, "e⁻ (electron)"}},
     {}},
    {"μ⁺ → e⁺",
     "A positive muon decays into a positron (neutrinos leave no track)",
     {{3, "μ⁺ (muon)"}, {4, "e⁺ (positron)"}},
     {}},
    {"Λ → p π⁻ or n π⁰",
     "A Lambda (no track) decays into a proton and a negative pion (64 %), or into a neutron and a "
     "neutral pion whose photons may convert",
     {{3, "p (proton); e⁻ of a converted photon"},
      {7, "π⁻ (negative pion)"},
      {4, "μ⁻ (muon); e⁺ of a converted photon"},
      {5, "e⁻ (electron of the muon)"}},
     {{3, "p (proton); e⁺ of a converted photon"},
      {7, "π⁻ (negative pion)"},
      {4, "μ⁻ (muon); e⁻ of a converted photon"},
      {5, "e⁻ (electron of the muon)"}}},
}};

} // namespace

const DecayDescription& DescribeDecay(int decayType)
{
    if (decayType < 1 || decayType > int(kDecays.size()))
        decayType = 1;
    return kDecays[size_t(decayType - 1)];
}

const std::vector<LegendRow>& LegendFor(int decayType, double fieldKG)
{
    const DecayDescription& decay = DescribeDecay(decayType);
    return fieldKG == 0.0 && !decay.withoutField.empty() ? decay.withoutField : decay.inField;
}
