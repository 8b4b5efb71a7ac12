#include "Vantrel/Drawing/TextureCache.h"

#include <GL/gl.h>

#include <vector>

#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FileErrors.h"

using namespace Velmo;
using namespace Velmo::Papy;

TextureCache::TextureCache() : m_uploader(new TextureUploader) {}

std::string TextureCache::TooLargeMessage(const std::string& name)
{
    return name + ": Texture too large for OpenGL";
}

std::uint32_t TextureCache::GetMaxSize()
{
    if (m_maxSize == 0)
    {
        GLint size = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
        OpenGL::CheckError();
        m_maxSize = size > 0 ? std::uint32_t(size) : 1;
    }
    return m_maxSize;
}

unsigned TextureCache::UploadLevel(const Bitmap& bitmap, bool proxyTest, bool repeatHorizontally,
                                   bool repeatVertically)
{
    // The buffer is sized from these, so they are checked before anything is allocated.
    const std::uint32_t width = bitmap.GetWidth();
    const std::uint32_t height = bitmap.GetHeight();
    const std::uint32_t max = GetMaxSize();
    if (width == 0 || height == 0 || width > max || height > max || std::uint64_t(width) * height > PixelLimit)
        return 0;
    if (proxyTest && !m_uploader->Fits(width, height))
        return 0;
    std::vector<std::uint8_t> rgba(std::size_t(width) * height * 4);
    std::uint8_t* out = rgba.data();
    for (std::uint32_t row = 0; row < height; ++row)
    {
        for (std::uint32_t column = 0; column < width; ++column)
        {
            const Colour pixel = bitmap.GetPixel(row, column);
            *out++ = Colour::ComponentToByte(pixel.GetRed());
            *out++ = Colour::ComponentToByte(pixel.GetGreen());
            *out++ = Colour::ComponentToByte(pixel.GetBlue());
            *out++ = Colour::ComponentToByte(pixel.GetAlpha());
        }
    }
    return m_uploader->Upload(width, height, rgba, repeatHorizontally, repeatVertically);
}

unsigned TextureCache::GetMip(const std::string& name, MakeMip& facet, Util::CountedPointer<MipFile>& file,
                              DrawingReport& report)
{
    file = nullptr;
    if (m_failedMips.contains(name))
        return 0;
    unsigned texture = 0;
    if (ReportFileErrors(report, [&] {
            Util::CountedPointer<MipFile> made;
            facet.Make(made, name, "", false);
            auto cached = m_mips.find(name);
            if (cached != m_mips.end())
            {
                file = made;
                texture = cached->second;
                return true;
            }
            const U32 count = made->GetBitmapCount();
            for (U32 level = 0; level < count; ++level)
            {
                Util::CountedPointer<Bitmap> bitmap = made->GetBitmap(level);
                if (!bitmap)
                    continue;
                texture = UploadLevel(*bitmap, true, made->RepeatsHorizontally(), made->RepeatsVertically());
                if (texture != 0)
                {
                    m_mips[name] = texture;
                    file = made;
                    return true;
                }
            }
            report.Add(TooLargeMessage(name));
            return false;
        }))
        return texture;
    m_failedMips.insert(name);
    return 0;
}

Util::CountedPointer<SrbFile> TextureCache::GetSrbFile(const std::string& name, MakeSrb& facet,
                                                      DrawingReport& report)
{
    Util::CountedPointer<SrbFile> made;
    if (!MakeOnce(facet, made, name, m_failedSrbs, report))
        return nullptr;
    return made;
}

unsigned TextureCache::GetSrbTexture(const std::string& name, const SrbFile& file, DrawingReport& report)
{
    auto cached = m_srbs.find(name);
    if (cached != m_srbs.end())
        return cached->second;
    if (m_failedSrbTextures.contains(name))
        return 0;
    unsigned texture = 0;
    if (ReportFileErrors(report, [&] {
            Util::CountedPointer<Bitmap> bitmap = file.GetBitmapCount() > 0 ? file.GetBitmap(0) : nullptr;
            texture = bitmap ? UploadLevel(*bitmap, false, false, false) : 0;
            if (texture != 0)
            {
                m_srbs[name] = texture;
                return true;
            }
            report.Add(TooLargeMessage(name));
            return false;
        }))
        return texture;
    m_failedSrbTextures.insert(name);
    return 0;
}

void TextureCache::DeleteAll()
{
    for (auto* names : {&m_mips, &m_srbs})
    {
        for (const auto& [name, texture] : *names)
        {
            const GLuint id = texture;
            glDeleteTextures(1, &id);
            OpenGL::CheckError();
        }
        names->clear();
    }
}
