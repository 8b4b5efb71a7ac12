#pragma once
// What a 3D pane's notice bar shows: the pane's own lines about how it drew (cut short past its
// budget, the plan drawn in steps, some textures left out), which are not failures and never
// stop the user. The pane hands in the notices each frame makes; the bar shows them.
//
// - A notice belongs to what the frame drew: the mode, the file, the node and the drawing
//   options (Owner). A frame of another owner forgets the notices of the last one, so that a
//   notice is gone when the mode or the object changes, and comes again only when a frame of
//   the new owner makes it again.
// - Within one owner the notices gather, each once, in the order first made: a frame that makes
//   none (a replayed plan, a kept picture, a frame on a canvas the bar itself made smaller)
//   leaves them shown.
// - The user may close the bar: what it showed stays told for that owner and is not shown
//   again; a notice the owner had not made before shows the bar again with that notice alone.
#include <cstdint>
#include <string>
#include <vector>

class PaneNotices
{
public:
    struct Owner
    {
        int Mode = 0;
        const void* File = nullptr;
        int Node = -1;
        // A count of the edits and of the changes of the drawing options: each makes a new owner.
        std::uint64_t Changes = 0;
        bool operator==(const Owner&) const = default;
    };

    // The drawing now belongs to owner (a frame begins, or the owner changed with no frame to
    // follow): another owner's notices are forgotten.
    void Own(const Owner& owner);
    // A notice made by the owner's frame.
    void Add(const std::string& text);
    // The user closed the bar.
    void Close();

    // The lines the bar shows, empty when it is hidden.
    const std::vector<std::string>& GetShown() const { return m_shown; }
    // Counts every change of the shown lines: the pane updates its bar when it differs from the
    // one it showed.
    std::uint64_t GetRevision() const { return m_revision; }
    const Owner& GetOwner() const { return m_owner; }

private:
    void SetShown(std::vector<std::string> shown);

    Owner m_owner;
    std::vector<std::string> m_told;
    std::vector<std::string> m_shown;
    std::uint64_t m_revision = 0;
};
