#pragma once
// An OpenGL context of its own for the drawing tests: Mesa's surfaceless EGL platform with a
// pbuffer of the asked size (RGBA 8 bits, depth 24, stencil 8), so that pixels can be read back
// without a display. Tests skip when the machine cannot make one.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

class GLContext
{
public:
    explicit GLContext(int width = 64, int height = 64) : m_width(width), m_height(height)
    {
        auto getPlatformDisplay =
            reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (getPlatformDisplay == nullptr)
            return;
        m_display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (m_display == EGL_NO_DISPLAY || !eglInitialize(m_display, nullptr, nullptr))
            return;
        if (!eglBindAPI(EGL_OPENGL_API))
            return;
        const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                     EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
                                     EGL_DEPTH_SIZE, 24, EGL_STENCIL_SIZE, 8, EGL_NONE};
        EGLConfig config = nullptr;
        EGLint count = 0;
        if (!eglChooseConfig(m_display, attributes, &config, 1, &count) || count < 1)
            return;
        const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
        m_surface = eglCreatePbufferSurface(m_display, config, surfaceAttributes);
        if (m_surface == EGL_NO_SURFACE)
            return;
        m_context = eglCreateContext(m_display, config, EGL_NO_CONTEXT, nullptr);
        m_current = m_context != EGL_NO_CONTEXT &&
                    eglMakeCurrent(m_display, m_surface, m_surface, m_context) == EGL_TRUE;
        if (m_current)
        {
            glViewport(0, 0, width, height);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
        }
    }
    ~GLContext()
    {
        if (m_display == EGL_NO_DISPLAY)
            return;
        eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (m_context != EGL_NO_CONTEXT)
            eglDestroyContext(m_display, m_context);
        if (m_surface != EGL_NO_SURFACE)
            eglDestroySurface(m_display, m_surface);
        eglTerminate(m_display);
    }
    GLContext(const GLContext&) = delete;
    GLContext& operator=(const GLContext&) = delete;

    bool IsCurrent() const { return m_current; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The colour at (x, y), y counted from the bottom row as OpenGL does.
    std::array<std::uint8_t, 3> Pixel(int x, int y) const
    {
        std::array<std::uint8_t, 4> rgba{};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return {rgba[0], rgba[1], rgba[2]};
    }
    // Every pixel, RGB, bottom row first.
    std::vector<std::uint8_t> Pixels() const
    {
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(m_width) * m_height * 3);
        glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    }

private:
    int m_width;
    int m_height;
    EGLDisplay m_display = EGL_NO_DISPLAY;
    EGLSurface m_surface = EGL_NO_SURFACE;
    EGLContext m_context = EGL_NO_CONTEXT;
    bool m_current = false;
};

// Skips the test when no context can be made on this machine.
#define VELMO_REQUIRE_GL(context)                                                                  \
    if (!(context).IsCurrent())                                                                    \
    GTEST_SKIP() << "no OpenGL context (EGL surfaceless) on this machine"

// The time of a step of drawing until the driver has done it (glFinish), in milliseconds.
inline double FinishedMilliseconds(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
