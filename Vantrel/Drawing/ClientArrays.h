#pragma once
// The three client arrays of the drawing visitor (vertex coordinates and normals, 3 doubles a
// vertex; texture coordinates, 2 doubles), owned here: an array that is set has its client
// state enabled and its pointer given to OpenGL; one that is freed has it disabled.
//
// Indices from a file (or from an edited vertex index) are checked before any of them reaches
// glDrawElements: CopyIndices copies them into the buffer OpenGL reads and refuses a primitive
// with an index outside the vertex array.
#include <cstddef>
#include <vector>

class ClientArrays
{
public:
    void SetVertices(std::vector<double>&& xyz);
    void SetNormals(std::vector<double>&& xyz);
    void SetTextureCoords(std::vector<double>&& uv);
    void FreeVertices();
    void FreeNormals();
    void FreeTextureCoords();
    // Frees all three.
    void Release();
    // Frees all three without error checks (the end of a frame that an exception cut short).
    void ReleaseQuietly() noexcept;

    bool HasVertices() const { return m_vertices.set; }
    bool HasTextureCoords() const { return m_textureCoords.set; }
    std::size_t GetVertexCount() const { return m_vertices.data.size() / 3; }
    // The vertex coordinates, 3 a vertex.
    const double* GetVertexData() const { return m_vertices.data.data(); }
    std::size_t GetTextureCoordCount() const { return m_textureCoords.data.size() / 2; }

    // Copies count indices (index(i) for i = 0 .. count - 1) into out; false when one of them
    // is negative or not below vertexCount (out then holds the ones before it). largest
    // receives the largest index.
    template <class IndexOf>
    static bool CopyIndices(int count, IndexOf index, std::size_t vertexCount, std::vector<unsigned>& out,
                            std::size_t& largest)
    {
        out.clear();
        largest = 0;
        if (count <= 0)
            return true;
        out.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
        {
            const long long value = static_cast<long long>(index(i));
            if (value < 0 || static_cast<unsigned long long>(value) >= vertexCount)
                return false;
            if (std::size_t(value) > largest)
                largest = std::size_t(value);
            out.push_back(unsigned(value));
        }
        return true;
    }

private:
    struct Array
    {
        std::vector<double> data;
        bool set = false;
    };
    Array m_vertices;
    Array m_normals;
    Array m_textureCoords;
};
