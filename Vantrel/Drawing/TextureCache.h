#pragma once
// The textures of the drawing visitor, loaded on first use from the MIP and SRB files of the
// folder's factory and kept for the visitor's life: a second use of a file, in the same frame
// or a later one, uploads nothing.
//
// Textures are known by the file object the factory makes for their name, not by the name as
// written: the factory matches names without regard to case, so "tex.mip" and "TEX.MIP" are one
// file and one texture, while two files whose names differ only in case are two. The cache
// holds each file it has seen, so that no other file can take its place in memory. The factory
// is asked at the first use of a name in each frame (NewFrame begins one): when it gives a name
// another object than before (it has forgotten the file's object, or the file changed on disk),
// the old object's texture goes, its texture name deleted and its pixels given back, and the
// new object's is loaded once. Later uses of the name in the frame are answered from what the
// first was given, so that a material naming one texture thousands of times asks the file
// system once a frame, not once a use.
//
// A MIP file is uploaded at its first level that the driver accepts (largest first); an SRB
// file at its first level. A level is accepted only within the driver's largest side and within
// PixelLimit pixels, both checked on the level's declared size before its pixels are decoded: a
// few megabytes of compressed zeros can declare a level of gigabytes. The textures together
// take at most TotalPixelLimit pixels: a texture whose level would pass it is neither decoded
// nor uploaded, and the report's notices tell DrawingMessages::TexturesTooLarge once. Only a
// texture that is uploaded counts: one that fails to decode or upload takes nothing. A level's
// decoded pixels are freed as soon as they are copied for the upload, so that trying a chain
// holds one level at a time.
//
// What textures hold is reserved from the memory bound (Util::MemoryBound): the RGBA bytes
// the driver keeps of each upload, beside what the files reserve of their own (an unpacked
// entry, a level's bytes). A texture that the bound refuses is drawn untextured and told by
// the same notice as one past the total.
//
// A frame pays for its textures out of its budget: the walks charge a name for each texture a
// node names, and GetMip charges what loading unpacked (BytesMade: every byte decoded from an
// imploded stream into memory, an entry's or a level's) as Pixels (PixelsPerByteMade) once it
// is made. A frame whose textures take its time is so cut like any other, and the textures it
// did not reach are loaded by the next.
//
// A file that cannot be had (missing, unreadable, no level that fits, past the total) gives
// texture name 0: the caller draws untextured. Its problem is added to the report once, and the
// failure is remembered, so that no later paint asks the file system or the driver again.
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "Util/CountedPointer.h"
#include "Util/MemoryBound.h"
#include "Vantrel/Drawing/FrameFiles.h"
#include "Vantrel/Drawing/TextureUploader.h"

namespace Velmo::Papy
{
class Bitmap;
class MakeMip;
class MakeSrb;
class MipChainFile;
class MipFile;
class SrbFile;
} // namespace Velmo::Papy

class DrawingReport;
class FrameBudget;

class TextureCache
{
public:
    TextureCache();

    void SetUploader(const Velmo::Util::CountedPointer<TextureUploader>& uploader) { m_uploader = uploader; }

    // Begins a frame: the next use of each name asks the factory again.
    void NewFrame();

    // The OpenGL name of the MIP texture of the name (made with MakeMip: the name, no
    // extension), with its file; 0 (and no file) when it cannot be had. What loading unpacked
    // is charged to the budget, when one is given.
    unsigned GetMip(const std::string& name, Velmo::Papy::MakeMip& facet,
                    Velmo::Util::CountedPointer<Velmo::Papy::MipFile>& file, DrawingReport& report,
                    FrameBudget* budget = nullptr);
    // The SRB file of a scaled bitmap (made with MakeSrb: the name, no extension); empty when
    // it cannot be had.
    Velmo::Util::CountedPointer<Velmo::Papy::SrbFile> GetSrbFile(const std::string& name, Velmo::Papy::MakeSrb& facet,
                                                                 DrawingReport& report);
    // The OpenGL name of that file's texture (its first level, clamped); 0 when it cannot be
    // had. The name is the one the file was asked for by, for the report.
    unsigned GetSrbTexture(const std::string& name, const Velmo::Util::CountedPointer<Velmo::Papy::SrbFile>& file,
                           DrawingReport& report);

    // glDeleteTextures of every cached name (in the context that made them), then empty: the
    // total starts again from 0.
    void DeleteAll();

