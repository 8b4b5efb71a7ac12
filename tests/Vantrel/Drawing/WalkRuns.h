#pragma once
// Every walk that the 3D pane runs over a node, each as the pane runs it, with what it told,
// the error that ended it (if any) and how long it took: the drawing (one frame, in the drawing
// tests' projection), the bounds step, the check (F4), the clip test, and the track plan's
// walks: its measuring (Track 3D's bounds step), the walk that fits its step, and its drawing.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Model/ThreeDObject.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/DrawOptions.h"
#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"
#include "Vantrel/Drawing/ViewCamera.h"

namespace DrawingTest
{
enum class Walk
{
    Draw,
    Bounds,
    Check,
    ClipTest,
    PlanMeasure,
    PlanFitStep,
    PlanDraw,
};

inline const char* NameOf(Walk walk)
{
    switch (walk)
    {
    case Walk::Draw:
        return "drawing";
    case Walk::Bounds:
        return "bounds";
    case Walk::Check:
        return "check";
    case Walk::ClipTest:
        return "clip test";
    case Walk::PlanMeasure:
        return "plan measuring";
    case Walk::PlanFitStep:
        return "plan step";
    case Walk::PlanDraw:
        return "plan drawing";
    }
    return "?";
}

constexpr Walk AllWalks[] = {Walk::Draw,        Walk::Bounds,      Walk::Check,   Walk::ClipTest,
                             Walk::PlanMeasure, Walk::PlanFitStep, Walk::PlanDraw};

struct WalkRun
{
    std::vector<std::string> Messages; // the walk's report: its problems
    std::vector<std::string> Notices;  // and its notices
    std::string Error;                 // the text of the error that ended it; empty when none
    ViewBounds Bounds;                 // the bounds walk's result (and the plan's)
    FrameBudget::Amounts Spent{};      // what the walk took of its budget (with the step's walk)
    FrameBudget::Cost SpentOn = FrameBudget::CostCount; // the limit it reached, if any
    std::size_t ClipFailures = 0;      // the clip test's failing vertices
    double Seconds = 0;

    // The number of messages that hold every one of the texts.
    std::size_t CountMessages(std::initializer_list<const char*> texts) const
    {
        return std::size_t(std::count_if(Messages.begin(), Messages.end(), [&](const std::string& message) {
            return std::all_of(texts.begin(), texts.end(),
                               [&](const char* text) { return message.find(text) != std::string::npos; });
        }));
    }
};

// Runs one walk over node with the factory; the drawing into the current context, the test's
// projection set first. limits: the budget of the walk.
inline WalkRun RunWalk(Walk walk, const CountedPointer<FileFactory>& factory, const CountedPointer<ThreeDObject>& node,
                       const FrameBudget::Amounts& limits = FrameBudget::Limits)
{
    WalkRun run;
    const auto start = std::chrono::steady_clock::now();
    try
    {
        switch (walk)
        {
        case Walk::Draw:
        {
            SetView();
            ThreeDObject3DVisitor visitor(factory);
            visitor.SetLimits(limits);
            Draw(DrawOptions(), visitor, node, nullptr);
            glFinish();
            run.Messages = visitor.GetReport().GetMessages();
            run.Notices = visitor.GetReport().GetNotices();
            run.Spent = visitor.GetBudget().GetTaken();
            run.SpentOn = visitor.GetBudget().GetSpentOn();
            break;
        }
        case Walk::Bounds:
        {
            // As the pane measures: on the identity, the stack as it was afterwards.
            glMatrixMode(GL_MODELVIEW);
            glPushMatrix();
            glLoadIdentity();
            ThreeDObjectGetBoundsVisitor visitor(factory, DrawOptions());
            visitor.SetLimits(limits);
            struct Pushed
            {
                ~Pushed() { glPopMatrix(); }
            } pushed;
            visitor.Walk(*node);
            run.Bounds = visitor.GetBounds();
            run.Messages = visitor.GetReport().GetMessages();
            run.Notices = visitor.GetReport().GetNotices();
            run.Spent = visitor.GetBudget().GetTaken();
            run.SpentOn = visitor.GetBudget().GetSpentOn();
            break;
        }
        case Walk::Check:
        {
            ThreeDObjectCheckVisitor visitor(factory);
            visitor.SetLimits(limits);
            visitor.ClearRecords();
            visitor.Walk(*node);
            run.Messages = visitor.GetReport().GetMessages();
            run.Notices = visitor.GetReport().GetNotices();
            run.Spent = visitor.GetBudget().GetTaken();
            run.SpentOn = visitor.GetBudget().GetSpentOn();
            break;
        }
        case Walk::ClipTest:
        {
            SetView();
            ThreeDObjectClipTestVisitor visitor(factory);
            visitor.SetLimits(limits);
            visitor.Reset();
            visitor.Walk(*node);
            visitor.Reset();
            run.Messages = visitor.GetReport().GetMessages();
            run.Notices = visitor.GetReport().GetNotices();
            run.Spent = visitor.GetBudget().GetTaken();
            run.SpentOn = visitor.GetBudget().GetSpentOn();
            run.ClipFailures = visitor.GetFailedVertexCount();
            break;
        }
        case Walk::PlanMeasure:
        case Walk::PlanDraw:
        {
            // The plan draws in the current projection, as the pane's Track 3D draws into its
            // display list.
            SetView();
            ThreeDObject3DPtfVisitor visitor;
            visitor.SetLimits(limits);
            if (walk == Walk::PlanMeasure)
                visitor.Measure(node);
            else
                visitor.Run(true, node);
            glFinish();
            run.Bounds = visitor.GetBounds();
            run.Messages = visitor.GetReport().GetMessages();
            run.Notices = visitor.GetReport().GetNotices();
            run.Spent = visitor.GetBudget().GetTaken();
            run.SpentOn = visitor.GetBudget().GetSpentOn();
            break;
        }
        case Walk::PlanFitStep:
        {
            DrawingReport report;
            ThreeDObject3DPtfVisitor::FitStep(node, &report);
            run.Messages = report.GetMessages();
            run.Notices = report.GetNotices();
            break;
        }
        }
    }
    catch (const Velmo::Util::Exception& error)
    {
        run.Error = error.GetText();
    }
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}
} // namespace DrawingTest
