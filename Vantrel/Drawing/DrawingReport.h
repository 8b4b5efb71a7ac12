#pragma once
// The problems a walk over a file's nodes met but drew past (a bad index, a missing texture, a
// self-referencing object...). Each text is kept once, in the order first met, so that the pane
// shows every problem once instead of on every paint.
//
// Notices are kept apart: lines of the pane's own about how it drew (cut short past its budget,
// drawn in steps, some textures left out), which are not failures and are shown without
// stopping the user.
#include <string>
#include <vector>

class DrawingReport
{
public:
    // Adds the text unless it is already there; true when it was new.
    bool Add(const std::string& text);
    const std::vector<std::string>& GetMessages() const { return m_messages; }
    // The messages in one text (Join).
    std::string GetText() const;
    // Texts of problems in one, one after another: each one-line text on a line of its own; when
    // one of them has lines of its own (an error's text, which ends with a line feed), each is
    // set apart from the next by a blank line, so that a box that counts the problems (blank
    // lines between paragraphs) counts each once. The last text keeps its ending; empty texts
    // are left out.
    static std::string Join(const std::vector<std::string>& texts);
    // No message: the notices do not count, a report of notices only has no problems.
    bool HasNoProblems() const { return m_messages.empty(); }
    // Adds a notice unless it is already there; true when it was new.
    bool AddNotice(const std::string& text);
    const std::vector<std::string>& GetNotices() const { return m_notices; }
    bool HasNotices() const { return !m_notices.empty(); }
    // Forgets the messages and the notices.
    void Clear()
    {
        m_messages.clear();
        m_notices.clear();
    }

private:
    std::vector<std::string> m_messages;
    std::vector<std::string> m_notices;
};