    // The uploaded textures by the name their file was first asked for by.
    std::map<std::string, unsigned> GetMipNames() const;
    std::map<std::string, unsigned> GetSrbNames() const;
    // The pixels of the textures the cache holds uploaded.
    std::uint64_t GetPixelsTaken() const { return m_pixelsTaken; }

    // The most pixels of a level that is uploaded (4096 x 4096: 64 MiB of RGBA that the driver
    // keeps, beside the level's decoded bytes while it is copied).
    static constexpr std::uint64_t PixelLimit = std::uint64_t(1) << 24;
    // The most pixels of all the textures together (two levels at PixelLimit, 512 textures of
    // 256 x 256): 128 MiB that the driver keeps, with one level's decoded bytes more for a
    // moment while it is copied.
    static constexpr std::uint64_t TotalPixelLimit = std::uint64_t(1) << 25;

    // The Pixels a byte unpacked for a texture costs: a quarter, so that the whole total of
    // textures, unpacked at four bytes a pixel, takes a third of a frame's Pixels, and a frame
    // of textures past a few hundred megabytes unpacked is cut.
    static constexpr double PixelsPerByteMade = 0.25;

    // The bytes decoded from imploded streams into memory so far: what loading a texture
    // unpacked is the rise of this across it.
    static std::uint64_t BytesMade();

    // The message of a MIP file none of whose levels the driver accepts.
    static std::string TooLargeMessage(const std::string& name);

private:
    // An uploaded texture, the pixels it takes of the total and the memory reserved for the
    // driver's copy; 0, 0 and none when it could not be had.
    struct Loaded
    {
        unsigned Texture = 0;
        std::uint64_t Pixels = 0;
        Velmo::Util::MemoryBound::Reservation Memory;
    };
    template <class File>
    struct Held
    {
        Velmo::Util::CountedPointer<File> Source;
        Loaded Texture;
        std::string Name;
    };
    // The textures by their files, and the file each name was last made into.
    template <class File>
    struct Files
    {
        std::map<const File*, Held<File>> ByFile;
        std::map<std::string, const File*> ByName;
    };

    // The texture of the file made for the name: the one held for it, else loaded (with
    // load()) and filed under the file, failed or not; an OpenGL error files nothing, so that a
    // later paint tries again. A file that replaces the one the name gave before drops that one.
    template <class File, class Load>
    unsigned Hold(Files<File>& files, const Velmo::Util::CountedPointer<File>& file, const std::string& name,
                  Load load);
    // Deletes the file's texture name, gives its pixels back and forgets the file.
    template <class File>
    void Drop(Files<File>& files, const File* file);
    template <class File>
    static std::map<std::string, unsigned> NamesOf(const Files<File>& files);

    // The first of the file's first `levels` levels that the driver accepts, uploaded: nothing
    // when none is accepted (accepted false) or when it would pass the total (told in the
    // report's notices). Each level is weighed on the sides its file declares, before it is
    // read; the one taken is reserved (as name) before it is uploaded.
    Loaded LoadLevel(const std::string& name, const Velmo::Papy::MipChainFile& file, std::uint32_t levels,
                     bool proxyTest,
                     bool repeatHorizontally, bool repeatVertically, bool& accepted, DrawingReport& report);
    // Whether a level of the size can be uploaded: a side 0 or past the driver's largest,
    // more than PixelLimit pixels, or (when asked) the proxy's refusal say no.
    bool Accepts(std::uint32_t width, std::uint32_t height, bool proxyTest);
    // Uploads the level, decoded into RGBA a strip at a time, then frees what the decoding kept.
    unsigned Upload(const Velmo::Papy::Bitmap& bitmap, bool repeatHorizontally, bool repeatVertically);
    std::uint32_t GetMaxSize();

    Velmo::Util::CountedPointer<TextureUploader> m_uploader;
    // SRB textures are kept apart: a MIP and an SRB file may share a name.
    Files<Velmo::Papy::MipFile> m_mips;
    Files<Velmo::Papy::SrbFile> m_srbs;
    // What each MIP name was given in this frame: its texture name and file.
    struct AskedMip
    {
        unsigned Texture = 0;
        Velmo::Util::CountedPointer<Velmo::Papy::MipFile> File;
    };
    std::map<std::string, AskedMip> m_frameMips;
    // MIP names that could not be made into a file.
    std::set<std::string> m_failedMips;
    // The SRB files, asked once a frame.
    FrameFiles<Velmo::Papy::SrbFile> m_srbFiles;
    std::uint64_t m_pixelsTaken = 0;
    std::uint32_t m_maxSize = 0;
};
