#include "Vantrel/Drawing/TextureCache.h"

#include <GL/gl.h>

#include <algorithm>
#include <type_traits>

#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Util/PkCompression.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FileErrors.h"
#include "Vantrel/Drawing/FrameBudget.h"

using namespace Velmo;
using namespace Velmo::Papy;

TextureCache::TextureCache() : m_uploader(new TextureUploader) {}

void TextureCache::NewFrame()
{
    m_frameMips.clear();
    m_srbFiles.NewFrame();
}

std::uint64_t TextureCache::BytesMade()
{
    return Util::PkCompression::GetDecodedBytes();
}

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

bool TextureCache::Accepts(std::uint32_t width, std::uint32_t height, bool proxyTest)
{
    const std::uint32_t max = GetMaxSize();
    if (width == 0 || height == 0 || width > max || height > max || std::uint64_t(width) * height > PixelLimit)
        return false;
    return !proxyTest || m_uploader->Fits(width, height);
}

unsigned TextureCache::Upload(const Bitmap& bitmap, bool repeatHorizontally, bool repeatVertically)
{
    // What the pixels decode from stays in the file (and the factory's cache) for the
    // program's life: only the uploaded copy is needed past this point, however it ends.
    struct Release
    {
        const Bitmap& bitmap;
        ~Release() { bitmap.ReleaseDecoded(); }
    } release{bitmap};
    const std::uint32_t width = bitmap.GetWidth();
    return m_uploader->Upload(
        width, bitmap.GetHeight(),
        [&bitmap, width](std::uint32_t first, std::uint32_t count, std::uint8_t* out) {
            for (std::uint32_t row = first; row < first + count; ++row)
                for (std::uint32_t column = 0; column < width; ++column)
                {
                    const Colour pixel = bitmap.GetPixel(row, column);
                    *out++ = Colour::ComponentToByte(pixel.GetRed());
                    *out++ = Colour::ComponentToByte(pixel.GetGreen());
                    *out++ = Colour::ComponentToByte(pixel.GetBlue());
                    *out++ = Colour::ComponentToByte(pixel.GetAlpha());
                }
        },
        repeatHorizontally, repeatVertically);
}

TextureCache::Loaded TextureCache::LoadLevel(const std::string& name, const MipChainFile& file, std::uint32_t levels,
                                             bool proxyTest, bool repeatHorizontally, bool repeatVertically,
                                             bool& accepted, DrawingReport& report)
{
    accepted = false;
    for (U32 level = 0; level < levels; ++level)
    {
        const std::uint32_t width = file.GetLevelWidth(level), height = file.GetLevelHeight(level);
        if (!Accepts(width, height, proxyTest))
            continue;
        accepted = true;
        // Weighed before anything of the level is read or decoded; a texture past the total
        // is not tried at a smaller level: the textures that fit keep the pixels they came
        // with. The pixels are taken once the upload is done: a level that fails takes none.
        const std::uint64_t pixels = std::uint64_t(width) * height;
        if (pixels > TotalPixelLimit - m_pixelsTaken)
        {
            report.AddNotice(DrawingMessages::TexturesTooLarge());
            return {};
        }
        Util::MemoryBound::Reservation memory(name, pixels * 4);
        Util::CountedPointer<Bitmap> bitmap = file.GetBitmap(level);
        if (!bitmap || bitmap->GetWidth() != width || bitmap->GetHeight() != height)
            continue;
        const unsigned texture = Upload(*bitmap, repeatHorizontally, repeatVertically);
        m_pixelsTaken += pixels;
        return {texture, pixels, std::move(memory)};
    }
    return {};
}

template <class File, class Load>
unsigned TextureCache::Hold(Files<File>& files, const Util::CountedPointer<File>& file, const std::string& name,
                            Load load)
{
    auto named = files.ByName.find(name);
    if (named != files.ByName.end() && named->second != file.Get())
        Drop(files, named->second);
    auto cached = files.ByFile.find(file.Get());
    if (cached != files.ByFile.end())
    {
        files.ByName[name] = file.Get();
        return cached->second.Texture.Texture;
    }
    Loaded loaded;
    try
    {
        loaded = load();
    }
    catch (const OpenGL::XOpenGL&)
    {
        throw;
    }
    catch (const Util::Exception&)
    {
        files.ByFile.emplace(file.Get(), Held<File>{file, {}, name});
        files.ByName[name] = file.Get();
        throw;
    }
    const unsigned texture = loaded.Texture;
    files.ByFile.emplace(file.Get(), Held<File>{file, std::move(loaded), name});
    files.ByName[name] = file.Get();
    return texture;
}

