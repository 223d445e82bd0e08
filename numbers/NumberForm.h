#pragma once
// The window shared by the QQ number and any-number readings: a number box, "测算" and
// "关闭", and the eighty-one reading split into verdict, luck class and personality.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TNumberForm : public QDialog {
    Q_OBJECT

public:
    // Types `number` into edtmun and runs "测算", as the user would (gallery and tests).
    void RunReadingFor(const QString& number);

protected:
    struct Texts {
        const char* objectName;
        QString caption;       // window title
        QString inputCaption;  // left of the box
        QString row1Caption;   // left of the number as read
        QString emptyMessage;  // ShowInfo when the box is empty
        int clientHeight;
    };
    TNumberForm(const Texts& texts, QWidget* parent);

    void showEvent(QShowEvent* event) override;

private:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QString emptyMessage_;
    QLineEdit* edtmun = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
    QLabel* RzLabel8 = nullptr;   // personality text
    QLabel* RzLabel9 = nullptr;   // luck class, red
    QLabel* RzLabel10 = nullptr;  // verdict
    QLabel* RzLabel11 = nullptr;  // the number as read
};
