#pragma once
// The mobile number reading window "手机号码测算": the stored reading of the number's key.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFrm_SJcs : public QDialog {
    Q_OBJECT

public:
    // Create with new: the window destroys itself when closed.
    explicit TFrm_SJcs(QWidget* parent = nullptr);

    // Types `number` into edtmun and runs "测算", as the user would (gallery and tests).
    // Set the box before showing instead and FormShow runs the reading.
    void RunReadingFor(const QString& number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QLineEdit* edtmun = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
    QLabel* RzLabel8 = nullptr;   // content
    QLabel* RzLabel9 = nullptr;   // jx, red
    QLabel* RzLabel10 = nullptr;  // title
    QLabel* RzLabel11 = nullptr;  // the number as read
};
