#pragma once
// The Make facet kinds: each loads a file object of one type by name and keeps it in a cache,
// so that every request for one file (under any spelling of its name) through one factory gives
// the same object while the file stays as it was read (MakeCache). Operations in declaration
// order; the object comes back through the out-parameter first.
//
//   MakeCam, MakeMip, MakePbf, MakeSrb, MakeTdo, MakeUnknown   Make (with datOnly), Adopt, PurgeCache
//   MakeLp                                                     Make, Adopt, PurgeCache, GetTypeCount, GetTypeName
//   MakeTrk, MakePtf, MakeTrack, MakeLyt                       Make (with datOnly), PurgeCache
//   MakeRpy                                                    Make, PurgeCache
//   MakePcx                                                    Make (with datOnly), PurgeCache
//
// name and extension may each be empty; datOnly skips the loose file and looks only in the
// folder's DAT container. MakeUnknown's object is the file's stream itself.
//
// The kinds whose objects documents edit and save (MakeTdo, MakePtf, MakeLyt) have Replace as
// well: a saved object takes the place of what the cache had for its file.
#include <string>

#include "Papy/Factory/FileFactory.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TdoFile;
class CamFile;
class TrkFile;
class Track;
class LpFile;
class RpyFile;
class LytFile;
class MipFile;
class SrbFile;
class PbfFile;
class PcxFile;

// Make, Adopt and PurgeCache over objects of type Object.
template <class Object>
class AdoptingMakeKind : public FileFactory::Facet
{
public:
    typedef Object ObjectType;

    virtual void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
                      bool datOnly) = 0;
    // Files an object made elsewhere under the key that Make of the same name and extension
    // uses, replacing what was there.
    virtual void Adopt(const Util::CountedPointer<Object>& object, const std::string& name,
                       const std::string& extension) = 0;
    virtual void PurgeCache() = 0;
};

// Make and PurgeCache over objects of type Object.
template <class Object>
class ShortMakeKind : public FileFactory::Facet
{
public:
    typedef Object ObjectType;

    virtual void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
                      bool datOnly) = 0;
    virtual void PurgeCache() = 0;
};

// Replace over objects of type Object, for the kinds whose objects documents edit and save.
template <class Object>
class ReplacingMakeKind
{
public:
    virtual ~ReplacingMakeKind() = default;

    // Files the object as the object of the file that Make of the name and extension reads, in
    // place of whatever the cache had for that file, which is returned (empty when nothing). A
    // facet without a cache files nothing.
    virtual Util::CountedPointer<Object> Replace(const Util::CountedPointer<Object>& object,
                                                 const std::string& name, const std::string& extension)
    {
        (void)object;
        (void)name;
        (void)extension;
        return {};
    }
};

class MakeTdo : public AdoptingMakeKind<TdoFile>, public ReplacingMakeKind<TdoFile>
{
};

class MakePtf : public ShortMakeKind<TdoFile>, public ReplacingMakeKind<TdoFile>
{
};

class MakeCam : public AdoptingMakeKind<CamFile>
{
};

class MakeTrack : public ShortMakeKind<Track>
{
};

class MakeUnknown : public AdoptingMakeKind<Util::BinaryStream>
{
};

class MakeMip : public AdoptingMakeKind<MipFile>
{
};

// Racing lines and replays are looked for only as loose files: Make has no datOnly.
class MakeRpy : public FileFactory::Facet
{
public:
    typedef RpyFile ObjectType;

    virtual void Make(Util::CountedPointer<RpyFile>& object, const std::string& name,
                      const std::string& extension) = 0;
    virtual void PurgeCache() = 0;
};

class MakeSrb : public AdoptingMakeKind<SrbFile>
{
};

class MakeLyt : public ShortMakeKind<LytFile>, public ReplacingMakeKind<LytFile>
{
};

class MakeTrk : public ShortMakeKind<TrkFile>
{
};

class MakeLp : public FileFactory::Facet
{
public:
    typedef LpFile ObjectType;

    virtual void Make(Util::CountedPointer<LpFile>& object, const std::string& name,
                      const std::string& extension) = 0;
    virtual void Adopt(const Util::CountedPointer<LpFile>& object, const std::string& name,
                       const std::string& extension) = 0;
    virtual void PurgeCache() = 0;
    // The racing-line types the game knows, by index.
    virtual int GetTypeCount() = 0;
    virtual std::string GetTypeName(int i) = 0;
};

class MakePbf : public AdoptingMakeKind<PbfFile>
{
};

// The N2 palette file's loader, used by the palette server; the factory knows it only as a kind
// whose cache the purge reaches.
class MakePcx : public ShortMakeKind<PcxFile>
{
};
} // namespace Velmo::Papy
