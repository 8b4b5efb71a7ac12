#pragma once
// Makes a new, empty N4 3D object (3DO node classes, the owning factory for its textures) and
// files it in the MakeTdo facet's local cache under the lower-cased name and "3do".
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class N4CreateTdo : public CreateTdo
{
public:
    // The owning factory, not owned.
    N4CreateTdo(const Util::CountedPointer<MakeTdo>& makeTdo, FileFactory* owner)
        : m_makeTdo(makeTdo), m_owner(owner)
    {
    }

    void Create(Util::CountedPointer<TdoFile>& object, const std::string& name) override;

private:
    Util::CountedPointer<MakeTdo> m_makeTdo;
    FileFactory* m_owner;
};
} // namespace Velmo::Papy
