#pragma once
// What the suites of the 3D pane's notices share: its paints, and what its notice bar and the
// messages told the user.
#include <algorithm>
#include <string>

#include "GuiKit.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/NoticeBar.h"

namespace NoticesTest
{
// Paints that drew a frame or ended in a failure.
inline int Paints(const C3DO3DView& view)
{
    return view.GetPaintCount() + view.GetFailedPaintCount();
}

// How many messages said the object is too large to show.
inline long TooLargeLines(const GuiTest::Messages& messages)
{
    return long(std::count(messages.Texts.begin(), messages.Texts.end(), DrawingMessages::TooLarge()));
}

// What the bar shows the user: its lines, nothing while it is hidden.
inline std::string BarText(const C3DO3DView& view)
{
    const CNoticeBar* bar = view.GetNoticeBar();
    return bar != nullptr && bar->IsShownOnScreen() ? bar->GetText().utf8_string() : std::string();
}
} // namespace NoticesTest
