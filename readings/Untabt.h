#pragma once
// The baby-sex chart window "生男生女": the chart as an editable text, and its note.
#include <QDialog>

class QLabel;
class QTextEdit;

class TFrm_NanNv : public QDialog {
    Q_OBJECT

public:
    // Create with new: the window destroys itself when closed, so edits to the chart
    // never reach the next opening.
    explicit TFrm_NanNv(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextEdit* RzMemo1 = nullptr;
    QLabel* RzLabel1 = nullptr;
};

// The face the chart is set in: "宋体", or on a system without it a Song face whose Latin
// letters are half as wide as its Chinese characters, so that the cells stay under their
// months.
QFont ChartFont();
