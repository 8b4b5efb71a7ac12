#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#if VELMO_HAVE_EGL
#include <EGL/egl.h>
#include <EGL/eglext.h>
#endif

#include "Util/OpenGL/XOpenGL.h"

using Velmo::OpenGL::CheckError;
using Velmo::OpenGL::XOpenGL;

TEST(XOpenGL, TextIsTheLibraryTextForTheCode)
{
    XOpenGL error(GL_INVALID_ENUM);
    EXPECT_EQ(error.GetText(),
              std::string("An OpenGLError occurred: ") + reinterpret_cast<const char*>(gluErrorString(GL_INVALID_ENUM)));
    EXPECT_EQ(error.GetText().rfind("An OpenGLError occurred: ", 0), 0u);
    try
    {
        throw XOpenGL(GL_OUT_OF_MEMORY);
    }
    catch (const Velmo::Util::Exception& e)
    {
        EXPECT_NE(e.GetText().find("out of memory"), std::string::npos) << e.GetText();
    }
}

#if VELMO_HAVE_EGL
namespace
{
// A context without a window: Mesa's surfaceless platform.
class Context
{
public:
    Context()
    {
        auto getPlatformDisplay =
            reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (getPlatformDisplay == nullptr)
            return;
        m_display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (m_display == EGL_NO_DISPLAY || !eglInitialize(m_display, nullptr, nullptr))
            return;
        const EGLint attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
        EGLConfig config = EGL_NO_CONFIG_KHR;
        EGLint count = 0;
        if (!eglBindAPI(EGL_OPENGL_API))
            return;
        // Without a surface no configuration is needed where the display offers none.
        if (!eglChooseConfig(m_display, attributes, &config, 1, &count) || count < 1)
            config = EGL_NO_CONFIG_KHR;
        m_context = eglCreateContext(m_display, config, EGL_NO_CONTEXT, nullptr);
        m_current = m_context != EGL_NO_CONTEXT &&
                    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context) == EGL_TRUE;
    }
    ~Context()
    {
        if (m_context != EGL_NO_CONTEXT)
        {
            eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(m_display, m_context);
        }
        if (m_display != EGL_NO_DISPLAY)
            eglTerminate(m_display);
    }
    bool IsCurrent() const { return m_current; }

private:
    EGLDisplay m_display = EGL_NO_DISPLAY;
    EGLContext m_context = EGL_NO_CONTEXT;
    bool m_current = false;
};
} // namespace

TEST(XOpenGL, CheckReportsOnePendingErrorOnce)
{
    Context context;
    if (!context.IsCurrent())
        GTEST_SKIP() << "no OpenGL context can be made here";
    EXPECT_NO_THROW(CheckError());
    glEnable(0xFFFF);
    try
    {
        CheckError();
        ADD_FAILURE() << "no error reported";
    }
    catch (const XOpenGL& e)
    {
        EXPECT_EQ(e.GetCode(), Velmo::U32(GL_INVALID_ENUM));
    }
    EXPECT_NO_THROW(CheckError());
}
#endif
