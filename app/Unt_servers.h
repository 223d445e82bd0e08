#pragma once
#include <QDialog>

// "客户服务": how to reach the maker, in four blocks.
class TFrm_servers : public QDialog {
public:
    explicit TFrm_servers(QWidget* parent = nullptr);
};
