#pragma once
// The vertices a vertex fixer pins: for each (external-object depth, vertex id) the position
// the vertex had in eye space when the fixer was walked, and the modelview stack depth then.
// A primitive drawn later places a pinned vertex there whatever transforms were applied
// since, by solving the modelview in force backwards (LUDecomposition). Shared by the
// drawing and the clip-test visitors; it issues no OpenGL call itself.
#include <map>
#include <utility>

#include "Papy/Model/Vertex.h"

class FixedVertexMap
{
public:
    struct Entry
    {
        Velmo::Papy::Vertex EyePosition;
        int StackDepth;
    };

    // Pins a vertex; a key already present is overwritten.
    void Fix(unsigned externalDepth, int vertexId, const Velmo::Papy::Vertex& eyePosition, int stackDepth);
    // The pinned entry of the key, or null.
    const Entry* Find(unsigned externalDepth, int vertexId) const;
    // Forgets every vertex pinned at a modelview stack depth greater than the given one (a
    // transformation that releases its fixed vertices has just been left).
    void Release(int stackDepth);
    void Clear() { m_entries.clear(); }
    bool IsEmpty() const { return m_entries.empty(); }
    std::size_t GetSize() const { return m_entries.size(); }

    // The model-space point that the column-major modelview m takes to the eye-space
    // position: m x = (position, 1), solved afresh for every vertex. A singular m raises
    // XUsage "FixedVertex LU decomposition problem".
    static Velmo::Papy::Vertex Solve(const double modelview[16], const Velmo::Papy::Vertex& eyePosition);

    // The eye-space position of a model-space point under the column-major modelview m.
    static Velmo::Papy::Vertex ToEye(const double modelview[16], const Velmo::Papy::Vertex& point);

private:
    std::map<std::pair<unsigned, unsigned>, Entry> m_entries;
};
