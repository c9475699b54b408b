// Headless windowing tests: an application with a forced screen, a shown main window, and small
// controls that record what reaches them.
#pragma once

#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/TestHooks.h"
#include "platform/Window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Appends one line per event to a shared log.
using EventLog = std::vector<std::string>;

inline std::string Xy(std::int32_t x, std::int32_t y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

// A window that paints one colour and logs its keys.
class ColourWindow : public Window
{
    CONTROL_CLASS(ColourWindow, Window);
    ColourWindow(Application& app, BorderStyle border, Colour colour, EventLog* log = nullptr)
        : Window(app, border), Fill(colour), Log(log)
    {
    }
    void Paint() override { FillCanvas(PaintClip(), Fill); }
    bool OnKeyDown(KeyCode key, ShiftState shift) override
    {
        if (Log != nullptr)
            Log->push_back(Caption() + " key " + std::to_string(key) + " " + std::to_string(shift));
        return HandleKeys;
    }
    bool OnMouseDown(int button, ShiftState, std::int32_t x, std::int32_t y) override
    {
        if (Log != nullptr && LogPresses)
            Log->push_back(Caption() + " down " + std::to_string(button) + " " + Xy(x, y));
        return HandlePresses;
    }
    bool OnCloseQuery() override { return AllowClose; }
    Colour Fill;
    EventLog* Log;
    bool HandleKeys = false;
    bool LogPresses = false;
    bool HandlePresses = false;
    bool AllowClose = true;
};

// A windowed control that paints one colour and logs everything.
class RecordingWin : public WinControl
{
    CONTROL_CLASS(RecordingWin, WinControl);
    RecordingWin(WinControl* parent, std::string name, EventLog& log, Rect bounds, Colour colour = 0x00FF00)
        : WinControl(parent), Name(std::move(name)), Log(log), Fill(colour)
    {
        SetParent(parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    void Paint() override
    {
        ++Paints;
        LastClip = PaintClip();
        FillCanvas(PaintClip(), Fill);
    }
    bool OnMouseMove(ShiftState, std::int32_t x, std::int32_t y) override
    {
        Log.push_back(Name + " move " + Xy(x, y));
        return true;
    }
    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override
    {
        Log.push_back(Name + " down " + std::to_string(button) + " " + Xy(x, y) +
                      ((shift & Shift::Double) != 0 ? " double" : ""));
        return true;
    }
    bool OnMouseUp(int button, ShiftState, std::int32_t x, std::int32_t y) override
    {
        Log.push_back(Name + " up " + std::to_string(button) + " " + Xy(x, y));
        return true;
    }
    bool OnMouseWheel(std::int32_t delta, ShiftState, std::int32_t, std::int32_t) override
    {
        Log.push_back(Name + " wheel " + std::to_string(delta));
        return HandleWheel;
    }
    void OnClick() override { Log.push_back(Name + " click"); }
    void OnDblClick() override { Log.push_back(Name + " dblclick"); }
    bool OnKeyDown(KeyCode key, ShiftState shift) override
    {
        Log.push_back(Name + " key " + std::to_string(key) + " " + std::to_string(shift));
        return true;
    }
    bool OnTextInput(std::string_view text) override
    {
        Log.push_back(Name + " text " + std::string(text));
        return true;
    }
    void OnFocusEnter() override { Log.push_back(Name + " enter"); }
    void OnFocusExit() override { Log.push_back(Name + " exit"); }
    bool WantsTextInput() const override { return TakesText; }

    std::string Name;
    EventLog& Log;
    Colour Fill;
    bool TakesText = false;
    bool HandleWheel = true;
    int Paints = 0;
    Rect LastClip;
};

// A windowless control that paints one colour and logs the mouse.
class RecordingGraphic : public GraphicControl
{
    CONTROL_CLASS(RecordingGraphic, GraphicControl);
    RecordingGraphic(WinControl* parent, std::string name, EventLog& log, Rect bounds,
                     Colour colour = 0x0000FF)
        : GraphicControl(parent), Name(std::move(name)), Log(log), Fill(colour)
    {
        SetParent(parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    void Paint() override { FillCanvas(PaintClip(), Fill); }
    bool OnMouseMove(ShiftState, std::int32_t x, std::int32_t y) override
    {
        Log.push_back(Name + " move " + Xy(x, y));
        // Hover tracking as the scaled controls do it: capture while inside.
        const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
        SetMouseCapture(inside || Pressed);
        return true;
    }
    bool OnMouseDown(int button, ShiftState, std::int32_t x, std::int32_t y) override
    {
        Pressed = true;
        Log.push_back(Name + " down " + std::to_string(button) + " " + Xy(x, y));
        return true;
    }
    bool OnMouseUp(int button, ShiftState, std::int32_t x, std::int32_t y) override
    {
        Pressed = false;
        Log.push_back(Name + " up " + std::to_string(button) + " " + Xy(x, y));
        return true;
    }
    void OnClick() override
    {
        Log.push_back(Name + " click");
        if (OnClicked)
            OnClicked();
    }

    std::string Name;
    EventLog& Log;
    Colour Fill;
    bool Pressed = false;
    std::function<void()> OnClicked;
};

class PlatformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App = std::make_unique<Application>();
        TestHooks::ForceScreenSize(*App, 1024, 768);
        TestHooks::SetManualTimers(*App, true);
        Main = std::make_unique<ColourWindow>(*App, BorderStyle::None, 0x000000FF, &Log);
        Main->SetCaption("main");
        App->SetMainWindow(Main.get());
        Main->Show();
        Pump();
    }
    void TearDown() override
    {
        Owned.clear();
        Main.reset();
        App.reset();
    }
    void Pump() { TestHooks::Pump(*App); }
    template <class T, class... Args> T& Make(Args&&... args)
    {
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *object;
        Owned.push_back(std::move(object));
        return ref;
    }

    EventLog Log;
    std::unique_ptr<Application> App;
    std::unique_ptr<ColourWindow> Main;
    std::vector<std::unique_ptr<Control>> Owned;
};
