#pragma once
// The placement of a trackside object in a .ptf track, static or moving along a path.
//
// Record: 1, 0, version 1 or 6; six doubles in the order P0, P1, P2, P5, P4, P3 (translation
// x, y, z, rotation z, y, x); the trackside object (reference). Version 6 goes on: wind
// direction (int32 0 or 1); a has-name byte (0 = a path follows); when it is 0: the path file
// name in 32 bytes, the start waypoint (int32), the speed (float) and the dynamic type code
// (int32); the animation count and that many 40-byte records (32-byte name, int32 frame count,
// float frames per second); the sound file (string).
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4FixedText.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4TsoReference : public N4Node<ThreeDObjectTsoReference>
{
public:
    static constexpr const char* DescriptorName = "TSOReferenceDescriptor";

    N4TsoReference(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "TSOReference"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_child); }
    bool IsDynamic() const override { return m_hasName == 0; }
    std::string GetPathFile() const override { return m_pathFile.GetText(); }
    DynamicTSOType GetDynamicType() const override;
    int GetStartWaypoint() const override { return m_startWaypoint; }
    double GetSpeed() const override { return m_speed; }
    double GetXTranslation() const override { return m_p[0]; }
    void SetXTranslation(double value) override { m_p[0] = value; }
    double GetYTranslation() const override { return m_p[1]; }
    void SetYTranslation(double value) override { m_p[1] = value; }
    double GetZTranslation() const override { return m_p[2]; }
    void SetZTranslation(double value) override { m_p[2] = value; }
    bool UsesWindDirection() const override { return m_windDirection != 0; }
    // Only records of version 6 and later store the wind direction; others ignore the call.
    void SetUsesWindDirection(bool uses) override;
    double GetXRotation() const override { return m_p[3]; }
    void SetXRotation(double value) override { m_p[3] = value; }
    double GetYRotation() const override { return m_p[4]; }
    void SetYRotation(double value) override { m_p[4] = value; }
    double GetZRotation() const override { return m_p[5]; }
    void SetZRotation(double value) override { m_p[5] = value; }
    int GetAnimationCount() const override { return int(m_animations.size()); }
    std::string GetAnimationName(int i) const override;
    int GetAnimationFrameCount(int i) const override;
    double GetAnimationFramesPerSecond(int i) const override;
    bool HasSoundFile() const override { return !m_soundFile.empty(); }
    std::string GetSoundFile() const override { return m_soundFile; }

    int GetVersion() const { return m_version; }

private:
    struct Animation
    {
        N4FixedText<32> name;
        S32 frameCount = 0;
        F32 framesPerSecond = 0;
    };

    const Animation& GetAnimation(int i) const;

    int m_version = 6;
    double m_p[6] = {}; // P0 to P5
    int m_child = 0;
    S32 m_windDirection = 0;
    U8 m_hasName = 1;
    N4FixedText<32> m_pathFile;
    S32 m_startWaypoint = 0;
    F32 m_speed = 0;
    S32 m_dynamicType = 0;
    std::vector<Animation> m_animations;
    std::string m_soundFile;
};

class N4ArchiverTsoReference final : public N4ArchivedNode<N4TsoReference>
{
};
extern const N4ArchiverTsoReference g_N4ArchiverTsoReference;
} // namespace Velmo::Papy
