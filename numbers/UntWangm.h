#pragma once
// The net-name reading window "网名与性格": the trait of a nickname's last code letter.
#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

class TFrmWangming : public QDialog {
    Q_OBJECT

public:
    // Create with new: the window destroys itself when closed.
    explicit TFrmWangming(QWidget* parent = nullptr);

    // Types `nickname` into edtmun and runs "测算", as the user would (gallery and tests).
    void RunReadingFor(const QString& nickname);

    // Where the trait comes from; GetNetNameInfo unless a test puts a failing one in.
    using TraitSource = std::function<std::string(std::string_view nickname)>;
    void SetTraitSource(TraitSource source) { traitSource_ = std::move(source); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    TraitSource traitSource_;
    QLineEdit* edtmun = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
    QLabel* RzLabel8 = nullptr;   // trait, navy
    QLabel* RzLabel11 = nullptr;  // nickname, green
};
