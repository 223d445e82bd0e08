#include "numbers/Shouji.h"

#include "store/JetSql.h"
#include "store/Lookup.h"
#include "text/Convert.h"
#include "text/Gbk.h"

std::string shoujiinfostr(std::string_view number) {
    const std::string gbk = Utf8ToGbk(Trim(number));
    const std::string tail = gbk.size() > 7 ? gbk.substr(7) : std::string();
    return std::to_string(StrToInt(GbkToUtf8(tail)) % 80);
}

std::string ShoujiStatement(std::string_view key) {
    return "select title,jx,content from shouji where num = " + Quote(key);
}

MobileReading LookupMobileReading(const std::string& connectionString, std::string_view key) {
    MobileReading reading;
    if (auto row = LookupRow(connectionString, ShoujiStatement(key))) {
        // The statement names three columns, so a row always has them.
        reading.title = (*row)[0];
        reading.luck = (*row)[1];
        reading.content = (*row)[2];
    }
    return reading;
}
