#pragma once
// The perpetual calendar (万年历): a small modal window that shows one Gregorian month as a grid of
// days, each with its lunar text underneath, festivals and solar terms in colour. The user browses
// the years 1901..2050 and the months, picks a day, or returns to today. It closes as soon as it
// stops being the active window. Nothing is read back from it.
#include <QDialog>
#include <array>
#include <chrono>
#include <cstdint>

class QFrame;
class QLabel;

class TFRM_Date : public QDialog {
    Q_OBJECT

public:
    // Builds the controls and the day grid and selects today (from Today(), brought into
    // 1901..2050); showing the window draws the selected day's month.
    explicit TFRM_Date(QWidget* parent = nullptr);
    ~TFRM_Date() override;

    // Fills the grid for the month of `date` and highlights its day. The date must lie in 1901..2050.
    void ShowMonth(std::chrono::year_month_day date);

    // The day last picked (today when the window was created or "今天" was clicked).
    std::chrono::year_month_day Selected() const { return SelectedDate; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class ClickLabel;
    class Shape;
    class UpDown;

    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void CnDayMouseDown(const QLabel& label);
    void ChnDateMouseDown(const QLabel& label);
    void CnDayClick(const QLabel& label);
    void CHnDayClick(const QLabel& label);
    void StaticText1Click();
    void BuildDayGrid();
    void StoreSelectedDate();

    // Runs a handler as every command runs: AbortCommand ends it silently, other errors are reported.
    template <class Handler>
    void Run(Handler&& handler);

    Shape* Shape1 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label16 = nullptr;
    QFrame* Bevel2 = nullptr;
    Shape* Shape2 = nullptr;
    ClickLabel* Label1 = nullptr;
    std::array<QLabel*, 7> WeekdayHeader{};  // Label2 .. Label8
    QLabel* day1 = nullptr;
    QLabel* Cnday = nullptr;
    std::array<QLabel*, 7> WeekdayFooter{};  // Label9 .. Label15
    QFrame* Bevel1 = nullptr;
    ClickLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    UpDown* UpDown1 = nullptr;
    UpDown* UpDown2 = nullptr;
    ClickLabel* StaticText1 = nullptr;

    // Index 1..37; cell i sits in column (i - 1) % 7 and row (i - 1) / 7.
    std::array<ClickLabel*, 38> DayCells{};
    std::array<ClickLabel*, 38> LunarCells{};

    std::chrono::year_month_day SelectedDate{};
    // The month on show and the day number that navigation keeps.
    std::uint16_t ShownYear = 0;
    std::uint16_t ShownMonth = 0;
    std::uint16_t ShownDay = 0;
};
