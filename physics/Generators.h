#pragma once

#include "physics/ChamberEvent.h"

#include <memory>

// The six decay generators. Each builds a new event (capacity ChamberData::EventCapacity(),
// chamber = conditions) from the conditions' B, T and scale and the random source, and always
// returns a constructed event, possibly empty.

// Types 1 (sign -1) and 2 (sign +1): charged pion -> muon -> electron.
std::unique_ptr<ChamberEvent> GenerateDecay12(double sign, const ChamberData& conditions);
// Type 3: neutral pion -> two photons, each of which may convert into an electron-positron pair.
std::unique_ptr<ChamberEvent> GenerateDecay3(const ChamberData& conditions);
// Types 4 (sign -1) and 5 (sign +1): muon -> electron.
std::unique_ptr<ChamberEvent> GenerateDecay45(double sign, const ChamberData& conditions);
// Type 6: Lambda -> proton + negative pion (64.2 %) or neutron + neutral pion.
std::unique_ptr<ChamberEvent> GenerateDecay6(const ChamberData& conditions);

// Decay type 1 to 6 with the signs of the New Event table; null for any other type.
std::unique_ptr<ChamberEvent> GenerateDecay(int decayType, const ChamberData& conditions);
