#pragma once
// The process-wide user options.

namespace Velmo::Papy
{
class Options
{
public:
    // The one record, made on the first call and kept for the rest of the run.
    static Options* Instance();

    // Switches the stricter consistency checks of the file readers on; off at start.
    bool Strict = false;

private:
    Options() = default;
};
} // namespace Velmo::Papy
