// Run-time class names of the control classes, for the "derives directly from" family tests.
#pragma once

#include <string_view>
#include <typeinfo>

// One record per control class: its name, its base's record and its type (to catch a class that
// forgot to declare itself).
struct ClassInfo
{
    std::string_view Name;
    const ClassInfo* Parent = nullptr;
    const std::type_info* Type = nullptr;
};

// Put CONTROL_CLASS(ThisClass, DirectBase); first in the body of every class derived from
// Control. It leaves the access at public.
#define CONTROL_CLASS(Self, Base)                                                                            \
public:                                                                                                      \
    static const ClassInfo& StaticClassInfo()                                                                \
    {                                                                                                        \
        static const ClassInfo info{#Self, &Base::StaticClassInfo(), &typeid(Self)};                         \
        return info;                                                                                         \
    }                                                                                                        \
    const ClassInfo& GetClassInfo() const override                                                           \
    {                                                                                                        \
        return StaticClassInfo();                                                                            \
    }                                                                                                        \
    static_assert(true, "")
