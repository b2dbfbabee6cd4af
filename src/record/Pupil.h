#pragma once

#include "record/Attempt.h"

// The login and full name of the account Velmora runs under and the computer's name, for
// attempts of the tests from `source`.
AttemptContext thisPupil(std::string source);
