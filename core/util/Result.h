#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace radio {

// A value or the message a user will see. Used where a failure is an expected outcome
// (files, devices); programming errors still throw.
template <class T, class E = std::string>
class Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    static Result failure(E error) { return Result(std::in_place_index<1>, std::move(error)); }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const E& error() const { return std::get<1>(state_); }

  private:
    template <std::size_t I, class V>
    Result(std::in_place_index_t<I> tag, V&& v) : state_(tag, std::forward<V>(v)) {}
    std::variant<T, E> state_;
};

// Success or the message a user will see.
template <class E = std::string>
class Status {
  public:
    Status() = default;
    static Status failure(E error) {
        Status s;
        s.error_ = std::move(error);
        return s;
    }
    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const E& error() const { return *error_; }

  private:
    std::optional<E> error_;
};

}  // namespace radio
