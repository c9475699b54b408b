// Periodic timers of the event loop.
#include "platform/Timer.h"

#include "platform/Application.h"

#include <algorithm>

Timer::Timer(Application& app) : App(app)
{
    App.AddTimer(this);
}

Timer::~Timer()
{
    App.RemoveTimer(this);
}

void Timer::SetInterval(std::uint32_t milliseconds)
{
    IntervalMs = std::max<std::uint32_t>(1, milliseconds);
    Restart();
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled == IsEnabled)
        return;
    IsEnabled = enabled;
    Restart();
}

void Timer::Restart()
{
    Deadline = App.Now() + IntervalMs;
}
