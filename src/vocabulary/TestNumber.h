#pragma once

#include <array>
#include <cstddef>
#include <optional>

// One of the five tests, 1 … 5. A number becomes one only here, so that the screens, forms and
// banks kept for each test can be indexed by it without checking again.
class TestNumber {
  public:
    static constexpr int count = 5;

    // For numbers written in the code: one that is not a test does not compile.
    consteval TestNumber(int number) : number(number) {
        if (number < 1 || number > count)
            throw "not a test number";
    }
    static constexpr std::optional<TestNumber> from(int number) {
        if (number < 1 || number > count)
            return std::nullopt;
        return TestNumber(Checked{number});
    }
    static constexpr std::array<TestNumber, count> all() {
        return {TestNumber(1), TestNumber(2), TestNumber(3), TestNumber(4), TestNumber(5)};
    }

    constexpr int value() const { return number; }
    constexpr std::size_t index() const { return std::size_t(number - 1); }
    friend constexpr bool operator==(TestNumber, TestNumber) = default;

  private:
    struct Checked {
        int number;
    };
    constexpr explicit TestNumber(Checked checked) : number(checked.number) {}

    int number;
};
