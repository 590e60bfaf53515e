#include "platform/forms/ModalScript.h"

#include <deque>

namespace kelvppvw {

namespace {
std::deque<ModalAction>& queue() {
    static std::deque<ModalAction> q;
    return q;
}
std::vector<ModalMoment>& seen() {
    static std::vector<ModalMoment> s;
    return s;
}
} // namespace

void ModalScript::push(ModalAction action) { queue().push_back(std::move(action)); }

void ModalScript::clear() {
    queue().clear();
    seen().clear();
}

bool ModalScript::hasPending() { return !queue().empty(); }

const std::vector<ModalMoment>& ModalScript::history() { return seen(); }

ModalAction ModalScript::take(const ModalMoment& moment) {
    seen().push_back(moment);
    if (queue().empty())
        return {};
    ModalAction action = std::move(queue().front());
    queue().pop_front();
    return action;
}

} // namespace kelvppvw
