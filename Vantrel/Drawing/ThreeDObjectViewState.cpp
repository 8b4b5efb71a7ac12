#include "Vantrel/Drawing/ThreeDObjectViewState.h"

#include <algorithm>

namespace
{
// The category commands: display class, Draw-menu command, Texture-menu command.
struct Category
{
    unsigned DisplayClass;
    int Draw;
    int Texture;
};

constexpr Category Categories[] = {
    {1, 32776, 32785},  // Billboard
    {2, 32807, 32819},  // Car
    {4, 32796, 32798},  // Cloud
    {5, 32826, 32827},  // Cockpit
    {6, 32790, 32791},  // Crowd
    {7, 32825, 32824},  // Driver
    {9, 32808, 32821},  // Fence
    {11, 32794, 32795}, // Grandstand
    {12, 32799, 32787}, // Groove
    {13, 32818, 32820}, // Horizon
    {14, 32816, 32822}, // Infield
    {15, 32775, 32781}, // Object
    {16, 32792, 32793}, // People
    {18, 32777, 32780}, // Terrain ("Grass")
    {20, 32778, 32779}, // Track
    {21, 32797, 32804}, // Track Marking
    {22, 32784, 32788}, // Tree
    {24, 32817, 32823}, // Vehicle
    {25, 32786, 32783}, // Wall
};

// The axis commands: number, axis, negative side.
struct AxisCommand
{
    int Command;
    int Axis;
    bool Negative;
};

constexpr AxisCommand AxisCommands[] = {
    {ThreeDObjectViewState::PositiveZCommand, 2, false}, {ThreeDObjectViewState::PositiveYCommand, 1, false},
    {ThreeDObjectViewState::PositiveXCommand, 0, false}, {ThreeDObjectViewState::NegativeZCommand, 2, true},
    {ThreeDObjectViewState::NegativeYCommand, 1, true},  {ThreeDObjectViewState::NegativeXCommand, 0, true},
};

const AxisCommand* FindAxisCommand(int command)
{
    for (const AxisCommand& entry : AxisCommands)
        if (entry.Command == command)
            return &entry;
    return nullptr;
}
} // namespace

const std::vector<int>& ThreeDObjectViewState::GetCommands()
{
    static const std::vector<int> commands = [] {
        std::vector<int> all = {CheckCommand,       ThreeDCommand,      Track3DCommand,     HighlightCommand,
                                CenterCommand,      ZBufferCommand,     RefreshCommand,     DefaultAxisCommand,
                                PositiveZCommand,   PositiveYCommand,   PositiveXCommand,   NegativeZCommand,
                                NegativeYCommand,   NegativeXCommand,   BoundsCommand,      ViewpointCommand,
                                DrawNoneCommand,    DrawAllCommand,     DrawShadedCommand,  WireframeCommand,
                                BoundingBoxesCommand, TextureNoneCommand, TextureAllCommand, TextureShadedCommand,
                                ClipTestCommand};
        for (const Category& category : Categories)
            all.push_back(category.Draw);
        for (const Category& category : Categories)
            all.push_back(category.Texture);
        return all;
    }();
    return commands;
}

