#pragma once
// Makes a new, empty GPL 3D object and files it under the lower-cased name and "3do" in the
// factory's MakeTdo facet, taken at each call.
#include "Papy/Factory/CreateFacets.h"

namespace Velmo::Papy
{
class GPLCreateTdo : public CreateTdo
{
public:
    // The owning factory, not owned.
    explicit GPLCreateTdo(FileFactory* owner) : m_owner(owner) {}

    void Create(Util::CountedPointer<TdoFile>& object, const std::string& name) override;

private:
    FileFactory* m_owner;
};
} // namespace Velmo::Papy
