#pragma once
// Everything the 3D pane of a 3D-object document decides without a window or OpenGL: its two
// modes, the Highlight, Center and axis switches, the draw options, the shown and highlighted
// node ids, the bounds and the camera fitted to them, what each command does and which check
// mark its update handler shows, and which problems have already been reported. The pane
// (a toolkit view) forwards its commands, hints and size changes here and carries out the
// returned Effect; ThreeDObjectViewPainter does the OpenGL side.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Vantrel/Drawing/DrawOptions.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ViewCamera.h"

class ThreeDObjectViewState
{
public:
    enum class Mode
    {
        None,
        ThreeD,
        Track3D,
    };

    // What the next paint draws.
    enum class Scene
    {
        Clear,     // grey: no mode, no node, or bounds that give no camera
        ClipTest,  // the clip test runs instead of drawing (3D mode, once per request)
        ThreeD,    // the shown node through the 3D drawing visitor
        Track3D,   // the whole file's track plan (a display list)
    };

    // The command numbers of the 3D-object menus that this pane handles (the toolkit view maps
    // them to its own ids).
    enum Command : int
    {
        CheckCommand = 32849,
        ThreeDCommand = 32773,
        Track3DCommand = 32834,
        HighlightCommand = 32828,
        CenterCommand = 32774,
        ZBufferCommand = 32831,
        RefreshCommand = 32789,
        DefaultAxisCommand = 32815,
        PositiveZCommand = 32809,
        PositiveYCommand = 32810,
        PositiveXCommand = 32811,
        NegativeZCommand = 32812,
        NegativeYCommand = 32813,
        NegativeXCommand = 32814,
        BoundsCommand = 32805,
        ViewpointCommand = 32806,
        DrawNoneCommand = 32800,
        DrawAllCommand = 32801,
        DrawShadedCommand = 32829,
        WireframeCommand = 32836,
        BoundingBoxesCommand = 32847,
        TextureNoneCommand = 32802,
        TextureAllCommand = 32803,
        TextureShadedCommand = 32830,
        ClipTestCommand = 32864,
    };

    // What the pane does after a command, a hint or a size change.
    struct Effect
    {
        bool Repaint = false;     // invalidate the pane without erasing
        bool ApplyCamera = false; // load projection and camera again (ThreeDObjectViewPainter::ApplyCamera)
        bool operator==(const Effect&) const = default;
    };

    // Every command number above and every category command, in menu order.
    static const std::vector<int>& GetCommands();
    // The display class that a category command toggles, and whether it is a Draw-menu command
    // (else a Texture-menu one); nothing for other numbers.
    static std::optional<std::pair<unsigned, bool>> GetCategory(int command);

    // Runs a command. Check, Bounds and Viewpoint need the document or a dialog: the pane does
    // them (see GetBoundsDialogValues, GetViewpointDialogValues); here they change nothing.
    // Refresh asks for a repaint.
    Effect Execute(int command);
    // The check mark a command's update handler sets; nothing when the command has no update
    // handler (always enabled, never checked).
    std::optional<bool> GetCheck(int command) const;

    // A tree selection (a hint from another pane): the highlighted node while Highlight is on,
    // else the shown node.
    Effect OnSelection(int id);
    // A hint without a sender: the document's content changed. Ids that exists no longer
    // accepts become -1; the bounds are recomputed and the plan compiled again.
    Effect OnContentChanged(const std::function<bool(int)>& exists);
    // A new client size; nothing for an empty one (the pane issues no OpenGL call then).
    Effect OnSize(int width, int height);

    // Whether the next paint must compute the bounds first (a mode on, a node shown, bounds
    // invalid).
    bool NeedsBounds() const;
    // The bounds of the shown node; refits the camera when Center is on.
    Effect SetBounds(const ViewBounds& bounds);
    // What the next paint draws; takes the clip-test request.
    Scene TakeScene();

    // Whether the track plan's display list holds the current plan; the painter sets it after
    // compiling and a content change clears it.
    bool IsPlanCompiled() const { return m_planCompiled; }
    void SetPlanCompiled(bool compiled) { m_planCompiled = compiled; }

    // The first report of a problem since the node, the mode or the options last changed:
    // true when the pane should show it now. Painting again never shows it twice.
    bool ShouldReport(const std::string& text);

    Mode GetMode() const { return m_mode; }
    bool IsModeOn() const { return m_mode != Mode::None; }
    bool GetHighlight() const { return m_highlight; }
    bool GetCenter() const { return m_center; }
    bool GetDefaultAxis() const { return m_defaultAxis; }
    int GetAxis() const { return m_axis; }
    bool IsNegativeSide() const { return m_negative; }
    int GetShownId() const { return m_shownId; }
    int GetHighlightedId() const { return m_highlightedId; }
    bool AreBoundsValid() const { return m_boundsValid; }
    const ViewBounds& GetBounds() const { return m_bounds; }
    const DrawOptions& GetOptions() const { return m_options; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    double GetAspect() const { return m_aspect; }
    // The camera last fitted (kept while Center is off).
    const std::optional<CameraFit>& GetCamera() const { return m_camera; }
    // What ApplyCamera loads: the fitted camera's view while a mode is on; nothing (identity
    // matrices) otherwise.
    std::optional<CameraView> GetCameraView() const;

    // The Bounds dialog's six values: maximum X, Y, Z, then minimum X, Y, Z.
    std::vector<double> GetBoundsDialogValues() const;
    // The Viewpoint dialog's nine values: eye X, Y, Z, centre X, Y, Z, up-is-Y, and the near and
    // far planes' coordinates along the viewing axis (eye coordinate - near, eye coordinate -
    // far, each plus twice the distance on the negative side); zeros before any camera.
    std::vector<double> GetViewpointDialogValues() const;

private:
    Effect ToggleMode(Mode mode);
    Effect RefitWhen(bool condition);
    bool ComputeCamera();
    void Changed();

    bool m_highlight = false;
    bool m_center = true;
    bool m_negative = false;
    bool m_defaultAxis = true;
    Mode m_mode = Mode::None;
    bool m_planCompiled = false;
    bool m_boundsValid = false;
    bool m_clipTestRequest = false;
    int m_shownId = -1;
    int m_highlightedId = -1;
    int m_axis = 2;
    int m_width = 0;
    int m_height = 0;
    double m_aspect = 0;
    ViewBounds m_bounds;
    std::optional<CameraFit> m_camera;
    DrawOptions m_options;
    DrawingReport m_reported;
};
