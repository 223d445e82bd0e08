// The current subject of the main window and the readings of it that write the result pane.
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/ResultPane.h"
#include "app/Unt_Main.h"
#include "numerology/Grids.h"
#include "platform/Fonts.h"
#include "readings/Personal.h"
#include "store/Lookup.h"
#include "text/Gbk.h"

// Name boxes take Chinese characters only: a key whose character code is 127 or above,
// Backspace and Enter pass; letters, digits, blanks and punctuation are dropped. Text from
// an input method arrives as such and is not a key.
class NameKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty()) return false;  // arrows, Delete, shortcuts type nothing
        const char16_t code = text.at(0).unicode();
        return !(code >= 127 || code == 8 || code == 13);
    }
};

void TFrmmain::BuildSubjectBar(QWidget* central) {
    auto* bar = new QFrame(central);
    bar->setObjectName(QStringLiteral("SubjectBar"));
    bar->setGeometry(2, 378, 612, 58);
    bar->setStyleSheet(QStringLiteral(
        "#SubjectBar { background: rgba(255, 250, 236, 230); border-top: 1px solid #c9a45c; }"));
    auto label = [bar](const char16_t* text, int x, int y) {
        auto* l = new QLabel(QString::fromUtf16(text), bar);
        l->setFont(SongFont(12));
        l->setGeometry(x, y, 40, 20);
    };
    auto* filter = new NameKeyFilter(this);
    auto nameBox = [&](const char* name, int x, int width, QString* field) {
        auto* box = new QLineEdit(bar);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(x, 5, width, 20);
        box->setFont(SongFont(12));
        box->setMaxLength(4);
        box->installEventFilter(filter);
        connect(box, &QLineEdit::textChanged, this, [field](const QString& t) { *field = t.trimmed(); });
    };
    auto choice = [&](const char* name, int x, int width, QStringList items, QString* field) {
        auto* box = new QComboBox(bar);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(x, 5, width, 20);
        box->setFont(SongFont(12));
        items.prepend(QString());
        box->addItems(items);
        connect(box, &QComboBox::currentTextChanged, this, [field](const QString& t) { *field = t; });
    };
    label(u"姓：", 6, 5);
    nameBox("NameA", 32, 52, &FSurname);
    label(u"名：", 92, 5);
    nameBox("NameB", 118, 68, &FGivenName);
    label(u"血型：", 196, 5);
    choice("BloodType", 236, 60, {"A型", "B型", "O型", "AB型"}, &FBloodType);
    label(u"生肖：", 306, 5);
    choice("ZodiacAnimal", 346, 50,
           QString::fromUtf16(u"鼠牛虎兔龙蛇马羊猴鸡狗猪").split(QString(), Qt::SkipEmptyParts),
           &FZodiacAnimal);
    label(u"星座：", 406, 5);
    choice("StarSign", 446, 78,
           {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座",
            "摩羯座", "水瓶座", "双鱼座"},
           &FStarSign);

    struct {
        const char16_t* caption;
        const char* name;
        CommandKind kind;
    } const buttons[] = {
        {u"姓名分析", "btnNameAnalysis", CommandKind::NameAnalysis},
        {u"三才吉凶", "btnThreeTalents", CommandKind::ThreeTalents},
        {u"血型算命", "btnBloodType", CommandKind::BloodTypeReading},
        {u"属相运程", "btnZodiac", CommandKind::ZodiacReading},
        {u"星座运程", "btnStarSign", CommandKind::StarSignReading},
        {u"保存测算", "btnSave", CommandKind::SaveResult},
        {u"打印结果", "btnPrint", CommandKind::PrintResult},
    };
    int x = 6;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.caption), bar);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setFont(SongFont(12));
        button->setGeometry(x, 31, 68, 22);
        const Command command{b.kind, 0, {}};
        connect(button, &QPushButton::clicked, this, [this, command] { Execute(command); });
        x += 72;
    }
    auto* more = new QToolButton(bar);
    more->setObjectName(QStringLiteral("btnMore"));
    more->setText(QStringLiteral("更多测算"));
    more->setFont(SongFont(12));
    more->setGeometry(x, 31, 80, 22);
    more->setPopupMode(QToolButton::InstantPopup);
    more->setMenu(commandMenu_);
}

