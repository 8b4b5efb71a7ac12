#include "Vantrel/Drawing/ClientArrays.h"

#include <GL/gl.h>

#include "Util/OpenGL/XOpenGL.h"

void ClientArrays::SetVertices(std::vector<double>&& xyz)
{
    m_vertices.data = std::move(xyz);
    m_vertices.set = true;
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, m_vertices.data.data());
    Velmo::OpenGL::CheckError();
}

void ClientArrays::SetNormals(std::vector<double>&& xyz)
{
    m_normals.data = std::move(xyz);
    m_normals.set = true;
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_DOUBLE, 0, m_normals.data.data());
    Velmo::OpenGL::CheckError();
}

void ClientArrays::SetTextureCoords(std::vector<double>&& uv)
{
    m_textureCoords.data = std::move(uv);
    m_textureCoords.set = true;
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_DOUBLE, 0, m_textureCoords.data.data());
    Velmo::OpenGL::CheckError();
}

void ClientArrays::FreeVertices()
{
    if (!m_vertices.set)
        return;
    glDisableClientState(GL_VERTEX_ARRAY);
    Velmo::OpenGL::CheckError();
    m_vertices = Array();
}

void ClientArrays::FreeNormals()
{
    if (!m_normals.set)
        return;
    glDisableClientState(GL_NORMAL_ARRAY);
    Velmo::OpenGL::CheckError();
    m_normals = Array();
}

void ClientArrays::FreeTextureCoords()
{
    if (!m_textureCoords.set)
        return;
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    Velmo::OpenGL::CheckError();
    m_textureCoords = Array();
}

void ClientArrays::Release()
{
    FreeVertices();
    FreeNormals();
    FreeTextureCoords();
}

void ClientArrays::ReleaseQuietly() noexcept
{
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    m_vertices = Array();
    m_normals = Array();
    m_textureCoords = Array();
}
