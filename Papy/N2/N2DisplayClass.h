#pragma once
// Type 5, sub-kind 4: a display class over its child, an N2 number translated by the file.
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/N2/N2MaterialNode.h"

namespace Velmo::Papy
{
class N2DisplayClass : public N2MaterialNode<ThreeDObjectDisplayClass, 4>
{
public:
    N2DisplayClass(N2TdoFile& file, Util::RecordReader& reader, int id, int childId)
        : N2MaterialNode(file, id, childId), m_class(reader.ReadS32())
    {
    }

    DisplayClass GetClass() const override { return DisplayClass(GetFile().GetDisplayClass(m_class)); }

private:
    void WriteRest(N2Record::Writer& record) const override { record.Word(m_class); }

    S32 m_class;
};
} // namespace Velmo::Papy
