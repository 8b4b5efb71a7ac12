#pragma once
// A node of the editor that stands for another node of the same file. It is never written:
// whoever refers to it is written with its target's offset.
#include <string>

#include "Papy/Model/ThreeDObjectProxy.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLProxy : public ThreeDObjectProxy
{
public:
    GPLProxy(GPLTdoFile& file, int id, int targetId) : m_file(&file), m_id(id), m_targetId(targetId) {}

    Util::CountedPointer<ThreeDObject> GetTarget() const override;
    Util::CountedPointer<ThreeDObject> GetChild() const override;

    int GetId() const override { return m_id; }
    // The target's offset, looked up on every call.
    U64 GetFileOffset() const override;
    std::string GetType() const override { return std::string(); }
    void Write(Util::BinaryStream&, U32) override {}
    void ClearFileOffset() override {}

private:
    GPLTdoFile* m_file;
    int m_id;
    int m_targetId;
};
} // namespace Velmo::Papy