std::optional<std::pair<unsigned, bool>> ThreeDObjectViewState::GetCategory(int command)
{
    for (const Category& category : Categories)
    {
        if (category.Draw == command)
            return std::make_pair(category.DisplayClass, true);
        if (category.Texture == command)
            return std::make_pair(category.DisplayClass, false);
    }
    return std::nullopt;
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::Execute(int command)
{
    if (auto category = GetCategory(command))
    {
        const unsigned displayClass = category->first;
        if (category->second)
            m_options.SetDraw(displayClass, !m_options.GetDraw(displayClass));
        else
            m_options.SetTexture(displayClass, !m_options.GetTexture(displayClass));
        m_boundsValid = false;
        Changed();
        return {};
    }
    if (const AxisCommand* entry = FindAxisCommand(command))
    {
        m_axis = entry->Axis;
        m_negative = entry->Negative;
        m_defaultAxis = false;
        return RefitWhen(m_center && m_boundsValid);
    }
    switch (command)
    {
    case ThreeDCommand:
        return ToggleMode(Mode::ThreeD);
    case Track3DCommand:
        return ToggleMode(Mode::Track3D);
    case HighlightCommand:
        m_highlight = !m_highlight;
        if (!m_highlight)
            m_highlightedId = -1;
        return {};
    case CenterCommand:
    {
        const bool wasOn = m_center;
        m_center = !m_center;
        // Switching Center on refits; switching it off keeps the camera.
        return RefitWhen(!wasOn && m_boundsValid);
    }
    case DefaultAxisCommand:
        m_defaultAxis = !m_defaultAxis;
        return RefitWhen(m_center && m_defaultAxis && m_boundsValid);
    case ZBufferCommand:
        m_options.ZBuffer = !m_options.ZBuffer;
        Changed();
        return {};
    case DrawShadedCommand:
        m_options.DrawShaded = !m_options.DrawShaded;
        Changed();
        return {};
    case WireframeCommand:
        m_options.Wireframe = !m_options.Wireframe;
        Changed();
        return {};
    case TextureShadedCommand:
        m_options.TextureShaded = !m_options.TextureShaded;
        Changed();
        return {};
    case BoundingBoxesCommand:
        m_options.BoundingBoxes = !m_options.BoundingBoxes;
        m_boundsValid = false;
        Changed();
        return {};
    case DrawNoneCommand:
    case DrawAllCommand:
        m_options.SetAllDraw(command == DrawAllCommand);
        Changed();
        return {};
    case TextureNoneCommand:
    case TextureAllCommand:
        m_options.SetAllTexture(command == TextureAllCommand);
        Changed();
        return {};
    case RefreshCommand:
        return {true, false};
    case ClipTestCommand:
        m_clipTestRequest = true;
        return {true, false};
    default:
        return {};
    }
}

std::optional<bool> ThreeDObjectViewState::GetCheck(int command) const
{
    if (auto category = GetCategory(command))
        return category->second ? m_options.GetDraw(category->first) : m_options.GetTexture(category->first);
    if (const AxisCommand* entry = FindAxisCommand(command))
        return m_axis == entry->Axis && m_negative == entry->Negative;
    switch (command)
    {
    case ThreeDCommand:
        return m_mode == Mode::ThreeD;
    case Track3DCommand:
        return m_mode == Mode::Track3D;
    case HighlightCommand:
        return m_highlight;
    case CenterCommand:
        return m_center;
    case ZBufferCommand:
        return m_options.ZBuffer;
    case DefaultAxisCommand:
        return m_defaultAxis;
    case DrawShadedCommand:
        return m_options.DrawShaded;
    case WireframeCommand:
        return m_options.Wireframe;
    case BoundingBoxesCommand:
        return m_options.BoundingBoxes;
    case TextureShadedCommand:
        return m_options.TextureShaded;
    default:
        return std::nullopt;
    }
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::ToggleMode(Mode mode)
{
    m_boundsValid = false;
    Changed();
    if (m_mode == mode)
    {
        // Switching a mode off does not repaint: the last frame stays until the next paint.
        m_mode = Mode::None;
        return {};
    }
    m_mode = mode;
    return {true, false};
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::RefitWhen(bool condition)
{
    if (!condition)
        return {};
    ComputeCamera();
    return {IsModeOn(), true};
}

bool ThreeDObjectViewState::ComputeCamera()
{
    if (!IsModeOn())
        return false;
    std::optional<CameraFit> fit = ::ComputeCamera(m_bounds, m_aspect, m_defaultAxis, m_axis, m_negative);
    if (!fit)
        return false;
    m_camera = fit;
    m_axis = fit->Axis;
    m_negative = fit->Negative;
    return true;
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::OnSelection(int id)
{
    int& target = m_highlight ? m_highlightedId : m_shownId;
    if (target == id)
        return {};
    target = id;
    m_boundsValid = false;
    Changed();
    return {IsModeOn(), false};
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::OnContentChanged(const std::function<bool(int)>& exists)
{
    if (m_shownId != -1 && !exists(m_shownId))
        m_shownId = -1;
    if (m_highlightedId != -1 && !exists(m_highlightedId))
        m_highlightedId = -1;
    m_boundsValid = false;
    m_planCompiled = false;
    Changed();
    return {IsModeOn(), false};
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::OnSize(int width, int height)
{
    if (width < 1 || height < 1)
        return {};
    m_width = width;
    m_height = height;
    m_aspect = double(width) / double(height);
    if (m_center && m_boundsValid)
        ComputeCamera();
    return {false, true};
}

bool ThreeDObjectViewState::NeedsBounds() const
{
    return IsModeOn() && m_shownId != -1 && !m_boundsValid;
}

ThreeDObjectViewState::Effect ThreeDObjectViewState::SetBounds(const ViewBounds& bounds)
{
    m_bounds = bounds;
    m_boundsValid = true;
    if (!m_center)
        return {};
    ComputeCamera();
    return {false, true};
}

ThreeDObjectViewState::Scene ThreeDObjectViewState::TakeScene()
{
    if (!IsModeOn() || m_shownId == -1 || !m_boundsValid || !m_bounds.IsUsable())
        return Scene::Clear;
    if (m_mode == Mode::Track3D)
        return Scene::Track3D;
    if (m_clipTestRequest)
    {
        m_clipTestRequest = false;
        return Scene::ClipTest;
    }
    return Scene::ThreeD;
}

bool ThreeDObjectViewState::ShouldReport(const std::string& text)
{
    return m_reported.Add(text);
}

void ThreeDObjectViewState::Changed()
{
    m_reported.Clear();
}

std::optional<CameraView> ThreeDObjectViewState::GetCameraView() const
{
    if (!IsModeOn() || !m_camera)
        return std::nullopt;
    return ::GetCameraView(*m_camera, m_aspect);
}

std::vector<double> ThreeDObjectViewState::GetBoundsDialogValues() const
{
    return {m_bounds.MaxX, m_bounds.MaxY, m_bounds.MaxZ, m_bounds.MinX, m_bounds.MinY, m_bounds.MinZ};
}

std::vector<double> ThreeDObjectViewState::GetViewpointDialogValues() const
{
    if (!m_camera)
        return std::vector<double>(9, 0.0);
    const CameraView view = ::GetCameraView(*m_camera, m_aspect);
    const double eye = m_camera->Negative ? m_camera->NegativeEye : m_camera->PositiveEye;
    const double extra = m_camera->Negative ? 2 * m_camera->Distance : 0;
    return {view.Eye[0],    view.Eye[1],    view.Eye[2],   view.Centre[0],           view.Centre[1],
            view.Centre[2], double(view.UpIsY), eye - view.Near + extra, eye - view.Far + extra};
}
