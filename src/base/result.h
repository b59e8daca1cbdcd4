#pragma once
// Results of operations that can fail: core code returns these instead of
// throwing or showing anything; the caller decides how to tell the user.

#include <QString>
#include <optional>
#include <utility>

namespace tagloom {

// Success, or failure with a message meant for the user.
struct Status {
    bool ok = true;
    QString error;

    static Status success() { return {}; }
    static Status failure(QString message) { return {false, std::move(message)}; }
    explicit operator bool() const { return ok; }
};

// A value, or a message saying why there is none.
template <typename T>
struct Result {
    std::optional<T> value;
    QString error;

    static Result success(T v) { return {std::move(v), {}}; }
    static Result failure(QString message) { return {std::nullopt, std::move(message)}; }
    explicit operator bool() const { return value.has_value(); }
    const T &operator*() const { return *value; }
    T &operator*() { return *value; }
    const T *operator->() const { return &*value; }
};

} // namespace tagloom
