#pragma once

// The chamber length is kept in centimetres (ChamberData::L) and shown in metres: on the L
// slider, in the chamber's caption and on the printed page. This is the one factor between them.
inline constexpr double kCentimetresPerMetre = 100.0;
inline constexpr double kMetresPerCentimetre = 1.0 / kCentimetresPerMetre;
static_assert(kMetresPerCentimetre == 0.01, "metres are taken from centimetres with the double nearest 0.01");

// A length in centimetres, in metres.
constexpr double Metres(double centimetres) { return centimetres * kMetresPerCentimetre; }
