#include "editor/SynEditKbdHandler.h"

#include <algorithm>

namespace tavlo {

namespace {

template <class List>
void removeById(List& list, int32_t id) {
    list.erase(std::remove_if(list.begin(), list.end(), [id](const auto& e) { return e.id == id; }), list.end());
}

class ReentryGuard {
public:
    explicit ReentryGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ReentryGuard() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

TSynEditKbdHandler::HandlerId TSynEditKbdHandler::AddKeyDownHandler(TKeyEvent handler) {
    m_keyDown.push_back({m_nextId, std::move(handler)});
    return m_nextId++;
}

void TSynEditKbdHandler::RemoveKeyDownHandler(HandlerId id) { removeById(m_keyDown, id); }

TSynEditKbdHandler::HandlerId TSynEditKbdHandler::AddKeyPressHandler(TKeyPressEvent handler) {
    m_keyPress.push_back({m_nextId, std::move(handler)});
    return m_nextId++;
}

void TSynEditKbdHandler::RemoveKeyPressHandler(HandlerId id) { removeById(m_keyPress, id); }

void TSynEditKbdHandler::ExecuteKeyDown(TCustomSynEdit& sender, uint16_t& key, TShiftState shift) {
    if (m_inKeyDown) return;
    ReentryGuard guard(m_inKeyDown);
    auto handlers = m_keyDown;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        it->handler(sender, key, shift);
        if (key == 0) return;
    }
    if (OnKeyDown) OnKeyDown(sender, key, shift);
}

void TSynEditKbdHandler::ExecuteKeyPress(TCustomSynEdit& sender, char& key) {
    if (m_inKeyPress) return;
    ReentryGuard guard(m_inKeyPress);
    auto handlers = m_keyPress;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        it->handler(sender, key);
        if (key == 0) return;
    }
    if (OnKeyPress) OnKeyPress(sender, key);
}

} // namespace tavlo
