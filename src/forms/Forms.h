#pragma once

#include "forms/FormDef.h"

extern const FormDef frmMainForm;
extern const FormDef frmIntroForm;
// The five test screens share one design; test 1 … 5.
const FormDef& testForm(int test);
