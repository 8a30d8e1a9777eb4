// The editor's keyboard hook chains: handlers that see key-downs and key-presses before
// the editor's own OnKeyDown / OnKeyPress and may swallow them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "editor/SynEditKeyConst.h"

namespace tavlo {

class TCustomSynEdit;

using TKeyEvent = std::function<void(TCustomSynEdit& sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TCustomSynEdit& sender, char& key)>;

class TSynEditKbdHandler {
public:
    using HandlerId = int32_t;

    HandlerId AddKeyDownHandler(TKeyEvent handler);
    void RemoveKeyDownHandler(HandlerId id);
    HandlerId AddKeyPressHandler(TKeyPressEvent handler);
    void RemoveKeyPressHandler(HandlerId id);

    // Handlers run newest first; one that zeroes the key stops the chain and the control's
    // own event. A chain entered again while it runs does nothing.
    void ExecuteKeyDown(TCustomSynEdit& sender, uint16_t& key, TShiftState shift);
    void ExecuteKeyPress(TCustomSynEdit& sender, char& key);

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

private:
    template <class Event>
    struct Entry {
        HandlerId id;
        Event handler;
    };
    std::vector<Entry<TKeyEvent>> m_keyDown;
    std::vector<Entry<TKeyPressEvent>> m_keyPress;
    HandlerId m_nextId = 1;
    bool m_inKeyDown = false;
    bool m_inKeyPress = false;
};

} // namespace tavlo
