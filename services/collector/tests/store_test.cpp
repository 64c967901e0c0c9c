// The store over SQLite, and over PostgreSQL when COLLECTOR_TEST_PG names a
// database (the test command starts one): the schema, the punch key, group
// commits and leases.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <tuple>

#include "store.h"

namespace collector {
namespace {

PunchRow punch(int64_t terminal, int64_t seq, const std::string& time = "08:00") {
    return PunchRow{terminal, seq, 0, "2026-12-07", time, "0000000001000123", "2026-12-07T10:00:00Z",
                    "k" + std::to_string(terminal) + "-" + time};
}

class StoreTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (GetParam() == "sqlite") {
            url_ = ::testing::TempDir() + "collector-store-" + std::to_string(getpid()) + ".db";
            for (const char* suffix : {"", "-wal", "-shm"}) std::remove((url_ + suffix).c_str());
        } else {
            const char* pg = std::getenv("COLLECTOR_TEST_PG");
            if (pg == nullptr || *pg == 0) GTEST_SKIP() << "COLLECTOR_TEST_PG not set: no PostgreSQL server";
            url_ = pg;
            auto db = open_db(url_);
            db->run("DROP TABLE IF EXISTS schema_version, terminals, punches, runs, collectors, access_list");
        }
    }
    std::string url_;
};

TEST_P(StoreTest, SchemaIsCreatedOnceAndANewerOneRefused) {
    {
        Store s(url_);
        EXPECT_EQ(s.schema_version(), Store::kSchemaVersion);
    }
    Store again(url_);  // opening again upgrades nothing and loses nothing
    EXPECT_EQ(again.schema_version(), Store::kSchemaVersion);
    open_db(url_)->run("UPDATE schema_version SET version = 99");
    EXPECT_THROW(Store{url_}, DbError);
}

TEST_P(StoreTest, PunchesAndRecordsAreCommittedTogetherAndKeptOnce) {
    Store s(url_);
    s.add_terminals({1, 2});
    EXPECT_EQ(s.commit({punch(1, 1), punch(1, 2, "08:05"), punch(2, 1)}, {{1, {2, "k1-2", false}}, {2, {1, "k2-1", false}}}), 3);
    // The same punch at the same place again (a commit whose answer was lost) is kept once.
    EXPECT_EQ(s.commit({punch(1, 2, "08:05"), punch(1, 3, "09:00")}, {{1, {3, "k1-3", true}}}), 1);
    std::string holder;
    int64_t expires = 0;
    const TerminalRecord r = s.record(1, holder, expires);
    EXPECT_EQ(std::make_tuple(r.seq, r.key, r.confirmed), std::make_tuple(int64_t{3}, std::string("k1-3"), true));
    // Another punch in a place already taken: nothing of the commit is kept.
    EXPECT_THROW(s.commit({punch(2, 2), punch(1, 3, "10:00")}, {{2, {2, "k2-2", false}}}), DbError);
    EXPECT_EQ(s.record(2, holder, expires).seq, 1);
    const auto rows = s.terminals("2026-12-07");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::make_tuple(rows[0].punches, rows[0].punches_today, rows[1].punches), std::make_tuple(3, 3, 1));
    const auto since = s.punches_since(int64_t{2}, "", 10);
    ASSERT_EQ(since.size(), 2u);
    EXPECT_EQ(std::make_pair(since[0].second.terminal, since[1].second.seq), std::make_pair(int64_t{2}, int64_t{3}));
    EXPECT_EQ(s.punches_since(std::nullopt, "2026-12-08", 10).size(), 0u);
}

TEST_P(StoreTest, LeasesShareTheFleetAndExpire) {
    Store a(url_), b(url_);
    const std::vector<int64_t> fleet{1, 2, 3, 4};
    a.add_terminals(fleet);
    const int64_t now = 1000000, lease = 30;
    EXPECT_EQ(a.lease("a", now, lease, 3, fleet), (std::vector<int64_t>{1, 2, 3}));
    EXPECT_EQ(b.lease("b", now, lease, 2, fleet), (std::vector<int64_t>{4}));
    EXPECT_EQ(a.lease("a", now + 1, lease, 2, fleet), (std::vector<int64_t>{1, 2}));  // gives 3 back
    EXPECT_EQ(b.lease("b", now + 2, lease, 2, fleet), (std::vector<int64_t>{4, 3}));
    // a stops renewing: once its leases expire, b takes its terminals over.
    EXPECT_EQ(b.lease("b", now + lease, lease, 4, fleet), (std::vector<int64_t>{3, 4}));
    EXPECT_EQ(b.lease("b", now + lease + 2, lease, 4, fleet), (std::vector<int64_t>{3, 4, 1, 2}));
    b.release("b");
    EXPECT_EQ(a.lease("a", now + lease + 3, lease, 4, fleet), (std::vector<int64_t>{1, 2, 3, 4}));
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreTest, ::testing::Values("sqlite", "postgres"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace collector
