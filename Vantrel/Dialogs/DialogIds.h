#pragma once
// The ids of the buttons every dialog shares, and what DoModal answers.
namespace DialogId
{
constexpr int Ok = 1;
constexpr int Cancel = 2;
} // namespace DialogId
