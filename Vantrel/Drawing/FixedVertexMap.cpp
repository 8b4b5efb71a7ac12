#include "Vantrel/Drawing/FixedVertexMap.h"

#include "Util/Exception.h"
#include "Vantrel/Drawing/LUDecomposition.h"

using namespace Velmo::Papy;

void FixedVertexMap::Fix(unsigned externalDepth, int vertexId, const Vertex& eyePosition, int stackDepth)
{
    m_entries[{externalDepth, unsigned(vertexId)}] = Entry{eyePosition, stackDepth};
}

const FixedVertexMap::Entry* FixedVertexMap::Find(unsigned externalDepth, int vertexId) const
{
    if (m_entries.empty())
        return nullptr;
    auto found = m_entries.find({externalDepth, unsigned(vertexId)});
    return found == m_entries.end() ? nullptr : &found->second;
}

void FixedVertexMap::Release(int stackDepth)
{
    for (auto entry = m_entries.begin(); entry != m_entries.end();)
    {
        if (entry->second.StackDepth > stackDepth)
            entry = m_entries.erase(entry);
        else
            ++entry;
    }
}

Vertex FixedVertexMap::Solve(const double modelview[16], const Vertex& eyePosition)
{
    LUMatrix a = MatrixFromModelview(modelview);
    LUPermutation p = {0, 1, 2, 3};
    if (LUFactorize(a, p) != 0)
        throw Velmo::Util::XUsage("FixedVertex LU decomposition problem");
    LUVector b = {eyePosition.GetX(), eyePosition.GetY(), eyePosition.GetZ(), 1};
    LUSubstitute(a, p, b);
    return Vertex(b[0], b[1], b[2]);
}

Vertex FixedVertexMap::ToEye(const double m[16], const Vertex& v)
{
    const double x = v.GetX(), y = v.GetY(), z = v.GetZ();
    return Vertex(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                  m[2] * x + m[6] * y + m[10] * z + m[14]);
}
