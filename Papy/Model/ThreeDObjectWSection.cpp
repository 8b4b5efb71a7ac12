#include "Papy/Model/ThreeDObjectWSection.h"

namespace Velmo::Papy
{
void ThreeDObjectWSection::Accept(ThreeDObjectVisitor& visitor)
{
    if (visitor.EnterWSection(*this))
    {
        const int count = GetSubsectionCount();
        for (int subsection = 0; subsection < count; ++subsection)
        {
            for (int entry = 0; entry < EntryCount; ++entry)
            {
                // An absent entry gets none of its four calls.
                if (!HasEntry(subsection, entry))
                    continue;
                if (visitor.BeforeWSectionAppearance(*this, subsection, entry))
                    ThreeDObjectWalk::Descend(visitor, GetEntryAppearance(subsection, entry));
                visitor.AfterWSectionAppearance(*this, subsection, entry);
                if (visitor.BeforeWSectionTextureCoords(*this, subsection, entry))
                    ThreeDObjectWalk::Descend(visitor, GetEntryTextureCoords(subsection, entry));
                visitor.AfterWSectionTextureCoords(*this, subsection, entry);
            }
        }
    }
    visitor.LeaveWSection(*this);
}
} // namespace Velmo::Papy
