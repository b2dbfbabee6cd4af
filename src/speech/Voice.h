#pragma once

#include <string>

// What reads the screens' texts aloud. Each text cuts off the one being said.
class Voice {
  public:
    virtual ~Voice() = default;
    virtual void say(std::string text) = 0;
    virtual void stop() = 0;
};
