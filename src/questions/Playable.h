#pragma once

#include <string_view>
#include <utility>
#include <variant>

// Why Velmora cannot play a question, in words a teacher understands.
struct Unplayable {
    std::string_view why;
};

// What a reader made of a question, or of a part of one, or else why the question cannot be
// played: the little of C++23's std::expected that the readers need.
template <typename Made> class Playable {
  public:
    Playable(Made made) : held(std::move(made)) {}
    Playable(Unplayable why) : held(why) {}

    explicit operator bool() const { return std::holds_alternative<Made>(held); }
    Made& operator*() { return std::get<Made>(held); }
    const Made& operator*() const { return std::get<Made>(held); }
    Made* operator->() { return &std::get<Made>(held); }
    const Made* operator->() const { return &std::get<Made>(held); }
    // Why not, where the question cannot be played.
    Unplayable unplayable() const { return std::get<Unplayable>(held); }

  private:
    std::variant<Made, Unplayable> held;
};
