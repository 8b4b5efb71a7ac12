#pragma once
// A named object placed beside a .ptf track.
//
// Record: 1, 0, version 2 or 3, name (string), second text (string), version 3 only: a flag
// byte.
#include <string>

#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4TracksideObject : public N4Node<ThreeDObjectTracksideObject>
{
public:
    static constexpr const char* DescriptorName = "TSODescriptor";

    N4TracksideObject(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "TSO"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    std::string GetObjectName() const override { return m_name; }
    std::string GetComment() const override { return m_text; }
    bool IsShared() const override { return m_flag != 0; }

    int GetVersion() const { return m_version; }

private:
    int m_version = 3;
    std::string m_name;
    std::string m_text;
    U8 m_flag = 0;
};

class N4ArchiverTracksideObject final : public N4ArchivedNode<N4TracksideObject>
{
};
extern const N4ArchiverTracksideObject g_N4ArchiverTracksideObject;
} // namespace Velmo::Papy
