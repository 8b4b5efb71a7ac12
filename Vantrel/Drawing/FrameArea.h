#pragma once
// The window area of a frame as the walks that charge it see it: the projection, the viewport
// and the modelview in force, read from OpenGL into a ScreenArea, in one place for every walk.
class ScreenArea;

// Raises XOpenGL when OpenGL reports an error.
void ReadFrameArea(ScreenArea& area);
