#pragma once
// The textures of the drawing visitor, loaded on first use from the MIP and SRB files of the
// folder's factory and kept, by exact name, for the visitor's life: a second use of a name, in
// the same frame or a later one, uploads nothing.
//
// A MIP file is uploaded at its first level that the driver accepts (largest first); an SRB
// file at its first level. A level is accepted only within the driver's largest side and within
// PixelLimit pixels, both checked on the level's declared size before its pixels are decoded: a
// few megabytes of compressed zeros can declare a level of gigabytes. A file that cannot be had (missing, unreadable, no level that fits)
// gives texture name 0: the caller draws untextured. Its problem is added to the report once,
// and the name is remembered as failed, so that no later paint asks the file system again.
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/TextureUploader.h"

namespace Velmo::Papy
{
class Bitmap;
class MakeMip;
class MakeSrb;
class MipFile;
class SrbFile;
} // namespace Velmo::Papy

class DrawingReport;

class TextureCache
{
public:
    TextureCache();

    void SetUploader(const Velmo::Util::CountedPointer<TextureUploader>& uploader) { m_uploader = uploader; }

    // The OpenGL name of the MIP texture of the name (made with MakeMip: the name, no
    // extension), with its file; 0 (and no file) when it cannot be had.
    unsigned GetMip(const std::string& name, Velmo::Papy::MakeMip& facet,
                    Velmo::Util::CountedPointer<Velmo::Papy::MipFile>& file, DrawingReport& report);
    // The SRB file of a scaled bitmap (made with MakeSrb: the name, no extension); empty when
    // it cannot be had.
    Velmo::Util::CountedPointer<Velmo::Papy::SrbFile> GetSrbFile(const std::string& name, Velmo::Papy::MakeSrb& facet,
                                                                 DrawingReport& report);
    // The OpenGL name of that file's texture (its first level, clamped); 0 when it cannot be had.
    unsigned GetSrbTexture(const std::string& name, const Velmo::Papy::SrbFile& file, DrawingReport& report);

    // glDeleteTextures of every cached name (in the context that made them), then empty.
    void DeleteAll();

    const std::map<std::string, unsigned>& GetMipNames() const { return m_mips; }
    const std::map<std::string, unsigned>& GetSrbNames() const { return m_srbs; }

    // The most pixels of a level that is uploaded (4096 x 4096: 64 MiB of RGBA, made from the
    // decoded level before the driver takes its own copy).
    static constexpr std::uint64_t PixelLimit = std::uint64_t(1) << 24;

    // The message of a MIP file none of whose levels the driver accepts.
    static std::string TooLargeMessage(const std::string& name);

private:
    // Uploads a level; 0 when its size is out of range (a side 0 or past the driver's largest,
    // more than PixelLimit pixels) or the proxy refuses it (when asked).
    unsigned UploadLevel(const Velmo::Papy::Bitmap& bitmap, bool proxyTest, bool repeatHorizontally,
                         bool repeatVertically);
    std::uint32_t GetMaxSize();

    Velmo::Util::CountedPointer<TextureUploader> m_uploader;
    // SRB textures are kept apart: a MIP and an SRB file may share a name.
    std::map<std::string, unsigned> m_mips;
    std::map<std::string, unsigned> m_srbs;
    std::set<std::string> m_failedMips;
    std::set<std::string> m_failedSrbs;
    std::set<std::string> m_failedSrbTextures;
    std::uint32_t m_maxSize = 0;
};
