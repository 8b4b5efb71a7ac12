#pragma once
// Makes a new GPL camera file: one pit-lane camera, no TV cameras. Not filed in a cache.
#include "Papy/Factory/CreateFacets.h"

namespace Velmo::Papy
{
class GPLCreateCam : public CreateCam
{
public:
    // The owning factory, not owned.
    explicit GPLCreateCam(FileFactory* owner) : m_owner(owner) {}

    void Create(Util::CountedPointer<CamFile>& object) override;

private:
    [[maybe_unused]] FileFactory* m_owner;
};
} // namespace Velmo::Papy
