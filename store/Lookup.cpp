#include "store/Lookup.h"

#include "store/Errors.h"
#include "store/Query.h"

std::string TrimSpaces(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

std::optional<std::vector<std::string>> LookupRow(Query& query, const std::string& sql) {
    query.Close();
    query.ClearSql();
    query.SetSql(sql);
    try {
        query.Open();
        if (query.IsEmpty()) return std::nullopt;
        std::vector<std::string> fields;
        for (int i = 0; i < query.FieldCount(); ++i)
            fields.push_back(TrimSpaces(query.FieldAt(i).AsString()));
        return fields;
    } catch (const std::exception&) {
        query.Close();
        throw AbortCommand();
    }
}

std::optional<std::vector<std::string>> LookupRow(const std::string& connectionString,
                                                  const std::string& sql) {
    Query query;
    query.SetConnectionString(connectionString);
    return LookupRow(query, sql);
}
