#pragma once

#include "shell/FormDef.h"
#include "vocabulary/TestNumber.h"

extern const FormDef frmMainForm;
extern const FormDef frmIntroForm;
// The five test screens share one design.
const FormDef& testForm(TestNumber test);
