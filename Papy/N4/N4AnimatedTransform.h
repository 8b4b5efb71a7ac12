#pragma once
// A transform node with one child, six doubles and a list of 32-byte state records.
//
// Record: 1, name, 1, 1, twelve words 0, 1, six doubles in the order D0, D2, D1, D3, D4, D5,
// the child, 1, a second text, the record count n, the byte count n x 32, and n records of
// eight words: S0 (int32) and the floats in the order S1, S3, S2, S4, S5, S6, S7.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4AnimatedTransform : public N4Node<ThreeDObjectAnimatedTransform>
{
public:
    static constexpr const char* DescriptorName = "AnimatedTransformDescriptor";

    N4AnimatedTransform(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    N4AnimatedTransform(N4TdoFile& file, int id, const std::string& name, const std::string& text,
                        const double (&values)[6], int child);

    std::string GetType() const override { return "AnimatedTransform"; }
    std::string GetName() const override { return m_name; }
    // The float list is S7 of each state record.
    int GetFloatCount() const override { return int(m_states.size()); }
    double GetFloat(int i) const override;
    void SetFloat(int i, double value) override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_child); }
    std::string GetVariable() const override { return m_text; }
    double GetXTranslation() const override { return m_values[0]; }
    void SetXTranslation(double value) override { m_values[0] = value; }
    double GetYTranslation() const override { return m_values[1]; }
    void SetYTranslation(double value) override { m_values[1] = value; }
    double GetZTranslation() const override { return m_values[2]; }
    void SetZTranslation(double value) override { m_values[2] = value; }
    double GetXRotation() const override { return m_values[3]; }
    void SetXRotation(double value) override { m_values[3] = value; }
    double GetYRotation() const override { return m_values[4]; }
    void SetYRotation(double value) override { m_values[4] = value; }
    double GetZRotation() const override { return m_values[5]; }
    void SetZRotation(double value) override { m_values[5] = value; }
    int GetStateCount() const override { return int(m_states.size()); }
    void InsertState(int i) override;
    int GetStateValue(int i) const override;
    void SetStateValue(int i, int value) override;
    double GetStateXTranslation(int i) const override { return GetStateFloat(i, 1); }
    void SetStateXTranslation(int i, double value) override { SetStateFloat(i, 1, value); }
    double GetStateYTranslation(int i) const override { return GetStateFloat(i, 2); }
    void SetStateYTranslation(int i, double value) override { SetStateFloat(i, 2, value); }
    double GetStateZTranslation(int i) const override { return GetStateFloat(i, 3); }
    void SetStateZTranslation(int i, double value) override { SetStateFloat(i, 3, value); }
    double GetStateXRotation(int i) const override { return GetStateFloat(i, 4); }
    void SetStateXRotation(int i, double value) override { SetStateFloat(i, 4, value); }
    double GetStateYRotation(int i) const override { return GetStateFloat(i, 5); }
    void SetStateYRotation(int i, double value) override { SetStateFloat(i, 5, value); }
    double GetStateZRotation(int i) const override { return GetStateFloat(i, 6); }
    void SetStateZRotation(int i, double value) override { SetStateFloat(i, 6, value); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do AnimatedTransform reserved0 not 1");
        io.Text(m_name);
        io.Expect(1, "N4 3do AnimatedTransform reserved1 not 1");
        io.Expect(1, "N4 3do AnimatedTransform reserved2 not 1");
        for (int i = 0; i < 12; ++i)
            io.Expect(0, "N4 3do AnimatedTransform reserved3 not 0");
        io.Expect(1, "N4 3do AnimatedTransform reserved4 not 1");
    }

private:
    struct State
    {
        S32 s0 = 0;
        F32 s[7] = {}; // S1 to S7
    };

    std::string m_name;
    std::string m_text;
    int m_child = 0;
    double m_values[6] = {};
    std::vector<State> m_states;

    // S1 to S7 of state record i, by k from 1 to 7.
    double GetStateFloat(int i, int k) const;
    void SetStateFloat(int i, int k, double value);
};

class N4ArchiverAnimatedTransform final : public N4ArchivedNode<N4AnimatedTransform>
{
};
extern const N4ArchiverAnimatedTransform g_N4ArchiverAnimatedTransform;
} // namespace Velmo::Papy
