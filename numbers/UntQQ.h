#pragma once
// The QQ number reading window "QQ号码测试".
#include "numbers/NumberForm.h"

class TFrmQQhm : public TNumberForm {
    Q_OBJECT

public:
    explicit TFrmQQhm(QWidget* parent = nullptr);
};