// --- Name readings ----------------------------------------------------------------------

std::string TFrmmain::GetNamefxText(int grid) {
    auto row = LookupRow(ADOQname, NamefxStatement(grid));
    return row && !row->empty() ? (*row)[0] : std::string(kNoReading);
}

namespace {
// Shows a reading; each pair of its stored text that is no hexadecimal number beeps once.
std::string Shown(const std::string& stored) {
    int bad = 0;
    std::string shown = ShownReading(stored, &bad);
    for (int i = 0; i < bad; ++i) Sys().beep->Beep();
    return shown;
}

QStringList ToLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << QString::fromStdString(line);
    return out;
}
}  // namespace

void TFrmmain::NameAnalysis() {
    if (!FSurname.isEmpty() && !FGivenName.isEmpty()) {
        // Every lookup comes before the pane is touched, so a failed one leaves it as it was.
        const std::string s = Utf8ToGbk(FSurname.toStdString()), g = Utf8ToGbk(FGivenName.toStdString());
        int grids[5];
        for (int selector = 0; selector < 5; ++selector) grids[selector] = GetGridNum(s, g, selector);
        std::string readings[5];
        for (int selector = 0; selector < 5; ++selector)
            readings[selector] = Shown(GetNamefxText(grids[selector]));
        RzMemo1->SetLines(
            ToLines(NameAnalysisLines(FSurname.toStdString(), FGivenName.toStdString(), grids, readings)));
    }
    RzMemo1->ScrollResultToTop();
}

void TFrmmain::ThreeTalents() {
    if (FSurname.isEmpty() || FGivenName.isEmpty()) return;
    const std::string s = Utf8ToGbk(FSurname.toStdString()), g = Utf8ToGbk(FGivenName.toStdString());
    const int tian = GetGridNum(s, g, kTianGe);
    const int ren = GetGridNum(s, g, kRenGe);
    const int di = GetGridNum(s, g, kDiGe);
    const std::string title = GetElementTitle(tian, ren, di);
    auto row = LookupRow(ADOQname, SancaiStatement(title));
    const std::string reading = row && !row->empty() ? Shown((*row)[0]) : std::string(kNoReading);
    RzMemo1->SetLines(
        ToLines(ThreeTalentLines(FSurname.toStdString(), FGivenName.toStdString(), title, reading)));
}

// --- Personality readings ---------------------------------------------------------------

namespace {
// A built-in reading of one subject field; false when a field it needs is empty.
bool WritePersonalReading(ResultPane& pane, const QString& surname, const QString& given, const char* label,
                          const QString& value, std::string (*reading)(std::string_view)) {
    if (surname.isEmpty() || given.isEmpty() || value.isEmpty()) return false;
    const std::string v = value.toStdString();
    pane.SetLines(
        ToLines(PersonalReadingLines(surname.toStdString(), given.toStdString(), label, v, reading(v))));
    return true;
}
}  // namespace

void TFrmmain::BloodTypeReading() {
    WritePersonalReading(*RzMemo1, FSurname, FGivenName, ",您的血型为", FBloodType, GetBloodTypeText);
}

void TFrmmain::ZodiacReading() {
    WritePersonalReading(*RzMemo1, FSurname, FGivenName, ",您的生肖为", FZodiacAnimal, GetZodiacText);
    RzMemo1->ScrollResultToTop();
}

void TFrmmain::StarSignReading() {
    WritePersonalReading(*RzMemo1, FSurname, FGivenName, ",您的星座为", FStarSign, GetStarSignText);
}

void TFrmmain::StarSignArticle(int kind) {
    if (!FSurname.isEmpty() && !FGivenName.isEmpty() && !FStarSign.isEmpty()) {
        RzMemo1->Clear();
        RzMemo1->AddLine(QString::fromStdString(StarSignArticleHeader(
            FSurname.toStdString(), FGivenName.toStdString(), FStarSign.toStdString())));
        RzMemo1->AddEmptyLine();
        RzMemo1->AddEmptyLine();
        // A failed lookup ends the command here: the header and the empty lines stay.
        RzMemo1->AddLine(QString::fromStdString(GetStarSignArticle(FStarSign.toStdString(), kind)));
    }
    if (ArticleScrollsToTop(kind)) RzMemo1->ScrollResultToTop();
}
