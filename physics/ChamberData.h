#pragma once

#include <cstdint>

// Chamber conditions: the length L of the chamber, the field B along +z and the kinetic
// energy T given to the primary particle of a generated event.
//
// The main frame owns one current ChamberData and one pending ChamberDataHolder. The sliders
// write the holder; New Event copies the holder into the current conditions once they were
// marked changed.
class ChamberData {
public:
    // Chamber edge in display units: the chamber spans -size/2 .. +size/2 on each axis. Every
    // conditions object starts with it, and the program never changes it.
    static constexpr int kDefaultSize = 800;
    // Points per generated event.
    static constexpr int kEventCapacity = 350;

    // L, B, T and changed are 0; scale is not meaningful until L is set.
    ChamberData() = default;
    // scale = size / L, changed = 0.
    ChamberData(double lengthCm, double fieldKG, double energyMeV);
    virtual ~ChamberData() = default;
    ChamberData(const ChamberData&) = default;
    ChamberData& operator=(const ChamberData&) = default;

    // Chamber size (display units). Recomputes scale = size / L when L is not 0.
    virtual void SetSize(int size);
    // L in cm; recomputes scale = size / L.
    virtual void SetL(double lengthCm);
    // B in kG.
    virtual void SetB(double fieldKG);
    // T in MeV.
    virtual void SetT(double energyMeV);

    // Copies L, B, T and scale; neither the size, the changed flag nor the identity.
    void CopyConditions(const ChamberData& other);

    double L() const { return lengthCm_; }      // cm
    double B() const { return fieldKG_; }       // kG
    double T() const { return energyMeV_; }     // MeV
    double Scale() const { return scale_; }     // display units per cm
    int32_t Changed() const { return changed_; }
    void MarkChanged() { changed_ = 1; }

    int Size() const { return size_; }          // display units
    static int EventCapacity() { return kEventCapacity; }

    // Restores L, B, T and scale exactly as stored elsewhere (an event file), without
    // recomputing the scale and without touching the changed flag.
    void SetStoredValues(double lengthCm, double fieldKG, double energyMeV, double scale);

private:
    int size_ = kDefaultSize;
    double lengthCm_ = 0.0;
    double fieldKG_ = 0.0;
    double energyMeV_ = 0.0;
    double scale_ = 0.0;
    int32_t changed_ = 0;
};

// The pending copy of the conditions. Each setter performs the base operation and then marks
// its owner changed. A holder built without an owner is a placeholder whose setters are never
// called; if they are, they only change the holder.
class ChamberDataHolder : public ChamberData {
public:
    ChamberDataHolder() = default;
    // Copies the owner's L, B, T and scale and remembers the owner (not owned).
    explicit ChamberDataHolder(ChamberData& owner);

    void SetSize(int size) override;
    void SetL(double lengthCm) override;
    void SetB(double fieldKG) override;
    void SetT(double energyMeV) override;

    ChamberData* Owner() const { return owner_; }

private:
    void MarkOwnerChanged();

    ChamberData* owner_ = nullptr;
};
