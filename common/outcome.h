#pragma once
// The result of a step that can fail: a value, or the reason it failed, as a
// value (no exception crosses a caller). std::expected would do, but the
// fuzzing compiler's library does not offer it yet.

#include <optional>
#include <utility>

namespace loopbeam {

// The reason on its way into an outcome of any value type.
template <class Reason>
struct Refused {
    Reason reason;
};
template <class Reason>
Refused(Reason) -> Refused<Reason>;

template <class T, class Reason>
class BasicOutcome {
public:
    BasicOutcome(T value) : value_(std::move(value)) {}
    explicit BasicOutcome(std::in_place_t) : value_(std::in_place) {}  // built where it is returned
    BasicOutcome(Refused<Reason> refused) : reason_(std::move(refused.reason)) {}

    bool has_value() const { return value_.has_value(); }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    const Reason& error() const { return *reason_; }

private:
    std::optional<T> value_;
    std::optional<Reason> reason_;
};

}  // namespace loopbeam
