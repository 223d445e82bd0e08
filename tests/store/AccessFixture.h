#pragma once
// The openly licensed Access samples in ../shared/fixtures/access, unpacked into a test's own
// folder, and rows added to them through libmdb. The samples are read where they lie and
// never copied into the repository.
#include <cstdint>
#include <string>

// The samples' folder, found beside the source tree; empty when it is not there.
std::string AccessSampleDir();

// Unpacks the gzipped sample `name` ("jet4-test.mdb.gz") to `dest`; false when it is missing
// or unreadable.
bool UnpackAccessSample(const std::string& name, const std::string& dest);

// One row of the samples' Table1: text A and B, byte C, integer D, long integer E, double F,
// date G, currency H, boolean I.
struct Table1Row {
    std::string a, b;
    int c = 0;
    int d = 0;
    std::int32_t e = 0;
    double f = 0;
    double gDays = 0;  // days since 1899-12-30
    std::int64_t hTenThousandths = 0;
    bool i = false;
};

// Adds `row` to Table1 of the Access file at `path` with libmdb's mdb_insert_row. Returns an
// empty text when it worked, else what failed.
std::string InsertTable1Row(const std::string& path, const Table1Row& row);
