#include "physics/ChamberData.h"

ChamberData::ChamberData(double lengthCm, double fieldKG, double energyMeV)
    : lengthCm_(lengthCm), fieldKG_(fieldKG), energyMeV_(energyMeV), scale_(size_ / lengthCm)
{
}

void ChamberData::SetSize(int size)
{
    size_ = size;
    if (lengthCm_ != 0.0)
        scale_ = size_ / lengthCm_;
}

void ChamberData::SetL(double lengthCm)
{
    lengthCm_ = lengthCm;
    scale_ = size_ / lengthCm_;
}

void ChamberData::SetB(double fieldKG) { fieldKG_ = fieldKG; }

void ChamberData::SetT(double energyMeV) { energyMeV_ = energyMeV; }

void ChamberData::CopyConditions(const ChamberData& other)
{
    lengthCm_ = other.lengthCm_;
    fieldKG_ = other.fieldKG_;
    energyMeV_ = other.energyMeV_;
    scale_ = other.scale_;
}

void ChamberData::SetStoredValues(double lengthCm, double fieldKG, double energyMeV, double scale)
{
    lengthCm_ = lengthCm;
    fieldKG_ = fieldKG;
    energyMeV_ = energyMeV;
    scale_ = scale;
}

ChamberDataHolder::ChamberDataHolder(ChamberData& owner)
    : owner_(&owner)
{
    CopyConditions(owner);
}

void ChamberDataHolder::MarkOwnerChanged()
{
    if (owner_)
        owner_->MarkChanged();
}

void ChamberDataHolder::SetSize(int size)
{
    ChamberData::SetSize(size);
    MarkOwnerChanged();
}

void ChamberDataHolder::SetL(double lengthCm)
{
    ChamberData::SetL(lengthCm);
    MarkOwnerChanged();
}

void ChamberDataHolder::SetB(double fieldKG)
{
    ChamberData::SetB(fieldKG);
    MarkOwnerChanged();
}

void ChamberDataHolder::SetT(double energyMeV)
{
    ChamberData::SetT(energyMeV);
    MarkOwnerChanged();
}
