// The keys the viewer takes before its panes, and those it hands to the host.
#include <gtest/gtest.h>

#include "core/commands/ViewerKeys.h"

#include <set>

using namespace core;

TEST(ViewerKeys, TabAndEscapeActWithAnyModifierCtrlTOnlyWithCtrlAloneTheHostsKeysAsItBindsThem)
{
    constexpr KeyModifiers kNone{}, kCtrl{.control = true}, kShift{.shift = true}, kAlt{.alt = true},
        kCtrlShift{.control = true, .shift = true}, kCtrlAlt{.control = true, .alt = true};
    constexpr auto kLister = ViewerPlace::ListerWindow;
    constexpr auto kQuick = ViewerPlace::QuickView;
    const struct {
        char16_t key;
        KeyModifiers modifiers;
        ViewerPlace place;
        KeyAction action;
    } cases[] = {
        {kTabKey, kNone, kLister, KeyAction::SwitchFocus},   {kTabKey, kShift, kLister, KeyAction::SwitchFocus},
        {kTabKey, kCtrlAlt, kLister, KeyAction::SwitchFocus}, {kEscapeKey, kNone, kLister, KeyAction::Close},
        {kEscapeKey, kCtrl, kLister, KeyAction::Close},       {u'T', kCtrl, kLister, KeyAction::ToggleTreePane},
        {u'T', kNone, kLister, KeyAction::None},              {u'T', kCtrlShift, kLister, KeyAction::None},
        {u'T', kCtrlAlt, kLister, KeyAction::None},           {u'T', kAlt, kLister, KeyAction::None},
        {u't', kCtrl, kLister, KeyAction::None},              {u'S', kCtrl, kLister, KeyAction::None},
        {u'\0', kNone, kLister, KeyAction::None},             {u'\r', kNone, kLister, KeyAction::None},
        // In Quick View Tab and Escape give the keyboard back to the host.
        {kTabKey, kNone, kQuick, KeyAction::ToHost},          {kTabKey, kShift, kQuick, KeyAction::ToHost},
        {kEscapeKey, kNone, kQuick, KeyAction::ToHost},       {u'T', kCtrl, kQuick, KeyAction::ToggleTreePane},
        // The host's keys, in both places, alone; never the keys around them.
        {u'N', kNone, kLister, KeyAction::ToHost},            {u'P', kNone, kQuick, KeyAction::ToHost},
        {u'1', kNone, kLister, KeyAction::ToHost},            {u'7', kNone, kQuick, KeyAction::ToHost},
        {u'0', kNone, kLister, KeyAction::None},              {u'8', kNone, kLister, KeyAction::None},
        {u'O', kNone, kLister, KeyAction::None},              {u'Q', kNone, kLister, KeyAction::None},
        {u'M', kNone, kLister, KeyAction::None},              {u'n', kNone, kLister, KeyAction::None},
        {u'N', kCtrl, kLister, KeyAction::None},              {u'P', kShift, kLister, KeyAction::None},
        {u'1', kAlt, kQuick, KeyAction::None},                {u'C', kCtrl, kLister, KeyAction::None},
        {FunctionKey(2), kNone, kLister, KeyAction::ToHost},  {FunctionKey(5), kNone, kQuick, KeyAction::ToHost},
        {FunctionKey(3), kShift, kLister, KeyAction::ToHost}, {FunctionKey(7), kNone, kLister, KeyAction::ToHost},
        {FunctionKey(1), kNone, kLister, KeyAction::None},    {FunctionKey(4), kNone, kLister, KeyAction::None},
        {FunctionKey(10), kShift, kLister, KeyAction::None},  {FunctionKey(5), kCtrl, kLister, KeyAction::None},
        {FunctionKey(2), kAlt, kQuick, KeyAction::None},
    };
    for (const auto& [key, modifiers, place, action] : cases)
        EXPECT_EQ(ActionOfKey(key, modifiers, place), action)
            << static_cast<int>(key) << " ctrl " << modifiers.control << " shift " << modifiers.shift << " alt "
            << modifiers.alt << " quick view " << (place == kQuick);

    // Only the keys held down are known: each binding they satisfy acts.
    const auto held = [](std::set<char16_t> keys, KeyModifiers modifiers,
                         ViewerPlace place = ViewerPlace::ListerWindow) {
        return ActionsOfHeldKeys([&](char16_t key) { return keys.contains(key); }, modifiers, place);
    };
    using Presses = std::vector<KeyPress>;
    EXPECT_EQ(held({kTabKey, kEscapeKey, u'T'}, kCtrl), (Presses{{kTabKey, KeyAction::SwitchFocus},
                                                              {kEscapeKey, KeyAction::Close},
                                                              {u'T', KeyAction::ToggleTreePane}}));
    EXPECT_EQ(held({u'T'}, kCtrlShift), Presses{});
    EXPECT_EQ(held({u'T', kTabKey}, kNone), (Presses{{kTabKey, KeyAction::SwitchFocus}}));
    EXPECT_EQ(held({u'A'}, kCtrl), Presses{});
    EXPECT_EQ(held({kEscapeKey, u'N'}, kNone, kQuick),
              (Presses{{kEscapeKey, KeyAction::ToHost}, {u'N', KeyAction::ToHost}}));
    EXPECT_EQ(held({u'N'}, kCtrl), Presses{});
}
