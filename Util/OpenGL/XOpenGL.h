#pragma once
// The OpenGL error of the error tree, in a target of its own so that the rest of the support
// library needs no OpenGL.
#include <string>

#include "Util/Exception.h"
#include "Util/Types.h"

namespace Velmo::OpenGL
{
class XOpenGL : public Util::RuntimeError
{
public:
    explicit XOpenGL(U32 code) : m_code(code) {}
    // "An OpenGLError occurred: " and the GLU library's text for the code.
    std::string GetText() const override;
    U32 GetCode() const { return m_code; }

private:
    U32 m_code;
};

// Reads the OpenGL error state once (which clears it) and throws XOpenGL when it is set.
void CheckError();
} // namespace Velmo::OpenGL
