// The keys the viewer takes before its panes.
#include <gtest/gtest.h>

#include "core/commands/ViewerKeys.h"

#include <set>

using namespace core;

TEST(ViewerKeys, TabAndEscapeActWithAnyModifierCtrlTOnlyWithCtrlAlone)
{
    constexpr KeyModifiers kNone{}, kCtrl{.control = true}, kShift{.shift = true}, kAlt{.alt = true},
        kCtrlShift{.control = true, .shift = true}, kCtrlAlt{.control = true, .alt = true};
    const std::tuple<char16_t, core::KeyModifiers, core::KeyAction> cases[] = {
        {core::kTabKey, kNone, KeyAction::SwitchFocus},      {core::kTabKey, kShift, KeyAction::SwitchFocus},
        {core::kTabKey, kCtrlAlt, KeyAction::SwitchFocus},   {core::kEscapeKey, kNone, KeyAction::Close},
        {core::kEscapeKey, kCtrl, KeyAction::Close},         {u'T', kCtrl, KeyAction::ToggleTreePane},
        {u'T', kNone, KeyAction::None},                {u'T', kCtrlShift, KeyAction::None},
        {u'T', kCtrlAlt, KeyAction::None},             {u'T', kAlt, KeyAction::None},
        {u't', kCtrl, KeyAction::None},                {u'S', kCtrl, KeyAction::None},
        {u'\0', kNone, KeyAction::None},               {u'\r', kNone, KeyAction::None},
    };
    for (const auto& [key, modifiers, action] : cases)
        EXPECT_EQ(core::ActionOfKey(key, modifiers), action) << static_cast<int>(key) << " ctrl " << modifiers.control
                                                       << " shift " << modifiers.shift << " alt " << modifiers.alt;

    // Only the keys held down are known: each binding they satisfy acts.
    const auto held = [](std::set<char16_t> keys, KeyModifiers modifiers) {
        return core::ActionsOfHeldKeys([&](char16_t key) { return keys.contains(key); }, modifiers);
    };
    using Actions = std::vector<core::KeyAction>;
    EXPECT_EQ(held({core::kTabKey, core::kEscapeKey, u'T'}, kCtrl),
              (Actions{core::KeyAction::SwitchFocus, core::KeyAction::Close, core::KeyAction::ToggleTreePane}));
    EXPECT_EQ(held({u'T'}, kCtrlShift), Actions{});
    EXPECT_EQ(held({u'T', core::kTabKey}, kNone), Actions{core::KeyAction::SwitchFocus});
    EXPECT_EQ(held({u'A'}, kCtrl), Actions{});
}