template <class File>
void TextureCache::Drop(Files<File>& files, const File* file)
{
    auto held = files.ByFile.find(file);
    if (held == files.ByFile.end())
        return;
    std::erase_if(files.ByName, [file](const auto& entry) { return entry.second == file; });
    // A MIP name asked earlier in the frame is asked again rather than given a deleted texture
    // (an SRB name keeps its file, whose texture Hold loads again).
    if constexpr (std::is_same_v<File, MipFile>)
        std::erase_if(m_frameMips, [file](const auto& entry) { return entry.second.File.Get() == file; });
    const Loaded texture = std::move(held->second.Texture);
    // The entry goes first: the file is let go even when the driver refuses the deletion.
    files.ByFile.erase(held);
    m_pixelsTaken -= std::min(m_pixelsTaken, texture.Pixels);
    if (texture.Texture != 0)
    {
        const GLuint id = texture.Texture;
        glDeleteTextures(1, &id);
        OpenGL::CheckError();
    }
}

unsigned TextureCache::GetMip(const std::string& name, MakeMip& facet, Util::CountedPointer<MipFile>& file,
                              DrawingReport& report, FrameBudget* budget)
{
    file = nullptr;
    if (m_failedMips.contains(name))
        return 0;
    if (const auto asked = m_frameMips.find(name); asked != m_frameMips.end())
    {
        file = asked->second.File;
        return asked->second.Texture;
    }
    const U64 made = BytesMade();
    unsigned texture = 0;
    const bool had = ReportFileErrors(report, [&] {
        try
        {
            Util::CountedPointer<MipFile> made;
            facet.Make(made, name, "", false);
            texture = Hold(m_mips, made, name, [&] {
                bool accepted = false;
                Loaded loaded = LoadLevel(name, *made, made->GetBitmapCount(), true, made->RepeatsHorizontally(),
                                          made->RepeatsVertically(), accepted, report);
                if (!accepted)
                    report.Add(TooLargeMessage(name));
                return loaded;
            });
            if (texture != 0)
                file = made;
            return true;
        }
        catch (const Util::XMemoryBound&)
        {
            // Past the memory bound: untextured, like a texture past the total.
            report.AddNotice(DrawingMessages::TexturesTooLarge());
            return false;
        }
    });
    if (budget != nullptr)
        budget->Take(FrameBudget::Pixels, double(BytesMade() - made) * PixelsPerByteMade);
    if (had)
    {
        m_frameMips[name] = AskedMip{texture, file};
        return texture;
    }
    m_failedMips.insert(name);
    return 0;
}

Util::CountedPointer<SrbFile> TextureCache::GetSrbFile(const std::string& name, MakeSrb& facet,
                                                      DrawingReport& report)
{
    Util::CountedPointer<SrbFile> made;
    if (!m_srbFiles.Make(facet, made, name, report))
        return nullptr;
    return made;
}

unsigned TextureCache::GetSrbTexture(const std::string& name, const Util::CountedPointer<SrbFile>& file,
                                     DrawingReport& report)
{
    unsigned texture = 0;
    ReportFileErrors(report, [&] {
        try
        {
            texture = Hold(m_srbs, file, name, [&] {
                bool accepted = false;
                Loaded loaded = LoadLevel(name, *file, std::min<U32>(file->GetBitmapCount(), 1), false, false,
                                          false, accepted, report);
                if (!accepted)
                    report.Add(TooLargeMessage(name));
                return loaded;
            });
        }
        catch (const Util::XMemoryBound&)
        {
            report.AddNotice(DrawingMessages::TexturesTooLarge());
        }
        return true;
    });
    return texture;
}

template <class File>
std::map<std::string, unsigned> TextureCache::NamesOf(const Files<File>& files)
{
    std::map<std::string, unsigned> names;
    for (const auto& [file, entry] : files.ByFile)
        if (entry.Texture.Texture != 0)
            names.emplace(entry.Name, entry.Texture.Texture);
    return names;
}

std::map<std::string, unsigned> TextureCache::GetMipNames() const
{
    return NamesOf(m_mips);
}

std::map<std::string, unsigned> TextureCache::GetSrbNames() const
{
    return NamesOf(m_srbs);
}

void TextureCache::DeleteAll()
{
    const auto deleteAll = [](auto& files) {
        for (const auto& [file, entry] : files.ByFile)
        {
            if (entry.Texture.Texture == 0)
                continue;
            const GLuint id = entry.Texture.Texture;
            glDeleteTextures(1, &id);
            OpenGL::CheckError();
        }
        files.ByFile.clear();
        files.ByName.clear();
    };
    deleteAll(m_mips);
    deleteAll(m_srbs);
    NewFrame();
    m_pixelsTaken = 0;
}
