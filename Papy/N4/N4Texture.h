#pragma once
// A reference to a texture file. Record: 1, 0, version 1 or 2, file name, and for version 2
// a shared-flag byte. A texture made by the editor is of version 2, not shared.
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Texture : public N4Node<ThreeDObjectTexture2>
{
public:
    static constexpr const char* DescriptorName = "TextureDescriptor";

    N4Texture(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    N4Texture(N4TdoFile& file, int id, const std::string& fileName);

    std::string GetType() const override { return "Texture"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    std::string GetFileName() const override { return m_fileName; }
    void SetFileName(const std::string& name) override { m_fileName = name; }
    bool IsShared() const override { return m_version >= 2 && m_shared != 0; }
    // Version 1 records have no flag: XUsage.
    void SetShared(bool shared) override;

private:
    U32 m_version = 2;
    std::string m_fileName;
    U8 m_shared = 0; // the byte as read, so that it is written back unchanged
};

class N4ArchiverTexture final : public N4ArchivedNode<N4Texture>
{
};
extern const N4ArchiverTexture g_N4ArchiverTexture;
} // namespace Velmo::Papy
