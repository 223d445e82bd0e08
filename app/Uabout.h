#pragma once
#include <QDialog>

// "关于系统": the product title and the maker's contacts beside a picture.
class TAbout : public QDialog {
public:
    explicit TAbout(QWidget* parent = nullptr);
};
