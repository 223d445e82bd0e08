#include "numbers/UntQQ.h"

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : TNumberForm({"FrmQQhm", QStringLiteral("QQ号码测试"), QStringLiteral("QQ号码："),
                   QStringLiteral("qq号码是："), QStringLiteral("请输入你的QQ号码！"), 270},
                  parent) {}
