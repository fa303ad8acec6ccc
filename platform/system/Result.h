// Result: how anything that can fail says so. An operation hands back either what it made or a
// Problem: one message for the player, already in their language, naming what failed (a file, a
// script's line) and why. Callers test it like a pointer and pass a problem up, or say it.
//
//   platform::Result<Bitmap> picture = LoadPicture(path);
//   if (!picture) return picture.Error();   // or Complain(picture.Error().Message)
//   Use(*picture);
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace platform {

struct Problem {
  std::string Message;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Problem problem) : state_(std::in_place_index<1>, std::move(problem)) {}

  explicit operator bool() const { return state_.index() == 0; }
  T& operator*() & { return std::get<0>(state_); }
  const T& operator*() const& { return std::get<0>(state_); }
  // What a result made, taken out of a result that is going away (an owner it hands on).
  T&& operator*() && { return std::get<0>(std::move(state_)); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }
  // Only for a result that failed.
  const Problem& Error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Problem> state_;
};

// An operation that makes nothing: done, or the problem that stopped it.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Problem problem) : problem_(std::move(problem)), failed_(true) {}

  explicit operator bool() const { return !failed_; }
  const Problem& Error() const { return problem_; }

 private:
  Problem problem_;
  bool failed_ = false;
};

}  // namespace platform
