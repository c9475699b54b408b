// HintBox: the hint of the control the pointer rests on, a one-line box just below the pointer that
// the application lays over every window when it composes the screen.
#pragma once

#include "graphics/Geometry.h"

#include <functional>
#include <memory>
#include <string>

class Application;
class Control;
class Surface;
class Timer;
struct DrawnText;

// Steps of its own timer: the hint shows after the pointer has rested on a control for
// ShowTicks steps and goes after HideTicks steps on screen. A pointer that leaves a shown hint and
// reaches another hinted control within GraceTicks steps shows that hint at once.
class HintBox
{
public:
    static constexpr std::uint32_t TickMs = 100;
    static constexpr int ShowTicks = 5;
    static constexpr int HideTicks = 50;
    static constexpr int GraceTicks = 3;

    // underPointer: the control whose hint may show now (null: none); changed: a part of the
    // screen that must be composed again.
    HintBox(Application& app, std::function<Control*()> underPointer,
            std::function<void(const Rect&)> changed);
    ~HintBox();
    HintBox(const HintBox&) = delete;
    HintBox& operator=(const HintBox&) = delete;

    // The pointer moved; under is the control with a hint beneath it, or null.
    void PointerMoved(Control* under);
    // A press, a key, a dialog or a minimise: the hint goes and stays away until the pointer has
    // left the control it belonged to.
    void Dismiss();
    // Before the screen is composed: the hint goes when its control is no longer the one under the
    // pointer (hidden, disabled, covered by a dialog, its screen gone).
    void Check();
    // The control is being destroyed or taken out of its window.
    void Forget(const Control* control);

    // The box on the screen (empty when none) and its pixels.
    Rect Shown() const { return Box; }
    const Surface* Pixels() const { return Picture.get(); }
    // Told of the text drawn into the box (tests).
    std::function<void(const DrawnText&)> TextObserver;

private:
    void Tick();
    void Show();
    void Hide();
    void UpdateClock(bool restart);

    Application& App;
    std::function<Control*()> UnderPointer;
    std::function<void(const Rect&)> Changed;
    std::unique_ptr<Timer> Clock;
    std::unique_ptr<Surface> Picture;
    Control* Target = nullptr;  // the control waited on or whose hint shows
    Control* Blocked = nullptr; // quiet until the pointer leaves it
    bool Showing = false;
    int Ticks = 0;
    int Grace = 0;
    Rect Box;
    std::int32_t CursorDepth = 0; // pixels of the pointer's picture below its hot spot
};
