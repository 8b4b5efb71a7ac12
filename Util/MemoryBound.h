#pragma once
// The one bound over what the program holds of files' contents: unpacked container entries,
// the level bytes and decoded pixels of bitmaps, uploaded textures, the images of bitmap
// windows. Whoever is about to make such bytes reserves them first (a Reservation, given back
// when it ends); what would take the total past the bound is refused before it is made, with
// XMemoryBound, one of the readers' errors, which callers show as they show a bad file. So a
// few small files that all unpack to hundreds of megabytes end in a message, not in the
// system's killing the program or a bare allocation failure.
//
// One file is still bounded on its own by the unpack ceiling (PkCompression::MaxUnpackedSize);
// this bound is the sum over all of them. The program has one thread: the counts are plain.
#include <string>

#include "Util/Exception.h"
#include "Util/Types.h"

namespace Velmo::Util
{
// "<name> needs N bytes, more than the M bytes left of the memory bound".
class XMemoryBound : public RuntimeError
{
public:
    XMemoryBound(std::string name, U64 needed, U64 left);
    std::string GetText() const override;
    const std::string& GetName() const { return m_name; }
    U64 GetNeeded() const { return m_needed; }
    U64 GetLeft() const { return m_left; }

private:
    std::string m_name;
    U64 m_needed;
    U64 m_left;
};

class MemoryBound
{
public:
    // 1 GiB: four files at the unpack ceiling, far above what the games' largest folders take.
    static constexpr U64 DefaultBound = U64(1) << 30;

    static U64 GetBound();
    // Another bound from now on (tests); what is held already stays held, and past the new
    // bound nothing more is granted until enough is given back.
    static void SetBound(U64 bound);
    // The bytes reserved now, and the most reserved at once since the last ResetPeak.
    static U64 GetTaken();
    static U64 GetPeak();
    static void ResetPeak();
    // The bytes left: the bound less what is taken (0 when more is taken than the bound).
    static U64 GetLeft();
    // Every byte ever granted, each growth counted and nothing given back subtracted: what a
    // step made is the rise of this across it (a frame charges its textures' unpacking so).
    static U64 GetGranted();

    // Bytes held for as long as the reservation lives; movable, not copyable.
    class Reservation
    {
    public:
        Reservation() = default;
        // Takes the bytes for name, or throws XMemoryBound(name, bytes, left) taking nothing.
        Reservation(const std::string& name, U64 bytes);
        ~Reservation() { Release(); }
        Reservation(Reservation&& other) noexcept;
        Reservation& operator=(Reservation&& other) noexcept;
        Reservation(const Reservation&) = delete;
        Reservation& operator=(const Reservation&) = delete;

        // Holds bytes instead of what it held: more is taken as the constructor takes it (a
        // refusal keeps what was held), less gives the difference back.
        void Resize(const std::string& name, U64 bytes);
        // Gives everything back.
        void Release();
        U64 GetBytes() const { return m_bytes; }

    private:
        U64 m_bytes = 0;
    };

    // Sets a bound for its life and puts the one before it back at its end (tests).
    class Scope
    {
    public:
        explicit Scope(U64 bound);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        U64 m_outer;
    };

private:
    // Takes bytes or throws.
    static void Take(const std::string& name, U64 bytes);
    static void Give(U64 bytes);
};
} // namespace Velmo::Util
