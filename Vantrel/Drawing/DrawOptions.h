#pragma once
// The draw and texture switches of a 3D pane, one per display class, and the pane-wide drawing
// options. Copied by value into the visitors that read them.
#include <vector>

class FrameBudget;

class DrawOptions
{
public:
    // A class beyond the sets reads the default flag; only the setters grow the sets, so a
    // display class read from a file never makes them grow.
    void SetDraw(unsigned displayClass, bool value);
    bool GetDraw(unsigned displayClass) const;
    void SetTexture(unsigned displayClass, bool value);
    bool GetTexture(unsigned displayClass) const;
    void SetAllDraw(bool value);
    void SetAllTexture(bool value);

    bool Wireframe = false;
    bool DrawShaded = true;
    bool TextureShaded = true;
    bool ZBuffer = false;
    bool BoundingBoxes = false;
    // The budget the walks of the frame share (the painter's, which outlives the frame); none:
    // the drawing keeps to a budget of its own.
    FrameBudget* Frame = nullptr;

private:
    std::vector<bool> m_draw;
    std::vector<bool> m_texture;
    bool m_defaultDraw = true;
    bool m_defaultTexture = true;
};
