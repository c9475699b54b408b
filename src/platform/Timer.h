// A periodic timer driven by the application's event loop (on the main thread).
#pragma once

#include <cstdint>
#include <functional>

class Application;

// Fires OnTimer every Interval milliseconds while enabled, also inside nested modal loops (a handler
// may therefore be entered again from a loop it opened). Deadlines are absolute: a late tick does
// not shift the later ones, and ticks missed by a long handler are dropped, not bunched.
class Timer
{
public:
    explicit Timer(Application& app);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::uint32_t Interval() const { return IntervalMs; }
    void SetInterval(std::uint32_t milliseconds);
    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);
    std::function<void()> OnTimer;

private:
    friend class Application;
    void Restart();

    Application& App;
    std::uint32_t IntervalMs = 1000;
    bool IsEnabled = false;
    std::uint64_t Deadline = 0; // milliseconds of the application's clock
};
