#pragma once
// A name stored in a fixed-size field of a record: the text ends at the first NUL byte, or
// fills the whole field when it has none. The raw bytes are kept as read and written back
// unchanged, so bytes after the NUL and a name without NUL survive a save.
#include <algorithm>
#include <array>
#include <string>

#include "Papy/N4/N4Archiver.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
template <std::size_t Size>
class N4FixedText
{
public:
    void Read(N4Archiver& archive) { archive.ReadBytes(m_bytes.data(), Size); }
    void Write(N4Archiver& archive) const { archive.GetStream().Write(U32(Size), m_bytes.data()); }

    std::string GetText() const
    {
        const U8* end = std::find(m_bytes.begin(), m_bytes.end(), U8(0));
        return std::string(m_bytes.begin(), end);
    }

private:
    std::array<U8, Size> m_bytes{};
};
} // namespace Velmo::Papy
