#include <gtest/gtest.h>

#include <string>

#include <wx/mdi.h>

#include "Vantrel/App/StandInDoc.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Frame/SplitterFrame.h"
#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/View/BinView.h"

// The templates make documents, views and frames from their class information: each names its
// real base, and only the complete classes can be made.
TEST(ClassInfo, ClassesNameTheirRealBases)
{
    const struct
    {
        wxClassInfo* info;
        const char* base;
        bool dynamic;
    } classes[] = {
        {wxCLASSINFO(CVantrelDoc), "wxDocument", false},   {wxCLASSINFO(CSubDoc), "CVantrelDoc", true},
        {wxCLASSINFO(CStandInDoc), "CSubDoc", true},       {wxCLASSINFO(CVantrelView), "wxView", false},
        {wxCLASSINFO(CBinView), "CVantrelView", true},     {wxCLASSINFO(CDocChildFrame), "wxMDIChildFrame", true},
        {wxCLASSINFO(CSplitterFrame), "CDocChildFrame", false},
    };
    for (const auto& c : classes)
    {
        const std::string name = wxString(c.info->GetClassName()).utf8_string();
        EXPECT_EQ(wxString(c.info->GetBaseClassName1()).utf8_string(), c.base) << name;
        EXPECT_EQ(c.info->IsDynamic(), c.dynamic) << name;
    }
    EXPECT_TRUE(wxCLASSINFO(CStandInDoc)->IsKindOf(wxCLASSINFO(CVantrelDoc)));
    EXPECT_TRUE(wxCLASSINFO(CBinView)->IsKindOf(wxCLASSINFO(wxView)));
}

// Hexadecimal dumps (and DAT containers, which inherit the rule) enter the recent-file list
// unless the path names a container's entry; stand-ins of documents not built yet stay out.
TEST(ClassInfo, HistoryRules)
{
    CSubDoc dump;
    EXPECT_TRUE(dump.AddsToHistory("/games/gpl/x.xyz"));
    EXPECT_FALSE(dump.AddsToHistory("/games/gpl/c.dat|/games/gpl/e.bin"));
    CStandInDoc standIn;
    EXPECT_FALSE(standIn.AddsToHistory("/games/gpl/x.3do"));
}
