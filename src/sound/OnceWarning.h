#pragma once

#include <atomic>
#include <string>

// A fault that does not stop the sound, such as a buffer of speech that could not be resampled:
// said in one line on standard error the first time, and no more however often it happens.
class OnceWarning {
  public:
    void say(const std::string& what);

  private:
    std::atomic_flag said;
};
