#pragma once
// The any-number reading window "任意号码分析".
#include "numbers/NumberForm.h"

class TFrm_onther : public TNumberForm {
    Q_OBJECT

public:
    explicit TFrm_onther(QWidget* parent = nullptr);
};
